// A channel address on its two ways out: the address a worker fetches, and the notice line's
// link in the page.
#include "fetch/download_address.h"
#include "fuzz/fuzz_check.h"
#include "render/channel_options.h"
#include "render/page_frame.h"
#include "settings/channel_table.h"
#include "support/page_markup.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string_view url = vb::fuzz::Text(data, size);
  using vb::fuzz::Check;
  const std::string_view plain = url.substr(0, url.find(" vbco"));
  const std::string fetched = vb::DownloadAddress(url);
  Check(fetched == plain || (fetched.size() <= vb::kUrlLimit && fetched.starts_with("http://") &&
                             fetched.find(plain) != std::string::npos),
        "fetched as written or through the service, without the suffix", fetched);

  const vb::ChannelOptions options = vb::ParseChannelOptions(url, "left", "2", "30", 1, 0);
  const std::string line = vb::ComposeNoticeLine(options.address);
  const std::string fault = vb::testing::PageMarkupFault(line);
  Check(fault.empty(), "the notice line is only the frame's markup", fault);
  return 0;
}
