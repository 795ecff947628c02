#pragma once

#include <string>

#include "settings/autostart.h"

namespace vb {

// `velloband --demo`: a data folder of its own whose channels are the sample feeds shipped with
// the program, so that a newcomer sees headlines at once and offline.

// The folder of the sample feeds: beside an installed program (../share/velloband/demo), else
// the source tree's; empty when neither holds them.
std::string FindDemoFeeds(const std::string& executablePath, const std::string& sourceFeeds);

// $XDG_CACHE_HOME/velloband-demo, or $HOME/.cache/velloband-demo.
std::string DemoDataFolder();

// Writes the demo channel table into the folder's settings file (and, on its first use, the
// demo's display settings), then gives every channel without a downloaded file a copy of its
// feed, so that the first page already shows headlines. False when the folder cannot be used.
bool PrepareDemoFolder(const std::string& dataFolder, const std::string& feedFolder);

// The demo never touches the user's session start.
class NoAutostart final : public Autostart {
 public:
  bool Set(bool on) override { return !on; }
};

}  // namespace vb
