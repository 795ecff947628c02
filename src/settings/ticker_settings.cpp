#include "settings/ticker_settings.h"

#include "settings/autostart.h"
#include "settings/decimal_text.h"
#include "settings/text_shape.h"

namespace vb {
namespace {

struct KeyName {
  const char* section;
  const char* key;
};

KeyName NameOf(SettingKey key) {
  switch (key) {
    case SettingKey::kOrigX:
      return {"Window", "OrigX"};
    case SettingKey::kOrigY:
      return {"Window", "OrigY"};
    case SettingKey::kWidth:
      return {"Window", "Width"};
    case SettingKey::kFixed:
      return {"Window", "Fixed"};
    case SettingKey::kAutoLoad:
      return {"Window", "AutoLoad"};
    case SettingKey::kMode:
      return {"Format", "Mode"};
    case SettingKey::kBgColor:
      return {"Format", "BgColor"};
    case SettingKey::kTxtColor:
      return {"Format", "TxtColor"};
    case SettingKey::kLnkColor:
      return {"Format", "LnkColor"};
    case SettingKey::kVstColor:
      return {"Format", "VstColor"};
    case SettingKey::kDir:
      return {"Format", "Dir"};
    case SettingKey::kLineNum:
      return {"Format", "LineNum"};
    case SettingKey::kColNum:
      return {"Format", "ColNum"};
    case SettingKey::kSmooth:
      return {"Format", "Smooth"};
    case SettingKey::kSpeed:
      return {"Format", "Speed"};
    case SettingKey::kBkPic:
      return {"Format", "BkPic"};
    case SettingKey::kTFont:
      return {"Format", "TFont"};
    case SettingKey::kDefTimer:
      return {"Timer", "DefTimer"};
    case SettingKey::kIniIn:
      return {"IniFile", "IniIn"};
    case SettingKey::kIniOut:
      return {"IniFile", "IniOut"};
  }
  return {"", ""};
}

const char* FixedText(DockEdge edge) {
  return edge == DockEdge::kTop ? "1" : edge == DockEdge::kBottom ? "0" : "";
}

// "1" top, empty floating; start-up takes any other text as the bottom.
DockEdge DockEdgeFrom(std::string_view text) {
  return text == "1" ? DockEdge::kTop : text.empty() ? DockEdge::kFloating : DockEdge::kBottom;
}

const char* ModeText(TransparencyMode mode) {
  return mode == TransparencyMode::kOpaque        ? "0"
         : mode == TransparencyMode::kTranslucent ? "1"
                                                  : "2";
}

// Any text but "0" and "2" is shown and handled as translucent, as the dialog always did.
TransparencyMode ModeFrom(std::string_view text) {
  return text == "0"   ? TransparencyMode::kOpaque
         : text == "2" ? TransparencyMode::kColourKey
                       : TransparencyMode::kTranslucent;
}

std::string TextOf(const TickerSettings& s, SettingKey key) {
  switch (key) {
    case SettingKey::kOrigX:
      return std::to_string(s.origX);
    case SettingKey::kOrigY:
      return std::to_string(s.origY);
    case SettingKey::kWidth:
      return std::to_string(s.barWidth);
    case SettingKey::kFixed:
      return FixedText(s.dockEdge);
    case SettingKey::kAutoLoad:
      return s.autoLoad ? "1" : "0";
    case SettingKey::kMode:
      return ModeText(s.mode);
    case SettingKey::kBgColor:
      return s.bgColor.text();
    case SettingKey::kTxtColor:
      return s.txtColor.text();
    case SettingKey::kLnkColor:
      return s.lnkColor.text();
    case SettingKey::kVstColor:
      return s.vstColor.text();
    case SettingKey::kDir:
      return s.dir;
    case SettingKey::kLineNum:
      return std::to_string(s.lineNum);
    case SettingKey::kColNum:
      return std::to_string(s.colNum);
    case SettingKey::kSmooth:
      return std::to_string(s.scrollStep);
    case SettingKey::kSpeed:
      return std::to_string(s.scrollPauseMs);
    case SettingKey::kBkPic:
      return s.bkPic;
    case SettingKey::kTFont:
      return std::to_string(s.fontSize);
    case SettingKey::kDefTimer:
      return std::to_string(s.rotationSeconds);
    case SettingKey::kIniIn:
      return s.iniIn;
    case SettingKey::kIniOut:
      return s.iniOut;
  }
  return {};
}

// Reads one key of the table with its read limit.
class KeyReader {
 public:
  explicit KeyReader(const ProfileStore& store) : store_(store) {}
  std::string operator()(SettingKey key, std::string_view fallback, std::size_t limit) const {
    const KeyName name = NameOf(key);
    return store_.Read(name.section, name.key, fallback, limit);
  }
  int Number(SettingKey key, std::string_view fallback, std::size_t limit) const {
    return Atoi((*this)(key, fallback, limit));
  }
  int Bounded(SettingKey key, const limits::Bounds& bounds) const {
    return limits::Take(bounds, (*this)(key, std::to_string(bounds.fallback), bounds.chars)).value;
  }
  PageColour Colour(SettingKey key, const char (&fallback)[7]) const {
    return PageColour::From((*this)(key, fallback, limits::kColourChars))
        .value_or(PageColour(fallback));
  }

 private:
  const ProfileStore& store_;
};

// The direction as the page writes it: ASCII letters; nullopt otherwise.
std::optional<std::string> DirectionFrom(std::string_view text) {
  if (!IsAsciiLetters(text)) return std::nullopt;
  return std::string(text);
}

}  // namespace

ProfileChanges& AddSettingKeys(ProfileChanges& changes, const TickerSettings& settings,
                               std::initializer_list<SettingKey> keys) {
  for (const SettingKey key : keys) {
    const KeyName name = NameOf(key);
    changes.Set(name.section, name.key, TextOf(settings, key));
  }
  return changes;
}

bool WriteSettingKeys(const ProfileStore& store, const TickerSettings& settings,
                      std::initializer_list<SettingKey> keys) {
  ProfileChanges changes;
  return store.Write(AddSettingKeys(changes, settings, keys));
}

void SetScreenWidth(TickerSettings& settings, int screenWidth) {
  settings.screenWidth = screenWidth;
  settings.barWidth = screenWidth;
}

bool SetFirstRunDefaults(const ProfileStore& store, Autostart& autostart, TickerSettings& settings,
                         ChannelTable& table) {
  // A program that cannot be started with the session says so in the configuration dialog.
  const bool autoLoad = autostart.Set(true);
  const int screenWidth = settings.screenWidth;
  settings = TickerSettings();
  SetScreenWidth(settings, screenWidth);
  settings.autoLoad = autoLoad;
  table = ChannelTable();
  ProfileChanges changes;
  changes.Set("FileNo", "MaxFileNo", std::to_string(table.count));
  return store.Write(AddSettingKeys(changes, settings, {SettingKey::kAutoLoad}));
}

void LoadSettings(const ProfileStore& store, TickerSettings& s, ChannelTable& table) {
  using K = SettingKey;
  const KeyReader read(store);
  s.origX = read.Number(K::kOrigX, "0", limits::kPositionChars);
  s.origY = read.Number(K::kOrigY, "0", limits::kPositionChars);
  s.barWidth = read.Number(K::kWidth, std::to_string(s.screenWidth), limits::kPositionChars);
  s.dockEdge = DockEdgeFrom(read(K::kFixed, "", limits::kFlagChars));
  s.autoLoad = read(K::kAutoLoad, "0", limits::kFlagChars) == "1";

  s.mode = ModeFrom(read(K::kMode, "0", limits::kFlagChars));
  s.bgColor =
      s.mode == TransparencyMode::kColourKey ? kKeyedOutColour : read.Colour(K::kBgColor, "000000");
  s.txtColor = read.Colour(K::kTxtColor, "ff0000");
  s.lnkColor = read.Colour(K::kLnkColor, "ff00ff");
  s.vstColor = read.Colour(K::kVstColor, "00ff00");
  s.dir = DirectionFrom(read(K::kDir, "left", limits::kDirChars)).value_or("left");
  s.lineNum = limits::LineCount(read.Number(K::kLineNum, "1", limits::kCountChars));
  s.colNum = limits::LineCount(read.Number(K::kColNum, "1", limits::kCountChars));
  s.noDescription = Atoi(store.Read("Format", "NoDescription", "0", limits::kFlagChars)) != 0;

  table.count =
      limits::ChannelCount(Atoi(store.Read("FileNo", "MaxFileNo", "0", limits::kCountChars)));
  table.current = limits::ChannelIndex(
      Atoi(store.Read("FileNo", "CurrentFileNo", "0", limits::kCountChars)), table.count);

  s.scrollStep = read.Bounded(K::kSmooth, limits::kScrollStep);
  s.scrollPauseMs = read.Bounded(K::kSpeed, limits::kScrollPause);
  s.bkPic = read(K::kBkPic, "", limits::kPathChars);
  s.fontSize = read.Bounded(K::kTFont, limits::kFontSize);
  s.rotationSeconds = read.Number(K::kDefTimer, "120", limits::kSecondsChars);
  s.iniIn = read(K::kIniIn, "", limits::kPathChars);
  s.iniOut = read(K::kIniOut, "", limits::kPathChars);
}

}  // namespace vb
