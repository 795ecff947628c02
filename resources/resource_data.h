#pragma once

#include <span>
#include <string>
#include <string_view>

#include "resources/resource_model.h"

namespace vb::res {

// Menu resource 100: one top-level popup (caption "q", never shown) whose items are the popup
// menu.
const MenuItem& TickerMenu();

// Dialogs 103, 106, 137, 146 and 147.
std::span<const Dialog> AllDialogs();

// nullptr when no such dialog or control exists.
const Dialog* FindDialog(int dialogId);
const Control* FindControl(const Dialog& dialog, int controlId);

}  // namespace vb::res
