// The page view on any page text: reading, layout, motion, pointer and clicks never crash or
// overrun, and the motion never asks for a step that is already due (a desktop's timer would spin).
#include "fuzz/fuzz_check.h"
#include "pageview/page_reader.h"
#include "pageview/page_view.h"

namespace {

// Every byte as wide as the font's half, as a fixed-width face gives.
struct HalfWidthMeasure : vb::TextMeasure {
  int Width(std::string_view text, const vb::TextStyle& style) override {
    return static_cast<int>(std::min<std::size_t>(text.size(), 1 << 20)) * (style.fontPx / 2);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  HalfWidthMeasure measure;
  vb::PageView view;
  std::int64_t now = 1000;
  view.Show(vb::ReadPage(vb::fuzz::Text(data, size)), measure, 800, 48, now);
  for (int turn = 0; turn < 40; ++turn) {
    now += 37;
    view.Advance(now);
    if (const auto next = view.NextStepAt())
      vb::fuzz::Check(*next > now, "the next step lies ahead");
    const int x = (turn * 97) % 820 - 10, y = (turn * 13) % 60 - 6;
    view.PointerAt(x, y, now);
    if (turn % 7 == 3) view.Click(x, y);
    if (turn % 11 == 5) view.PointerLeft(now);
    for (const vb::StripPiece& piece : view.Pieces()) {
      vb::fuzz::Check(piece.from.width >= 0 && piece.from.height >= 0, "pieces have a size");
    }
  }
  view.Resize(measure, 300, 24);
  view.Advance(now + 5000);
  return 0;
}
