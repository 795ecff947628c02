#pragma once

#include <string>
#include <string_view>

namespace vb {

// The values that the page's head wrote into its body style, read back so that the web view's
// user stylesheet always matches the page on show.
struct PageStyleValues {
  std::string bgColor;
  std::string bkPic;
  std::string tFont;
};

// Finds them in the page text (its head is enough); a value that is not there stays empty.
PageStyleValues ReadPageStyleValues(std::string_view page);

// The same from the page file; all empty when it cannot be read.
PageStyleValues ReadPageStyleFile(const std::string& pageFile);

}  // namespace vb
