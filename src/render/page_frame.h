#pragma once

#include <string>
#include <string_view>

#include "render/channel_options.h"
#include "render/page_render.h"

namespace vb {

// The frame form that the first character of the effective direction selects.
enum class FrameForm {
  kRoll,        // "n": no marquee, a script moves whole lines
  kHorizontal,  // "l" or "r"
  kVertical,    // "u" or "d"
  kOther,       // anything else: a marquee without a height
};

FrameForm FrameFormOf(std::string_view dir);

// floor(3 * TFont / 2) pixels, TFont read as a decimal number.
long long LineHeight(std::string_view tFont);

// The pieces of the page around the item lines, in the order they are written.
std::string ComposeHead(const PageRenderRequest& request);
std::string ComposeControlBar(const ChannelOptions& options, long long blockHeight);
std::string ComposeScrollerOpening(const ChannelOptions& options, long long blockHeight);
std::string ComposeNoticeLine(std::string_view address);
std::string ComposeClosing(const ChannelOptions& options, int lineNum);

}  // namespace vb
