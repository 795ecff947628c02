// The renderer on a channel file, a channel address, a settings file and an update note drawn
// from the input, and the page read back as the bar's own view reads it: the page must hold
// nothing but the frame's own markup, the item lines and the note's allowed markup; links come
// only from item lines, the notice line and the note's web links; a click leaves the bar only
// for a web or mail address; and the background is neither a script address nor another
// machine's share, however CSS escapes are read.
//
// Input: the channel file up to the first NUL (the reader stops there too); after it the
// channel address up to the first LF, then the settings file up to the next NUL, then the note.
// A feed alone renders with the settings' defaults, a plain address and no note.
#include <optional>

#include "fuzz/fuzz_check.h"
#include "pageview/page_links.h"
#include "pageview/page_reader.h"
#include "render/page_render.h"
#include "settings/ticker_settings.h"
#include "support/page_markup.h"

namespace {

using namespace vb::testing::page_markup;
using vb::fuzz::Check;

// The text up to the first `end`, taken off `rest` with the `end`; all of `rest` without one.
std::string Take(std::string_view& rest, char end) {
  const std::string part(rest.substr(0, rest.find(end)));
  rest.remove_prefix(std::min(rest.size(), part.size() + 1));
  return part;
}

void CheckLinks(const vb::PageModel& model) {
  for (const vb::PageGroup& group : model.groups) {
    for (const vb::PageRun& run : group.runs) {
      if (run.address.empty()) continue;
      Check(run.kind != vb::RunKind::kText,
            "links come from item lines, the notice and the update notice", run.address);
      Check(run.kind != vb::RunKind::kUpdate || StartsWithAnyOf(run.address, kWebSchemes),
            "the update notice links to the web only", run.address);
      Check(run.kind != vb::RunKind::kItem || StartsWithAnyOf(run.address, kItemSchemes),
            "items link to the web or to mail only", run.address);
      if (const std::optional<std::string> open = vb::AddressToOpen(run.address)) {
        Check(StartsWithAnyOf(*open, {"http://", "https://", "ftp://", "mailto:"}),
              "a click leaves only for a web or mail address", *open);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  std::string_view rest = vb::fuzz::Text(data, size);
  const bool onlyFeed = rest.find('\0') == std::string_view::npos;
  const std::string feed = Take(rest, '\0');
  const std::string url = onlyFeed ? "http://fuzz.example/feed" : Take(rest, '\n');
  const std::string settingsFile = Take(rest, '\0');

  vb::TickerSettings settings;
  vb::ChannelTable table;
  vb::LoadSettings(vb::ProfileStore(vb::fuzz::ScratchFile("settings.ini", settingsFile)), settings,
                   table);
  vb::PageRenderRequest request = vb::RequestWithDisplayValues(settings);
  request.currentChannel = {vb::fuzz::ScratchFile("channel", feed), url};
  request.pageFile = vb::fuzz::ScratchFile("page.html", "");
  request.updateNotice = std::string(rest);
  vb::RenderChannelPage(request);

  const std::string fault = vb::testing::PageMarkupFault(vb::testing::ReadFile(request.pageFile));
  Check(fault.empty(), "the page holds only the frame's markup", fault);

  const std::optional<vb::PageModel> model = vb::ReadPageFile(request.pageFile);
  Check(model.has_value(), "the page reads back");
  CheckLinks(*model);
  const std::string pictureFault = PictureFault(CssUnescaped(model->head.picture));
  Check(pictureFault.empty(), "the background is a picture on the web or here", pictureFault);
  return 0;
}
