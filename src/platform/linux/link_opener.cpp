#include "platform/linux/link_opener.h"

#include <gio/gio.h>
#include <gtk/gtk.h>
#include <sys/wait.h>

#include <cstdlib>
#include <deque>
#include <vector>

#include "resources/texts.h"

namespace vb {
namespace {

using Command = std::vector<std::string>;

// What is left to try for one address; it lives until one way works or all have failed.
struct Attempt {
  std::string uri;
  std::deque<Command> commands;
};

std::string WithAddress(const std::string& argument, const std::string& uri, bool& used) {
  std::string result;
  for (std::size_t i = 0; i < argument.size(); ++i) {
    if (argument[i] == '%' && i + 1 < argument.size() && argument[i + 1] == 's') {
      result += uri;
      used = true;
      ++i;
    } else if (argument[i] == '%' && i + 1 < argument.size() && argument[i + 1] == '%') {
      result += '%';
      ++i;
    } else {
      result += argument[i];
    }
  }
  return result;
}

// The commands of $BROWSER, colon-separated, each taken apart as the shell would; the address
// goes into the arguments afterwards, so that nothing in it is read by a shell.
std::deque<Command> BrowserCommands(const std::string& uri) {
  std::deque<Command> commands;
  const char* browser = std::getenv("BROWSER");
  if (browser == nullptr) return commands;
  gchar** entries = g_strsplit(browser, ":", -1);
  for (gchar** entry = entries; *entry != nullptr; ++entry) {
    gchar** argv = nullptr;
    if (!g_shell_parse_argv(*entry, nullptr, &argv, nullptr)) continue;
    Command command;
    bool used = false;
    for (gchar** argument = argv; *argument != nullptr; ++argument) {
      command.push_back(WithAddress(*argument, uri, used));
    }
    if (!used) command.push_back(uri);
    commands.push_back(std::move(command));
    g_strfreev(argv);
  }
  g_strfreev(entries);
  return commands;
}

void ReportFailure(const Attempt& attempt) {
  GtkWidget* box = gtk_message_dialog_new(
      nullptr, GTK_DIALOG_DESTROY_WITH_PARENT, GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, "%s\n%s",
      std::string(res::text::kCannotOpenLink).c_str(), attempt.uri.c_str());
  gtk_window_set_title(GTK_WINDOW(box), "Velloband");
  gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
  g_signal_connect(box, "response", G_CALLBACK(gtk_widget_destroy), nullptr);
  gtk_widget_show(box);
}

void TryNextCommand(Attempt* attempt);

void OnCommandEnded(GPid pid, gint status, gpointer data) {
  g_spawn_close_pid(pid);
  auto* attempt = static_cast<Attempt*>(data);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
    delete attempt;
  } else {
    TryNextCommand(attempt);
  }
}

void TryNextCommand(Attempt* attempt) {
  while (!attempt->commands.empty()) {
    const Command command = std::move(attempt->commands.front());
    attempt->commands.pop_front();
    std::vector<gchar*> argv;
    for (const std::string& argument : command)
      argv.push_back(const_cast<gchar*>(argument.c_str()));
    argv.push_back(nullptr);
    GPid pid = 0;
    if (g_spawn_async(nullptr, argv.data(), nullptr,
                      static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD),
                      nullptr, nullptr, &pid, nullptr)) {
      g_child_watch_add(pid, &OnCommandEnded, attempt);
      return;
    }
  }
  ReportFailure(*attempt);
  delete attempt;
}

void OnDesktopHandlerDone(GObject*, GAsyncResult* result, gpointer data) {
  auto* attempt = static_cast<Attempt*>(data);
  if (g_app_info_launch_default_for_uri_finish(result, nullptr)) {
    delete attempt;
  } else {
    TryNextCommand(attempt);
  }
}

}  // namespace

void OpenLink(const std::string& uri) {
  auto* attempt = new Attempt{uri, BrowserCommands(uri)};
  attempt->commands.push_front({"xdg-open", uri});
  g_app_info_launch_default_for_uri_async(uri.c_str(), nullptr, nullptr, &OnDesktopHandlerDone,
                                          attempt);
}

}  // namespace vb
