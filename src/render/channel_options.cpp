#include "render/channel_options.h"

#include "settings/channel_table.h"
#include "settings/decimal_text.h"
#include "settings/text_shape.h"

namespace vb {
namespace {

// The value after the first `key` in `suffix`, up to the next ';'; empty when the key is absent.
std::string_view OptionValue(std::string_view suffix, std::string_view key) {
  const std::size_t at = suffix.find(key);
  if (at == std::string_view::npos) return {};
  const std::string_view rest = suffix.substr(at + key.size());
  return rest.substr(0, rest.find(';'));
}

}  // namespace

ChannelOptions ParseChannelOptions(std::string_view url, std::string_view dir,
                                   std::string_view smooth, std::string_view speed, int colNum,
                                   char noDescription) {
  ChannelOptions options{CutBytes(url, kUrlLimit), std::string(dir), std::string(smooth),
                         std::string(speed),       colNum,           noDescription};
  const std::size_t mark = options.address.find(" vbco");
  if (mark == std::string::npos) return options;

  const std::string suffix = options.address.substr(mark + 1);
  options.address.resize(mark);
  // The page writes these into its markup and script: a value of any other shape counts as none.
  if (auto v = OptionValue(suffix, ";cd="); !v.empty() && IsAsciiLetters(v)) options.dir = v;
  if (auto v = OptionValue(suffix, ";cs="); !v.empty() && IsAsciiDigits(v)) options.smooth = v;
  if (auto v = OptionValue(suffix, ";ct="); !v.empty() && IsAsciiDigits(v)) options.speed = v;
  if (auto v = OptionValue(suffix, ";ccn="); !v.empty()) options.colNum = Atoi(v);
  if (auto v = OptionValue(suffix, ";cnd="); !v.empty() && v.front() == '1') {
    options.noDescription = 1;
  }
  return options;
}

}  // namespace vb
