#include "ticker/bar_transparency.h"

namespace vb {

namespace {

constexpr int kStartupAlpha = 155;
constexpr int kCommandAlpha = 150;

}  // namespace

void BarTransparency::ApplyAtStartup() {
  if (!bar_.LayeredWindowsAvailable() || Mode() == TransparencyMode::kOpaque) return;
  bar_.SetBarLayered(true);
  if (Mode() == TransparencyMode::kTranslucent) {
    bar_.SetBarTransparency(Transparency::Opacity(kStartupAlpha));
  } else {
    bar_.SetBarTransparency(Transparency::ColourKey(kColourKey));
  }
}

void BarTransparency::SetMode(TransparencyMode mode) {
  settings_.mode = mode;
  // A lost write leaves the mode for this run; nothing tells the user.
  WriteSettingKeys(store_, settings_, {SettingKey::kMode});
}

void BarTransparency::MakeFullyTransparent() {
  if (Mode() == TransparencyMode::kColourKey || !bar_.LayeredWindowsAvailable()) return;
  bar_.SetBarLayered(true);
  bar_.SetBarTransparency(Transparency::ColourKey(kColourKey));
  bar_.RedrawBar();
  settings_.savedBgColor = settings_.bgColor;
  settings_.bgColor = kKeyedOutColour;
  dialogs_.ShowTransparency(TransparencyMode::kColourKey);
  // The page background becomes the key colour and so vanishes.
  rotation_.Step();
  SetMode(TransparencyMode::kColourKey);
}

void BarTransparency::MakeTranslucent() {
  if (Mode() == TransparencyMode::kTranslucent || !bar_.LayeredWindowsAvailable()) return;
  bar_.SetBarLayered(true);
  bar_.SetBarTransparency(Transparency::Opacity(kCommandAlpha));
  bar_.RedrawBar();
  dialogs_.ShowTransparency(TransparencyMode::kTranslucent);
  if (Mode() == TransparencyMode::kColourKey) {
    settings_.bgColor = settings_.savedBgColor;
    rotation_.Step();
  }
  SetMode(TransparencyMode::kTranslucent);
}

void BarTransparency::MakeOpaque() {
  if (Mode() == TransparencyMode::kOpaque) return;
  bar_.SetBarLayered(false);
  bar_.RedrawBar();
  dialogs_.ShowTransparency(TransparencyMode::kOpaque);
  if (Mode() == TransparencyMode::kColourKey) {
    settings_.bgColor = settings_.savedBgColor;
    rotation_.Step();
  }
  SetMode(TransparencyMode::kOpaque);
}

IconColours BarTransparency::IconControlColours() const {
  if (Mode() == TransparencyMode::kColourKey) return {kColourKey, 0x00FF00};
  return {0x000000, 0xFFFF00};
}

}  // namespace vb
