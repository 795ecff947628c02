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
#include <strings.h>

#include <optional>

#include "fuzz/fuzz_check.h"
#include "pageview/page_links.h"
#include "pageview/page_reader.h"
#include "render/page_render.h"
#include "settings/ticker_settings.h"
#include "support/page_markup.h"
#include "support/temp_folder.h"

namespace {

bool StartsWithAny(std::string_view text, std::initializer_list<std::string_view> starts) {
  for (std::string_view start : starts) {
    if (text.size() >= start.size() && strncasecmp(text.data(), start.data(), start.size()) == 0)
      return true;
  }
  return false;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') return (c | 0x20) - 'a' + 10;
  return -1;
}

// The address as CSS reads a url(...): "\" and up to six hex digits (and one blank after them)
// is that character, "\" and any other character is that character.
std::string CssUnescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    std::size_t digits = 0;
    long code = 0;
    while (digits < 6 && i + 1 + digits < text.size() && HexValue(text[i + 1 + digits]) >= 0) {
      code = code * 16 + HexValue(text[i + 1 + digits]);
      ++digits;
    }
    if (digits == 0) {
      out += text[++i];
      continue;
    }
    out += code > 0 && code < 0x80 ? static_cast<char>(code) : '?';
    i += digits;
    if (i + 1 < text.size() && (text[i + 1] == ' ' || text[i + 1] == '\t' || text[i + 1] == '\n'))
      ++i;
  }
  return out;
}

void CheckLinks(const vb::PageModel& model) {
  for (const vb::PageGroup& group : model.groups) {
    for (const vb::PageRun& run : group.runs) {
      if (run.address.empty()) continue;
      vb::fuzz::Check(run.kind != vb::RunKind::kText,
                      "links come from item lines, the notice and the update notice", run.address);
      if (run.kind == vb::RunKind::kUpdate) {
        vb::fuzz::Check(StartsWithAny(run.address, {"http://", "https://"}),
                        "the update notice links to the web only", run.address);
      }
      if (run.kind == vb::RunKind::kItem) {
        vb::fuzz::Check(
            StartsWithAny(run.address, {"http://", "https://", "ftp://", "mailto:", "about:blank"}),
            "items link to the web or to mail only", run.address);
      }
      if (const std::optional<std::string> open = vb::AddressToOpen(run.address)) {
        vb::fuzz::Check(StartsWithAny(*open, {"http://", "https://", "ftp://", "mailto:"}),
                        "a click leaves only for a web or mail address", *open);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  static const vb::testing::TempFolder folder;
  const std::string_view input = vb::fuzz::Text(data, size);
  const std::size_t nul = input.find('\0');
  const std::string_view rest = nul == std::string_view::npos ? "" : input.substr(nul + 1);
  const std::size_t lf = rest.find('\n');
  const std::string url(nul == std::string_view::npos ? "http://fuzz.example/feed"
                                                      : rest.substr(0, lf));
  const std::string_view tail = lf == std::string_view::npos ? "" : rest.substr(lf + 1);
  const std::size_t noteAt = tail.find('\0');
  const std::string settingsFile(tail.substr(0, noteAt));
  const std::string note(noteAt == std::string_view::npos ? "" : tail.substr(noteAt + 1));

  vb::testing::WriteFile(folder.File("channel"), std::string(input.substr(0, nul)));
  vb::testing::WriteFile(folder.File("settings.ini"), settingsFile);
  vb::TickerSettings settings;
  vb::ChannelTable table;
  vb::LoadSettings(vb::ProfileStore(folder.File("settings.ini")), settings, table);
  vb::PageRenderRequest request = vb::RequestWithDisplayValues(settings);
  request.currentChannel = {folder.File("channel"), url};
  request.pageFile = folder.File("page.html");
  request.updateNotice = note;
  vb::RenderChannelPage(request);

  const std::string page = vb::testing::ReadFile(request.pageFile);
  const std::string fault = vb::testing::PageMarkupFault(page);
  vb::fuzz::Check(fault.empty(), "the page holds only the frame's markup", fault);

  const std::optional<vb::PageModel> model = vb::ReadPageFile(request.pageFile);
  vb::fuzz::Check(model.has_value(), "the page reads back");
  CheckLinks(*model);
  const std::string picture = CssUnescaped(model->head.picture);
  const std::string pictureFault = vb::testing::page_markup::PictureFault(picture);
  vb::fuzz::Check(pictureFault.empty(), "the background is a picture on the web or here",
                  pictureFault);
  return 0;
}
