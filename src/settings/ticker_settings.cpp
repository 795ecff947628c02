#include "settings/ticker_settings.h"

#include <iterator>

#include "settings/autostart.h"
#include "settings/decimal_text.h"
#include "settings/text_shape.h"

namespace vb {
namespace {

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

struct KeyEntry {
  const char* section;
  const char* name;
  std::string (*text)(const TickerSettings&);  // the value as the file holds it
};

// In the order of SettingKey.
constexpr KeyEntry kKeys[] = {
    {"Window", "OrigX", [](const TickerSettings& s) { return std::to_string(s.origX); }},
    {"Window", "OrigY", [](const TickerSettings& s) { return std::to_string(s.origY); }},
    {"Window", "Width", [](const TickerSettings& s) { return std::to_string(s.barWidth); }},
    {"Window", "Fixed", [](const TickerSettings& s) { return std::string(FixedText(s.dockEdge)); }},
    {"Window", "AutoLoad",
     [](const TickerSettings& s) { return std::string(s.autoLoad ? "1" : "0"); }},
    {"Format", "Mode", [](const TickerSettings& s) { return std::string(ModeText(s.mode)); }},
    {"Format", "BgColor", [](const TickerSettings& s) { return s.bgColor.text(); }},
    {"Format", "TxtColor", [](const TickerSettings& s) { return s.txtColor.text(); }},
    {"Format", "LnkColor", [](const TickerSettings& s) { return s.lnkColor.text(); }},
    {"Format", "VstColor", [](const TickerSettings& s) { return s.vstColor.text(); }},
    {"Format", "Dir", [](const TickerSettings& s) { return s.dir; }},
    {"Format", "LineNum", [](const TickerSettings& s) { return std::to_string(s.lineNum); }},
    {"Format", "ColNum", [](const TickerSettings& s) { return std::to_string(s.colNum); }},
    {"Format", "Smooth", [](const TickerSettings& s) { return std::to_string(s.scrollStep); }},
    {"Format", "Speed", [](const TickerSettings& s) { return std::to_string(s.scrollPauseMs); }},
    {"Format", "BkPic", [](const TickerSettings& s) { return s.bkPic; }},
    {"Format", "TFont", [](const TickerSettings& s) { return std::to_string(s.fontSize); }},
    {"Timer", "DefTimer",
     [](const TickerSettings& s) { return std::to_string(s.rotationSeconds); }},
    {"IniFile", "IniIn", [](const TickerSettings& s) { return s.iniIn; }},
    {"IniFile", "IniOut", [](const TickerSettings& s) { return s.iniOut; }},
};
static_assert(std::size(kKeys) == static_cast<std::size_t>(SettingKey::kIniOut) + 1);

const KeyEntry& EntryOf(SettingKey key) {
  return kKeys[static_cast<std::size_t>(key)];
}

// Reads one key of the table with its read limit.
class KeyReader {
 public:
  explicit KeyReader(const ProfileStore& store) : store_(store) {}
  std::string operator()(SettingKey key, std::string_view fallback, std::size_t limit) const {
    const KeyEntry& entry = EntryOf(key);
    return store_.Read(entry.section, entry.name, fallback, limit);
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
    const KeyEntry& entry = EntryOf(key);
    changes.Set(entry.section, entry.name, entry.text(settings));
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
