#pragma once

#include <climits>
#include <cstddef>
#include <string_view>

// Where each remembered number may lie and how many characters of each value are kept: the one
// place that loading the settings file and the configuration dialog's Apply both go through.
namespace vb::limits {

// Characters kept of a value read from the file or typed into a field.
inline constexpr std::size_t kPositionChars = 4;  // OrigX, OrigY, Width
inline constexpr std::size_t kFlagChars = 1;      // Fixed, AutoLoad, Mode, NoDescription
inline constexpr std::size_t kColourChars = 6;
inline constexpr std::size_t kDirChars = 5;
inline constexpr std::size_t kScrollChars = 4;   // Smooth, Speed
inline constexpr std::size_t kCountChars = 2;    // LineNum, ColNum, TFont, MaxFileNo, CurrentFileNo
inline constexpr std::size_t kSecondsChars = 4;  // DefTimer
inline constexpr std::size_t kPathChars = 259;   // BkPic, IniIn, IniOut

inline constexpr int kMaxChannels = 10;
inline constexpr int kMaxLines = 10;

// A number that the page writes: kept within [low, high]; one in range whose text is not plain
// digits ("2+x") could become script in the page and takes the fallback.
struct Bounds {
  std::size_t chars;
  int low;
  int high;
  int fallback;
};
inline constexpr Bounds kScrollStep{kScrollChars, 1, INT_MAX, 2};     // Smooth, pixels a step
inline constexpr Bounds kScrollPause{kScrollChars, 20, INT_MAX, 30};  // Speed, ms between steps
inline constexpr Bounds kFontSize{kCountChars, 12, 50, 16};           // TFont, pixels

struct Taken {
  int value;
  bool clamped;  // the value is a bound rather than what the text said
};
Taken Take(const Bounds& bounds, std::string_view text);

// LineNum and ColNum, compared as unsigned: 0 becomes 1, and above 10, every negative value
// included, becomes 10.
int LineCount(int value);

// MaxFileNo: 0 to kMaxChannels.
int ChannelCount(int value);

// CurrentFileNo: an index of the table, else 0.
int ChannelIndex(int value, int count);

// DefTimer as the configuration dialog takes it: at least ten seconds.
inline constexpr int kLeastTypedSeconds = 10;

// The rotation period for DefTimer seconds. A hand-edited DefTimer of zero or below gives one
// second: a period of zero would render and download without pause.
int RotationPeriodMs(int seconds);

}  // namespace vb::limits
