#include "settings/ticker_settings.h"

#include "settings/autostart.h"
#include "settings/decimal_text.h"
#include "settings/text_shape.h"

namespace vb {
namespace {

// Counts entered as text: compared as unsigned, so 0 becomes 1 and negatives join the large
// values at 10.
int ClampCount(int value) {
  const auto asUnsigned = static_cast<unsigned>(value);
  if (asUnsigned == 0) return 1;
  return asUnsigned > 10 ? 10 : value;
}

// `value` unless `hasShape` rejects it, in which case `fallback`.
void KeepShape(std::string& value, bool (*hasShape)(std::string_view), const char* fallback) {
  if (!hasShape(value)) value = fallback;
}

void KeepDecimal(std::string& value, const char* fallback) {
  if (value.empty() || !IsAsciiDigits(value)) value = fallback;
}

}  // namespace

void KeepPageSafeShapes(TickerSettings& s) {
  KeepShape(s.dir, IsAsciiLetters, "left");
  KeepDecimal(s.smooth, "2");
  KeepDecimal(s.speed, "30");
  KeepDecimal(s.tFont, "16");
  KeepShape(s.bgColor, IsAsciiLettersOrDigits, "000000");
  KeepShape(s.txtColor, IsAsciiLettersOrDigits, "ff0000");
  KeepShape(s.vstColor, IsAsciiLettersOrDigits, "00ff00");
  KeepShape(s.lnkColor, IsAsciiLettersOrDigits, "ff00ff");
}

void SetScreenWidth(TickerSettings& settings, int screenWidth) {
  settings.screenWidthText = std::to_string(screenWidth);
  settings.width = settings.screenWidthText;
  settings.barWidth = screenWidth;
}

void SetFirstRunDefaults(const ProfileStore& store, Autostart& autostart, TickerSettings& settings,
                         ChannelTable& table) {
  table.count = 0;
  table.current = 0;
  store.Write("FileNo", "MaxFileNo", std::to_string(table.count));
  // A program that cannot be started with the session says so in the configuration dialog.
  settings.autoLoad = autostart.Set(true) ? "1" : "0";
  store.Write("Window", "AutoLoad", settings.autoLoad);

  settings.origX = "0";
  settings.origY = "0";
  settings.width = settings.screenWidthText;
  settings.barWidth = Atoi(settings.width);
  settings.defTimer = "120";
  settings.bgColor = "000000";
  settings.txtColor = "ff0000";
  settings.vstColor = "00ff00";
  settings.lnkColor = "ff00ff";
  settings.dir = "left";
  settings.smooth = "2";
  settings.speed = "30";
  settings.tFont = "16";
}

void LoadSettings(const ProfileStore& store, TickerSettings& s, ChannelTable& table) {
  s.origX = store.Read("Window", "OrigX", "0", 4);
  s.origY = store.Read("Window", "OrigY", "0", 4);
  s.width = store.Read("Window", "Width", s.screenWidthText, 4);
  s.barWidth = Atoi(s.width);
  s.fixed = store.Read("Window", "Fixed", "", 1);
  s.autoLoad = store.Read("Window", "AutoLoad", "0", 1);

  s.mode = store.Read("Format", "Mode", "0", 1);
  s.bgColor = s.mode == "2" ? kTransparentKeyColor : store.Read("Format", "BgColor", "000000", 6);
  s.txtColor = store.Read("Format", "TxtColor", "ff0000", 6);
  s.lnkColor = store.Read("Format", "LnkColor", "ff00ff", 6);
  s.vstColor = store.Read("Format", "VstColor", "00ff00", 6);
  s.dir = store.Read("Format", "Dir", "left", 5);
  s.lineNum = ClampCount(Atoi(store.Read("Format", "LineNum", "1", 2)));
  s.colNum = ClampCount(Atoi(store.Read("Format", "ColNum", "1", 2)));
  s.noDescription = Atoi(store.Read("Format", "NoDescription", "0", 1)) != 0 ? 1 : 0;

  const int count = Atoi(store.Read("FileNo", "MaxFileNo", "0", 2));
  table.count = count < 0 ? 0 : (count > kMaxChannels ? kMaxChannels : count);
  const int current = Atoi(store.Read("FileNo", "CurrentFileNo", "0", 2));
  table.current = current < 0 || current >= table.count ? 0 : current;

  s.smooth = store.Read("Format", "Smooth", "2", 4);
  if (Atoi(s.smooth) < 1) s.smooth = "1";
  s.speed = store.Read("Format", "Speed", "30", 4);
  if (Atoi(s.speed) < 20) s.speed = "20";
  s.bkPic = store.Read("Format", "BkPic", "", 259);
  s.tFont = store.Read("Format", "TFont", "16", 2);
  s.fontSize = Atoi(s.tFont);
  if (s.fontSize < 12) {
    s.tFont = "12";
    s.fontSize = 12;
  } else if (s.fontSize > 50) {
    s.tFont = "50";
    s.fontSize = 50;
  }
  s.defTimer = store.Read("Timer", "DefTimer", "120", 4);
  s.iniIn = store.Read("IniFile", "IniIn", "", 259);
  s.iniOut = store.Read("IniFile", "IniOut", "", 259);
  KeepPageSafeShapes(s);
}

void DeriveRotationPeriod(TickerSettings& settings) {
  // A hand-edited DefTimer of zero or below would make the rotation render and download
  // without pause.
  const int seconds = Atoi(settings.defTimer);
  settings.rotationPeriod = (seconds < 1 ? 1 : seconds) * 1000;
}

}  // namespace vb
