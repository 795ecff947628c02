// A channel address on its ways out: the address a worker fetches, the option values the page
// writes, which must keep their shape, and the notice line's link in the page.
#include "fetch/download_address.h"
#include "fuzz/fuzz_check.h"
#include "render/channel_options.h"
#include "render/page_frame.h"
#include "settings/channel_table.h"
#include "settings/text_shape.h"
#include "support/page_markup.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string_view url = vb::fuzz::Text(data, size);
  using vb::fuzz::Check;
  const std::string_view plain = url.substr(0, url.find(" vbco"));
  const std::string fetched = vb::DownloadAddress(url);
  Check(fetched == plain || (fetched.size() <= vb::kUrlLimit && fetched.starts_with("http://") &&
                             fetched.find(plain) != std::string::npos),
        "fetched as written or through the service, without the suffix", fetched);

  const vb::ChannelOptions o = vb::ParseChannelOptions(url, "left", "2", "30", 1, 0);
  const std::string_view held = url.substr(0, vb::kUrlLimit);
  Check(o.address == held.substr(0, held.find(" vbco")), "the address ends at the suffix");
  Check(!o.dir.empty() && vb::IsAsciiLetters(o.dir), "direction is letters", o.dir);
  Check(!o.smooth.empty() && vb::IsAsciiDigits(o.smooth), "step is digits", o.smooth);
  Check(!o.speed.empty() && vb::IsAsciiDigits(o.speed), "delay is digits", o.speed);
  Check(o.noDescription == 0 || o.noDescription == 1, "description flag is 0 or 1");

  const std::string line = vb::ComposeNoticeLine(o.address);
  const std::string fault = vb::testing::PageMarkupFault(line);
  Check(fault.empty(), "the notice line is only the frame's markup", fault);
  return 0;
}
