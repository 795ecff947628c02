#pragma once

#include <string_view>

namespace vb {

enum class LinkVerdict {
  kLoad,         // the bar's own page (first load, reload)
  kOpenOutside,  // hand the address to the desktop's default handler
  kRefuse,       // do nothing
};

// What the bar does with a navigation to `uri`. The bar only ever shows its page; every other
// web address leaves for the user's browser, and javascript: addresses never run.
LinkVerdict JudgeNavigation(std::string_view uri, std::string_view pageUri);

// Injected at document start: a capture-phase click handler that keeps a click on a
// javascript: link from running it.
extern const char* const kClickGuardScript;

}  // namespace vb
