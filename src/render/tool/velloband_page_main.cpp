// velloband-page: renders one channel file into a page, as the bar would, and prints the result.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/page_render.h"
#include "settings/atomic_file.h"
#include "settings/ticker_settings.h"

namespace {

constexpr const char* kUsage =
    "usage: velloband-page [--settings FILE.ini] [--url ADDRESS] [--codepage CP] "
    "[--notice FILE] CHANNEL_FILE PAGE_FILE";

struct Arguments {
  std::optional<std::string> settingsFile;
  std::string url;
  std::string codePage;
  std::optional<std::string> noticeFile;
  std::string channelFile;
  std::string pageFile;
};

std::optional<Arguments> ParseArguments(int argc, char** argv) {
  Arguments args;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.size() > 2 && arg.substr(0, 2) == "--") {
      if (i + 1 >= argc) return std::nullopt;
      const std::string value = argv[++i];
      if (arg == "--settings") {
        args.settingsFile = value;
      } else if (arg == "--url") {
        args.url = value;
      } else if (arg == "--codepage") {
        args.codePage = value;
      } else if (arg == "--notice") {
        args.noticeFile = value;
      } else {
        return std::nullopt;
      }
    } else {
      files.emplace_back(arg);
    }
  }
  if (files.size() != 2) return std::nullopt;
  args.channelFile = files[0];
  args.pageFile = files[1];
  return args;
}

int UsageError(const char* message) {
  std::fprintf(stderr, "velloband-page: %s\n", message);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Arguments> args = ParseArguments(argc, argv);
  if (!args) return UsageError(kUsage);

  vb::TickerSettings settings;  // the first-run values
  if (args->settingsFile) {
    vb::ChannelTable table;
    vb::LoadSettings(vb::ProfileStore(*args->settingsFile), settings, table);
  }
  vb::PageRenderRequest request = vb::RequestWithDisplayValues(settings);
  request.currentChannel = {args->channelFile, args->url};
  request.pageFile = args->pageFile;
  request.codePage = args->codePage;
  if (args->noticeFile && !vb::ReadWholeFile(*args->noticeFile, request.updateNotice)) {
    return UsageError("cannot read the notice file");
  }
  std::printf("%d\n", vb::RenderChannelPage(request));
  return 0;
}
