#pragma once

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <functional>
#include <string>

namespace vb {

// The WebKit view that shows the page file. It keeps the page's leniencies working through a
// user stylesheet rebuilt from the page at each load, sends links out of the bar and never runs
// a javascript: address.
class WebViewHost {
 public:
  // `openOutside` receives the UTF-8 address of a link that must open in the user's browser.
  explicit WebViewHost(std::function<void(const std::string&)> openOutside);
  ~WebViewHost();
  WebViewHost(const WebViewHost&) = delete;
  WebViewHost& operator=(const WebViewHost&) = delete;

  GtkWidget* widget() const { return GTK_WIDGET(view_); }

  // Loads `pageFile` (a path in code page 936).
  void Show(const std::string& pageFile);
  // Reads the page file again, bypassing every cache.
  void Reload();
  // The colour-key mode: pixels of `keyHex` (six hex digits) in the body's background become
  // transparent; empty turns it off.
  void SetTransparentColour(const std::string& keyHex);

 private:
  static gboolean OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                 WebKitPolicyDecisionType type, gpointer self);
  static void OnWebProcessGone(WebKitWebView* view, WebKitWebProcessTerminationReason reason,
                               gpointer self);
  void ApplyPageStyle();

  std::function<void(const std::string&)> openOutside_;
  WebKitWebContext* context_ = nullptr;
  WebKitUserContentManager* content_ = nullptr;
  WebKitWebView* view_ = nullptr;
  std::string pagePath_;
  std::string pageUri_;
  std::string transparentKey_;
  gint64 lastRestart_ = 0;
};

}  // namespace vb
