#include "dialogs/transparency_ticks.h"
#include "ticker/ticker_window.h"

namespace vb {

namespace {

constexpr int kCommandAlpha = 150;

}  // namespace

char TickerWindow::Mode() const {
  return settings_.mode.empty() ? '\0' : settings_.mode[0];
}

void TickerWindow::SetMode(char mode) {
  settings_.mode = std::string(1, mode);
  store_.Write("Format", "Mode", settings_.mode);
}

void TickerWindow::RetickConfigDialog(char mode) {
  if (configDialog_ != nullptr) RetickTransparency(*configDialog_, mode);
}

void TickerWindow::MakeFullyTransparent() {
  if (Mode() == '2' || !desktop_.LayeredWindowsAvailable()) return;
  desktop_.SetBarLayered(true);
  desktop_.SetBarTransparency(Transparency::ColourKey(kColourKey));
  desktop_.RedrawBar();
  settings_.savedBgColor = settings_.bgColor;
  settings_.bgColor = kTransparentKeyColor;
  RetickConfigDialog('2');
  // The page background becomes the key colour and so vanishes.
  RotationStep();
  SetMode('2');
}

void TickerWindow::MakeTranslucent() {
  if (Mode() == '1' || !desktop_.LayeredWindowsAvailable()) return;
  desktop_.SetBarLayered(true);
  desktop_.SetBarTransparency(Transparency::Opacity(kCommandAlpha));
  desktop_.RedrawBar();
  RetickConfigDialog('1');
  if (Mode() == '2') {
    settings_.bgColor = settings_.savedBgColor;
    RotationStep();
  }
  SetMode('1');
}

void TickerWindow::MakeOpaque() {
  if (Mode() == '0') return;
  desktop_.SetBarLayered(false);
  desktop_.RedrawBar();
  RetickConfigDialog('0');
  if (Mode() == '2') {
    settings_.bgColor = settings_.savedBgColor;
    RotationStep();
  }
  SetMode('0');
}

}  // namespace vb
