#pragma once

#include "resources/resource_model.h"

// The dialog tables, each defined in its own file; resource_data.cpp gathers them.
namespace vb::res {

extern const Dialog kConfigDialog;
extern const Dialog kHelpDialog;
extern const Dialog kBkPicDialog;
extern const Dialog kImportDialog;
extern const Dialog kExportDialog;

}  // namespace vb::res
