// The option suffix parser on any address: the address is the text before the first " vbco",
// and every value the page writes keeps its shape.
#include "fuzz/fuzz_check.h"
#include "render/channel_options.h"
#include "settings/channel_table.h"
#include "settings/text_shape.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string_view url = vb::fuzz::Text(data, size);
  const vb::ChannelOptions o = vb::ParseChannelOptions(url, "left", "2", "30", 1, 0);
  using vb::fuzz::Check;
  const std::string_view held = url.substr(0, vb::kUrlLimit);
  Check(o.address == held.substr(0, held.find(" vbco")), "the address ends at the suffix");
  Check(!o.dir.empty() && vb::IsAsciiLetters(o.dir), "direction is letters", o.dir);
  Check(!o.smooth.empty() && vb::IsAsciiDigits(o.smooth), "step is digits", o.smooth);
  Check(!o.speed.empty() && vb::IsAsciiDigits(o.speed), "delay is digits", o.speed);
  Check(o.noDescription == 0 || o.noDescription == 1, "description flag is 0 or 1");
  return 0;
}
