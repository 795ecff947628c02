#pragma once

// What the bar's page says, read back from the page file: the model that both desktops draw.
// Every text stays in code page 936, as the page file holds it; the desktops convert once per
// page for their text drawing.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vb {

enum class Heading { kLeft, kRight, kUp, kDown };

inline bool IsVertical(Heading heading) {
  return heading == Heading::kUp || heading == Heading::kDown;
}

// The roll form's timer: which way it turns the groups and how often.
struct RollTimer {
  bool backwards = false;  // rroll: the last lines come to the front
  int periodMs = 0;
};

// What the pointer arriving at or leaving an element does to the scroller. A marquee takes a
// step, a direction, start and stop; the roll form's timer is cleared or replaced.
struct PageAction {
  std::optional<int> step;
  std::optional<Heading> heading;
  bool start = false;
  bool stop = false;
  bool clearRoll = false;
  std::optional<RollTimer> roll;
};

// The head's body style and link colours. Colours stay as written (six hex digits without '#'
// from the settings, or whatever else the settings file held); ParseColour reads them.
struct PageHead {
  int fontPx = 16;
  int lineHeight = 24;
  std::string background;
  std::string picture;  // path or address in url(...), may be empty
  std::string linkColour, visitedColour, hoverColour;
};

// One of the arrow and stop links above the scroller ("< ", the stop sign, " >").
struct PageControl {
  std::string text;
  std::string colour, hoverColour;
  PageAction over, out;
};

struct PageControlBar {
  int left = 20;
  int fontPx = 15;
  std::vector<PageControl> controls;
};

enum class ScrollerForm { kMarquee, kRoll };

struct PageScroller {
  ScrollerForm form = ScrollerForm::kMarquee;
  int left = 72;
  std::optional<int> height;  // the marquee's height, or the roll form's clipped height
  // Marquee.
  Heading heading = Heading::kLeft;
  int step = 6;      // scrollamount
  int delayMs = 85;  // scrollDelay, already raised to the browser minimum without truespeed
  // Roll form: the timer at load and the number of groups one turn moves.
  std::optional<RollTimer> roll;
  int rollLines = 1;
  // The pointer over the scroller's items, and leaving them.
  PageAction over, out;
};

enum class RunKind {
  kText,    // text between the links
  kItem,    // a headline: link, tooltip and visible text
  kNotice,  // the line that says the channel is empty or not configured
  kUpdate,  // part of the update notice
};

struct PageRun {
  RunKind kind = RunKind::kText;
  std::string text;      // visible text, references decoded, blanks as written
  std::string address;   // href as written; empty: not a link
  std::size_t link = 0;  // the link the run belongs to, counted from 1; 0: none
  std::string tooltip;   // title as written, with its line feeds
  // A font colour: for a link's text one inside the link, since the head's link colours win
  // over any around it; empty: the link or body colour.
  std::string colour;
  bool bold = false, italic = false, underline = false;
  int fontPx = 0;          // a font size; 0: the page's
  std::string face;        // a font face; empty: the page's
  bool lineBreak = false;  // a break: no text, the next run starts a new line
};

// One division of the scroller: one line of the vertical and roll forms, one of the lines that
// move sideways together in the horizontal form.
struct PageGroup {
  std::vector<PageRun> runs;
};

struct PageModel {
  PageHead head;
  PageControlBar controlBar;
  PageScroller scroller;
  std::vector<PageGroup> groups;
};

}  // namespace vb
