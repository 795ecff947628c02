#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/data_paths.h"
#include "settings/profile_store.h"
#include "ticker/fake_desktop.h"
#include "ticker/ticker_window.h"

namespace vb::testing {

// A data folder of its own, a settings file written by the test, and a bar over the fakes.
class TickerTest : public ::testing::Test {
 protected:
  ProfileStore Store() const { return ProfileStore(paths_.settingsFile); }

  // Channels named "c0", "c1", ... at http://h/k; `current` is the saved CurrentFileNo.
  void WriteChannels(int count, int current) {
    const ProfileStore store = Store();
    store.Write("FileNo", "MaxFileNo", std::to_string(count));
    store.Write("FileNo", "CurrentFileNo", std::to_string(current));
    for (int k = 0; k < count; ++k) {
      store.Write("URL", std::to_string(k), "http://h/" + std::to_string(k));
      store.Write("URL", std::to_string(-(k + 1)), "c" + std::to_string(k));
    }
  }
  std::string File(int k) const { return paths_.ChannelFile(k); }
  void MakeFile(int k) { WriteFile(File(k), "feed"); }

  bool Start() {
    bar_ = std::make_unique<TickerWindow>(
        TickerParts{desktop_.Port(), autostart_, downloads_, renderer_}, paths_,
        desktop_.foreground);
    return bar_->Start();
  }
  // The channel files whose download was started, in order (the note's left out).
  std::vector<std::string> Fetched() const {
    std::vector<std::string> files;
    for (const auto& t : downloads_.started) {
      if (t.path != paths_.noteFile) files.push_back(t.path);
    }
    return files;
  }

  TempFolder folder_;
  DataPaths paths_ = BuildDataPaths(folder_.path());
  FakeDesktop desktop_;
  FakeRenderer renderer_;
  FakeDownloads downloads_;
  FakeAutostart autostart_;
  std::unique_ptr<TickerWindow> bar_;
};

}  // namespace vb::testing
