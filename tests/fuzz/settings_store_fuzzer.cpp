// The settings store on any file: the load keeps every value in its range and shape, and
// writing one key leaves the others as they read.
#include "fuzz/fuzz_check.h"
#include "settings/text_shape.h"
#include "settings/ticker_settings.h"

namespace {

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const vb::ProfileStore store(vb::fuzz::ScratchFile("velloband.ini", vb::fuzz::Text(data, size)));

  vb::TickerSettings s;
  vb::ChannelTable table;
  vb::LoadSettings(store, s, table);
  vb::LoadChannelTable(store, table);
  using vb::fuzz::Check;
  Check(InRange(s.lineNum, 1, 10) && InRange(s.colNum, 1, 10), "line counts clamped");
  Check(InRange(s.fontSize, 12, 50), "font size clamped", std::to_string(s.fontSize));
  Check(s.scrollStep >= 1 && s.scrollPauseMs >= 20, "scroll step and pause clamped");
  Check(s.RotationPeriodMs() >= 1000, "the rotation pauses");
  Check(InRange(table.count, 0, vb::kMaxChannels) &&
            (table.count == 0 ? table.current == 0 : InRange(table.current, 0, table.count - 1)),
        "channel count and index in range");
  Check(vb::IsAsciiLetters(s.dir), "direction is letters", s.dir);
  for (const vb::PageColour* colour : {&s.bgColor, &s.txtColor, &s.vstColor, &s.lnkColor}) {
    Check(vb::IsAsciiLettersOrDigits(colour->text()), "colours are letters and digits",
          colour->text());
  }
  for (const vb::ChannelEntry& entry : table.entries) {
    Check(entry.url.size() <= vb::kUrlLimit && entry.name.size() <= vb::kNameLimit &&
              entry.codePage.size() <= vb::kCodePageLimit,
          "channel texts within their limits");
  }

  const std::string picture = store.Read("Format", "BkPic", "", 259);
  const std::string channel = store.Read("URL", "0", "", 259);
  Check(store.Write("Format", "Dir", "up"), "the file can be rewritten");
  Check(store.Read("Format", "Dir", "", 5) == "up", "a written key reads back");
  Check(store.Read("Format", "BkPic", "", 259) == picture, "other keys keep their values", picture);
  Check(store.Read("URL", "0", "", 259) == channel, "other sections keep their values", channel);
  return 0;
}
