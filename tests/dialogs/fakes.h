#pragma once

#include <map>
#include <string>
#include <vector>

#include "dialogs/bar_link.h"
#include "dialogs/dialog_controller.h"
#include "dialogs/dialog_factory.h"
#include "dialogs/dialog_view.h"
#include "settings/atomic_file.h"
#include "settings/autostart.h"
#include "settings/channel_table.h"
#include "settings/ticker_settings.h"
#include "support/temp_folder.h"

namespace vb::testing {

// Controls as plain values; radio buttons do not untick each other, as the tests tick by hand.
struct FakeDialogView final : DialogView {
  std::string Text(int c) const override { return texts.contains(c) ? texts.at(c) : ""; }
  void SetText(int c, std::string_view text) override { texts[c] = text; }
  bool Checked(int c) const override { return checked.contains(c) && checked.at(c); }
  void SetChecked(int c, bool on) override { checked[c] = on; }
  void Enable(int c, bool on) override { disabled[c] = !on; }
  bool Enabled(int c) const { return !disabled.contains(c) || !disabled.at(c); }
  void AddRow(int c, std::string_view text) override { rows[c].emplace_back(text); }
  void SetRow(int c, int row, std::string_view text) override { rows[c].at(row) = text; }
  void RemoveRow(int c, int row) override { rows[c].erase(rows[c].begin() + row); }
  int SelectedRow(int c) const override { return selected.contains(c) ? selected.at(c) : -1; }
  void SelectRow(int c, int row) override { selected[c] = row; }
  void Close() override { ++closed; }

  std::map<int, std::string> texts;
  std::map<int, bool> checked, disabled;
  std::map<int, std::vector<std::string>> rows;
  std::map<int, int> selected;
  int closed = 0;
};

// Records each request by name.
struct FakeBarLink final : BarLink {
  void SendCommand(int id) override { calls.push_back("command " + std::to_string(id)); }
  void RequestRotationStep() override { calls.push_back("step"); }
  void RestartRotationTimer() override { calls.push_back("restart timer"); }
  void ResizeAppBarStrip() override { calls.push_back("resize strip"); }
  void ResizeAndShowBar() override { calls.push_back("resize and show"); }
  void Quit() override { calls.push_back("quit"); }
  std::vector<std::string> calls;
};

struct FakeAutostart final : Autostart {
  bool Set(bool on) override {
    sets.push_back(on);
    return !on || works;
  }
  std::vector<bool> sets;
  bool works = true;
};

// A data folder with first-run settings, an empty channel table and fakes for the rest.
struct DialogWorld {
  DialogWorld() { SetScreenWidth(settings, 1024); }

  std::unique_ptr<DialogController> Open(int dialogId) {
    auto dialog = CreateDialog(dialogId, view, context);
    dialog->OnInit();
    return dialog;
  }
  std::string Key(const char* section, const char* key) const {
    return profile.Read(section, key, "<none>", 259);
  }

  TempFolder folder;
  DataPaths paths = BuildDataPaths(folder.path());
  int fileWrites = 0;  // replaces of the settings file
  ProfileStore profile{paths.settingsFile, [this](const std::string& path, std::string_view bytes) {
                         ++fileWrites;
                         return WriteFileAtomically(path, bytes);
                       }};
  TickerSettings settings;
  ChannelTable table;
  DownloadTarget currentChannel;
  ChannelStore channels{profile, paths, table, currentChannel};
  FakeAutostart autostart;
  FakeBarLink bar;
  DialogContext context{settings, channels, autostart, bar, {}};
  FakeDialogView view;
};

}  // namespace vb::testing
