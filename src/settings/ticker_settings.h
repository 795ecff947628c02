#pragma once

#include <initializer_list>
#include <string>

#include "settings/channel_table.h"
#include "settings/page_colour.h"
#include "settings/profile_store.h"
#include "settings/setting_limits.h"

namespace vb {

class Autostart;

enum class DockEdge { kFloating, kTop, kBottom };

enum class TransparencyMode {
  kOpaque,
  kTranslucent,
  kColourKey,  // the page background takes kKeyedOutColour, which the bar makes invisible
};

// The page colour that the colour-key transparency makes invisible.
inline const PageColour kKeyedOutColour{"123456"};

// Every remembered value, read and clamped once. The initial values are those of a first run.
struct TickerSettings {
  // [Window]
  int origX = 0;  // the floating bar's top left corner
  int origY = 0;
  int barWidth = 0;                    // Width; starts as the screen's width
  DockEdge dockEdge = DockEdge::kTop;  // Fixed
  bool autoLoad = true;
  // [Format]
  TransparencyMode mode = TransparencyMode::kOpaque;
  PageColour bgColor{"000000"};
  PageColour txtColor{"ff0000"};
  PageColour lnkColor{"ff00ff"};
  PageColour vstColor{"00ff00"};
  std::string dir = "left";  // ASCII letters: "left", "right", "up", "down" or "no"
  int lineNum = 1;
  int colNum = 2;
  bool noDescription = false;
  int scrollStep = 2;      // Smooth: pixels a scroll step moves
  int scrollPauseMs = 30;  // Speed: the pause between scroll steps
  std::string bkPic;
  int fontSize = 16;  // TFont
  // [Timer]
  int rotationSeconds = 120;  // DefTimer
  // [IniFile]
  std::string iniIn;
  std::string iniOut;

  // Never stored.
  int screenWidth = 0;
  PageColour savedBgColor{"000000"};  // the user's background while it is keyed out

  int RotationPeriodMs() const { return limits::RotationPeriodMs(rotationSeconds); }
  // (FontSize + FontSize / 2) * LineNum pixels.
  int BarHeight() const { return (fontSize + fontSize / 2) * lineNum; }
};

// The settings file's keys, for writers to name what they store.
enum class SettingKey {
  kOrigX,
  kOrigY,
  kWidth,
  kFixed,
  kAutoLoad,
  kMode,
  kBgColor,
  kTxtColor,
  kLnkColor,
  kVstColor,
  kDir,
  kLineNum,
  kColNum,
  kSmooth,
  kSpeed,
  kBkPic,
  kTFont,
  kDefTimer,
  kIniIn,
  kIniOut,
};

// The keys' values as the settings file holds them, added in the order given.
ProfileChanges& AddSettingKeys(ProfileChanges& changes, const TickerSettings& settings,
                               std::initializer_list<SettingKey> keys);

// Writes the keys as one change of the file; false when it could not be written.
bool WriteSettingKeys(const ProfileStore& store, const TickerSettings& settings,
                      std::initializer_list<SettingKey> keys);

// Sets the screen width, and the bar's width from it.
void SetScreenWidth(TickerSettings& settings, int screenWidth);

// No settings file yet: switches autostart on, writes MaxFileNo=0 and AutoLoad as one change and
// sets the first-run values in memory. `settings` must hold the screen width already. False when
// the file could not be written.
bool SetFirstRunDefaults(const ProfileStore& store, Autostart& autostart, TickerSettings& settings,
                         ChannelTable& table);

// Reads every key in the program's load order with its default, read limit and clamp, including
// the channel count and current index (the entries follow with LoadChannelTable). A value that
// the page writes as it stands and that has a shape which could become markup or script takes
// its default.
void LoadSettings(const ProfileStore& store, TickerSettings& settings, ChannelTable& table);

}  // namespace vb
