#include <gtk/gtk.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "fetch/thread_download_starter.h"
#include "platform/linux/curl_transfer.h"
#include "platform/linux/demo_folder.h"
#include "platform/linux/display_choice.h"
#include "platform/linux/gtk_desktop.h"
#include "platform/linux/wayland_probe.h"
#include "platform/linux/xdg_autostart.h"
#include "settings/data_paths.h"
#include "ticker/run_ticker.h"

namespace {

using vb::BarDisplay;
using vb::DisplayFacts;

constexpr const char* kBarName = "Velloband V1.1";

constexpr const char* kUsage =
    "Usage: velloband [--demo]\n"
    "  --demo   show the sample channels shipped with the program, with a data folder of their\n"
    "           own; your settings are not touched\n";

// Picks GDK's backend for the bar before GTK starts; what GDK_BACKEND said goes on to the
// programs that the bar starts (the browser), not to GDK.
BarDisplay ChooseDisplay(DisplayFacts& facts) {
  const char* backend = g_getenv("GDK_BACKEND");
  const char* xDisplay = g_getenv("DISPLAY");
  facts.gdkBackend = backend != nullptr ? backend : "";
  facts.xDisplaySet = xDisplay != nullptr && *xDisplay != '\0';
  if (facts.gdkBackend != "x11") {
    const vb::WaylandOffer offer = vb::ProbeWayland();
    facts.waylandReached = offer.reached;
    facts.layerShellOffered = offer.layerShell;
  }
  const BarDisplay display = ChooseBarDisplay(facts);
  if (display != BarDisplay::kNone) {
    gdk_set_allowed_backends(display == BarDisplay::kLayerShell ? "wayland" : "x11");
  }
  return display;
}

std::string ExecutablePath() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

}  // namespace

int main(int argc, char** argv) {
  bool demo = false;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--demo") {
      demo = true;
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  // The bar's window class is the program's name and class.
  g_set_prgname(kBarName);
  // The bar draws with cairo alone; without this GDK sets up OpenGL to choose its visuals,
  // which loads a whole software renderer into the process.
  g_setenv("GDK_GL", "disable", FALSE);
  DisplayFacts facts;
  const BarDisplay display = ChooseDisplay(facts);
  const std::string backend = facts.gdkBackend;
  g_unsetenv("GDK_BACKEND");
  const bool opened = display != BarDisplay::kNone && gtk_init_check(nullptr, nullptr);
  if (!backend.empty()) g_setenv("GDK_BACKEND", backend.c_str(), TRUE);
  if (!opened) {
    std::fputs(vb::NoDisplayMessage(facts).c_str(), stderr);
    return 1;
  }
  gdk_set_program_class(kBarName);

  vb::GtkDesktop desktop(display);
  std::string executable = ExecutablePath();
  std::string dataFolder = vb::XdgConfigHome();
  vb::XdgAutostart userAutostart(vb::XdgConfigHome(), executable);
  vb::NoAutostart demoAutostart;
  vb::Autostart* autostart = &userAutostart;
  if (demo) {
    // A running bar leaves even the demo folder alone.
    if (desktop.WindowTitledExists(kBarName)) return 0;
    dataFolder = vb::DemoDataFolder();
    if (!vb::PrepareDemoFolder(dataFolder, vb::FindDemoFeeds(executable, VB_DEMO_FEEDS_DIR))) {
      std::fprintf(stderr, "velloband: cannot prepare the demo in %s\n", dataFolder.c_str());
      return 1;
    }
    autostart = &demoAutostart;
  }
  vb::ThreadDownloadStarter downloads(vb::MakeCurlTransfer());
  return vb::RunTicker(desktop.Port(), dataFolder, *autostart, downloads);
}
