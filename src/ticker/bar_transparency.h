#pragma once

#include "settings/profile_store.h"
#include "settings/ticker_settings.h"
#include "ticker/bar_dialogs.h"
#include "ticker/desktop.h"
#include "ticker/rotation.h"

namespace vb {

// What a fully transparent bar makes invisible: the page background kTransparentKeyColor.
inline constexpr Colour kColourKey = 0x563412;

// The bar's transparency: opaque, translucent, or the page background keyed out. A change shows
// at once, in the configuration dialog too, and is saved.
class BarTransparency {
 public:
  BarTransparency(BarWindow& bar, TickerSettings& settings, const ProfileStore& store,
                  ChannelRotation& rotation, BarDialogs& dialogs)
      : bar_(bar), settings_(settings), store_(store), rotation_(rotation), dialogs_(dialogs) {}

  // The saved mode, where the desktop can show it.
  void ApplyAtStartup();
  void MakeFullyTransparent();
  void MakeTranslucent();
  void MakeOpaque();
  IconColours IconControlColours() const;

 private:
  TransparencyMode Mode() const { return settings_.mode; }
  void SetMode(TransparencyMode mode);

  BarWindow& bar_;
  TickerSettings& settings_;
  const ProfileStore& store_;
  ChannelRotation& rotation_;
  BarDialogs& dialogs_;
};

}  // namespace vb
