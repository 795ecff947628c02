#include "dialogs/transparency_ticks.h"
#include "ticker/ticker_window.h"

namespace vb {

namespace {

constexpr int kCommandAlpha = 150;

}  // namespace

TransparencyMode TickerWindow::Mode() const {
  return settings_.mode;
}

void TickerWindow::SetMode(TransparencyMode mode) {
  settings_.mode = mode;
  // A lost write leaves the mode for this run; nothing tells the user.
  WriteSettingKeys(store_, settings_, {SettingKey::kMode});
}

void TickerWindow::RetickConfigDialog(TransparencyMode mode) {
  if (configDialog_ != nullptr) RetickTransparency(*configDialog_, mode);
}

void TickerWindow::MakeFullyTransparent() {
  if (Mode() == TransparencyMode::kColourKey || !desktop_.LayeredWindowsAvailable()) return;
  desktop_.SetBarLayered(true);
  desktop_.SetBarTransparency(Transparency::ColourKey(kColourKey));
  desktop_.RedrawBar();
  settings_.savedBgColor = settings_.bgColor;
  settings_.bgColor = kKeyedOutColour;
  RetickConfigDialog(TransparencyMode::kColourKey);
  // The page background becomes the key colour and so vanishes.
  RotationStep();
  SetMode(TransparencyMode::kColourKey);
}

void TickerWindow::MakeTranslucent() {
  if (Mode() == TransparencyMode::kTranslucent || !desktop_.LayeredWindowsAvailable()) return;
  desktop_.SetBarLayered(true);
  desktop_.SetBarTransparency(Transparency::Opacity(kCommandAlpha));
  desktop_.RedrawBar();
  RetickConfigDialog(TransparencyMode::kTranslucent);
  if (Mode() == TransparencyMode::kColourKey) {
    settings_.bgColor = settings_.savedBgColor;
    RotationStep();
  }
  SetMode(TransparencyMode::kTranslucent);
}

void TickerWindow::MakeOpaque() {
  if (Mode() == TransparencyMode::kOpaque) return;
  desktop_.SetBarLayered(false);
  desktop_.RedrawBar();
  RetickConfigDialog(TransparencyMode::kOpaque);
  if (Mode() == TransparencyMode::kColourKey) {
    settings_.bgColor = settings_.savedBgColor;
    RotationStep();
  }
  SetMode(TransparencyMode::kOpaque);
}

}  // namespace vb
