#include "ticker/run_ticker.h"

#include "settings/data_paths.h"
#include "ticker/texts.h"
#include "ticker/ticker_window.h"

namespace vb {

int RunTicker(const Desktop& desktop, const std::string& appDataFolder, Autostart& autostart,
              DownloadStarter& downloads, PageRenderer& renderer) {
  // The window to give the activation back to when nothing else has been remembered yet.
  const WindowRef foregroundAtStart =
      desktop.keyboard != nullptr ? desktop.keyboard->ForegroundWindow() : WindowRef{};
  if (desktop.system.WindowTitledExists(texts::kBarTitle)) return 0;
  DataPaths paths = BuildDataPaths(appDataFolder);
  // Only now: a second instance must not take the running one's downloads away.
  RemoveLeftoverTemporaries(paths);
  TickerWindow bar({desktop, autostart, downloads, renderer}, std::move(paths), foregroundAtStart);
  if (!bar.Start()) return 0;
  const int exitCode = desktop.system.RunLoop();
  bar.Finish();
  return exitCode;
}

int RunTicker(const Desktop& desktop, const std::string& appDataFolder, Autostart& autostart,
              DownloadStarter& downloads) {
  ChannelPageRenderer renderer;
  return RunTicker(desktop, appDataFolder, autostart, downloads, renderer);
}

}  // namespace vb
