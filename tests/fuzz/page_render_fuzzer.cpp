// The renderer on a channel file, a settings file and a channel address drawn from the input:
// the page must hold nothing but the frame's own markup.
//
// Input: the channel file up to the first NUL (the reader stops there too); after it the
// channel address up to the first LF, then the settings file. A feed alone renders with the
// settings' defaults and a plain address.
#include "fuzz/fuzz_check.h"
#include "render/page_render.h"
#include "settings/ticker_settings.h"
#include "support/page_markup.h"
#include "support/temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  static const vb::testing::TempFolder folder;
  const std::string_view input = vb::fuzz::Text(data, size);
  const std::size_t nul = input.find('\0');
  const std::string_view rest = nul == std::string_view::npos ? "" : input.substr(nul + 1);
  const std::size_t lf = rest.find('\n');
  const std::string url(nul == std::string_view::npos ? "http://fuzz.example/feed"
                                                      : rest.substr(0, lf));
  const std::string settingsFile(lf == std::string_view::npos ? "" : rest.substr(lf + 1));

  vb::testing::WriteFile(folder.File("channel"), std::string(input.substr(0, nul)));
  vb::testing::WriteFile(folder.File("settings.ini"), settingsFile);
  vb::TickerSettings settings;
  vb::ChannelTable table;
  vb::LoadSettings(vb::ProfileStore(folder.File("settings.ini")), settings, table);
  vb::PageRenderRequest request = vb::RequestWithDisplayValues(settings);
  request.currentChannel = {folder.File("channel"), url};
  request.pageFile = folder.File("page.html");
  vb::RenderChannelPage(request);

  const std::string page = vb::testing::ReadFile(request.pageFile);
  const std::string fault = vb::testing::PageMarkupFault(page);
  vb::fuzz::Check(fault.empty(), "the page holds only the frame's markup", fault);
  return 0;
}
