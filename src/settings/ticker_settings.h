#pragma once

#include <string>

#include "settings/channel_table.h"
#include "settings/profile_store.h"

namespace vb {

class Autostart;

// Every remembered value, held as the text that the settings file stores. The initial values are
// those of a first run.
struct TickerSettings {
  // [Window]
  std::string origX = "0";
  std::string origY = "0";
  std::string width;        // starts as screenWidthText
  std::string fixed = "1";  // DockEdge: "1" top, "0" bottom, empty floating
  std::string autoLoad = "1";
  // [Format]
  std::string mode = "0";  // TransparencyMode: "0" opaque, "1" translucent, "2" colour keyed
  std::string bgColor = "000000";
  std::string txtColor = "ff0000";
  std::string lnkColor = "ff00ff";
  std::string vstColor = "00ff00";
  std::string dir = "left";
  int lineNum = 1;
  int colNum = 2;
  char noDescription = 0;  // 0 or 1
  std::string smooth = "2";
  std::string speed = "30";
  std::string bkPic;
  std::string tFont = "16";
  // [Timer]
  std::string defTimer = "120";
  // [IniFile]
  std::string iniIn;
  std::string iniOut;

  // Derived values, never stored.
  int barWidth = 0;
  int fontSize = 16;
  int rotationPeriod = 120000;  // milliseconds
  std::string savedBgColor = "000000";
  std::string screenWidthText;

  // (FontSize + FontSize / 2) * LineNum pixels.
  int BarHeight() const { return (fontSize + fontSize / 2) * lineNum; }
};

// The colour that the colour-key transparency makes invisible.
inline constexpr const char* kTransparentKeyColor = "123456";

// Sets screenWidthText and barWidth (and the in-memory Width) from the screen's width.
void SetScreenWidth(TickerSettings& settings, int screenWidth);

// No settings file yet: writes MaxFileNo=0, switches autostart on, writes AutoLoad=1 and sets
// the first-run values in memory. `settings` must hold the screen width already.
void SetFirstRunDefaults(const ProfileStore& store, Autostart& autostart, TickerSettings& settings,
                         ChannelTable& table);

// Reads every key in the program's load order with its default, read limit and clamp, including
// the channel count and current index (the entries follow with LoadChannelTable).
void LoadSettings(const ProfileStore& store, TickerSettings& settings, ChannelTable& table);

// The values that the page writes as they stand keep a shape that cannot become markup or
// script: Dir ASCII letters, Smooth, Speed and TFont ASCII digits, the colours ASCII letters and
// digits. A value of another shape takes its default. The last step of LoadSettings.
void KeepPageSafeShapes(TickerSettings& settings);

// rotationPeriod = DefTimer * 1000 (at least one second); done by start-up after either of the
// two above.
void DeriveRotationPeriod(TickerSettings& settings);

}  // namespace vb
