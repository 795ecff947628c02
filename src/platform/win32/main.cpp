#include <windows.h>
// The other system headers build on windows.h.
#include <ole2.h>

#include <clocale>

#include "fetch/thread_download_starter.h"
#include "platform/win32/app_data_folder.h"
#include "platform/win32/registry_autostart.h"
#include "platform/win32/urlmon_transfer.h"
#include "platform/win32/win32_desktop.h"
#include "ticker/run_ticker.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The C++ library turns narrow file names into wide ones through the C locale, which would
  // read the program's 936 bytes as Latin-1; std::filesystem then misses every non-ASCII path.
  std::setlocale(LC_CTYPE, ".936");
  // The browser control needs OLE on the thread that hosts it.
  const HRESULT ole = OleInitialize(nullptr);
  int exitCode = 0;
  {
    vb::win32::Win32Desktop desktop(instance);
    vb::win32::RunKeyAutostart autostart;
    vb::ThreadDownloadStarter downloads(vb::win32::MakeUrlmonTransfer());
    exitCode = vb::RunTicker(desktop.Port(), vb::win32::AppDataFolder(), autostart, downloads);
  }
  if (SUCCEEDED(ole)) OleUninitialize();
  return exitCode;
}
