#pragma once

#include <string>

#include "fetch/download_starter.h"
#include "settings/autostart.h"
#include "ticker/desktop.h"
#include "ticker/page_renderer.h"

namespace vb {

// The program: start-up, the desktop's event loop, and what follows it. `appDataFolder` is the
// user's application-data folder (the data files go beside each other in it). Returns the exit
// code: 0 for every early end (another instance runs, the bar or its browser cannot be made,
// the shell refuses the docked bar), else the loop's exit code: 0, or kExitSettingsNotSaved when
// the bar's position and current channel could not be written at the end.
inline constexpr int kExitSettingsNotSaved = 1;
int RunTicker(const Desktop& desktop, const std::string& appDataFolder, Autostart& autostart,
              DownloadStarter& downloads);

// The same with the page renderer replaced (tests).
int RunTicker(const Desktop& desktop, const std::string& appDataFolder, Autostart& autostart,
              DownloadStarter& downloads, PageRenderer& renderer);

}  // namespace vb
