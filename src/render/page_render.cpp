#include "render/page_render.h"

#include <new>

#include "render/channel_options.h"
#include "render/channel_text.h"
#include "render/item_lines.h"
#include "render/note_markup.h"
#include "render/page_file.h"
#include "render/page_frame.h"

namespace vb {
namespace {

// Writes the items, or the notice line when there are none; the result before the page is closed.
int WriteBody(const PageRenderRequest& request, const ChannelOptions& options, PageFile& page) {
  const std::string notice = ComposeNoticeLine(options.address);
  std::optional<std::string> text = LoadChannelText(request.currentChannel.path, request.codePage);
  if (!text) {
    page.Write(notice);
    return -1;
  }
  const std::optional<int> itemCount = WriteItemLines(*text, page, options.dir, options.colNum,
                                                      options.noDescription, request.lineNum);
  if (!itemCount) {
    page.Write(notice);
    return 0;
  }
  if (*itemCount == 0) page.Write(notice);
  page.Write(ComposeClosing(options, request.lineNum));
  return *itemCount;
}

}  // namespace

PageRenderRequest RequestWithDisplayValues(const TickerSettings& s) {
  PageRenderRequest request;
  request.bgColor = s.bgColor.text();
  request.txtColor = s.txtColor.text();
  request.vstColor = s.vstColor.text();
  request.lnkColor = s.lnkColor.text();
  request.dir = s.dir;
  request.lineNum = s.lineNum;
  request.colNum = s.colNum;
  request.smooth = std::to_string(s.scrollStep);
  request.speed = std::to_string(s.scrollPauseMs);
  request.bkPic = s.bkPic;
  request.tFont = std::to_string(s.fontSize);
  request.noDescription = s.noDescription ? 1 : 0;
  return request;
}

namespace {

// Everything ahead of the items: head, control bar, scroller opening and the update notice.
void WriteFrameOpening(const PageRenderRequest& request, const ChannelOptions& options,
                       PageFile& page) {
  const long long blockHeight = LineHeight(request.tFont) * request.lineNum;
  page.Write(ComposeHead(request));
  page.Write(ComposeControlBar(options, blockHeight));
  page.Write(ComposeScrollerOpening(options, blockHeight));
  page.Write(AllowedNoteMarkup(request.updateNotice));
}

int WritePage(const PageRenderRequest& request, const ChannelOptions& options) {
  PageFile page;
  if (!page.Open(request.pageFile)) return -1;
  WriteFrameOpening(request, options, page);
  const int result = WriteBody(request, options, page);
  // A page that did not reach the disk whole shows nothing the caller can count on.
  return page.Close() ? result : -1;
}

// The page of a channel that cannot be read, for when memory ran out on the way.
void WriteUnreadablePage(const PageRenderRequest& request, const ChannelOptions& options) {
  PageFile page;
  if (!page.Open(request.pageFile)) return;
  WriteFrameOpening(request, options, page);
  page.Write(ComposeNoticeLine(options.address));
}

}  // namespace

int RenderChannelPage(const PageRenderRequest& request) {
  try {
    const ChannelOptions options =
        ParseChannelOptions(request.currentChannel.url, request.dir, request.smooth, request.speed,
                            request.colNum, request.noDescription);
    try {
      return WritePage(request, options);
    } catch (const std::bad_alloc&) {
      WriteUnreadablePage(request, options);
    }
  } catch (const std::bad_alloc&) {
    // Not even the short page fits: the caller still learns that the render failed.
  }
  return -1;
}

}  // namespace vb
