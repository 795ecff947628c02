#include "platform/linux/web_view_host.h"

#include <algorithm>
#include <cctype>

#include "platform/linux/link_policy.h"
#include "platform/linux/page_look_reader.h"
#include "platform/linux/user_stylesheet.h"
#include "settings/text_936.h"

namespace vb {
namespace {

constexpr guint kHelperMemoryLimitMb = 100;

// Chosen for a small, idle bar: no GPU path (headless and remote displays have none), no page
// cache, the document-viewer cache model and a web process that gives memory back early.
void ConfigureLeanEngine(WebKitWebView* view) {
  WebKitSettings* settings = webkit_web_view_get_settings(view);
  webkit_settings_set_hardware_acceleration_policy(settings,
                                                   WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
  webkit_settings_set_enable_page_cache(settings, FALSE);
  webkit_settings_set_enable_smooth_scrolling(settings, FALSE);
  webkit_settings_set_enable_html5_database(settings, FALSE);
  webkit_settings_set_enable_html5_local_storage(settings, FALSE);
  webkit_settings_set_enable_developer_extras(settings, FALSE);
  webkit_settings_set_enable_webgl(settings, FALSE);
  webkit_settings_set_enable_webaudio(settings, FALSE);
  webkit_settings_set_enable_media(settings, FALSE);
  webkit_settings_set_javascript_can_open_windows_automatically(settings, FALSE);
  webkit_settings_set_default_charset(settings, "GBK");
  webkit_settings_set_default_font_family(settings, "WenQuanYi Micro Hei");
}

GdkRGBA RgbaOf(const std::string& css, bool transparent) {
  GdkRGBA rgba{0, 0, 0, 1};
  if (transparent) return GdkRGBA{0, 0, 0, 0};
  if (!css.empty() && gdk_rgba_parse(&rgba, css.c_str())) return rgba;
  return GdkRGBA{0, 0, 0, 1};
}

bool SameHex(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// One context for the program's one view: nothing is kept on disk, and both of WebKit's helper
// processes hand memory back once they pass a small limit.
WebKitWebContext* NewLeanContext() {
  WebKitMemoryPressureSettings* pressure = webkit_memory_pressure_settings_new();
  webkit_memory_pressure_settings_set_memory_limit(pressure, kHelperMemoryLimitMb);
  webkit_website_data_manager_set_memory_pressure_settings(pressure);
  WebKitWebsiteDataManager* data = webkit_website_data_manager_new_ephemeral();
  auto* context =
      WEBKIT_WEB_CONTEXT(g_object_new(WEBKIT_TYPE_WEB_CONTEXT, "website-data-manager", data,
                                      "memory-pressure-settings", pressure, nullptr));
  g_object_unref(data);
  webkit_memory_pressure_settings_free(pressure);
  webkit_web_context_set_cache_model(context, WEBKIT_CACHE_MODEL_DOCUMENT_VIEWER);
  return context;
}

}  // namespace

WebViewHost::WebViewHost(std::function<void(const std::string&)> openOutside)
    : openOutside_(std::move(openOutside)) {
  context_ = NewLeanContext();
  content_ = webkit_user_content_manager_new();
  WebKitUserScript* guard =
      webkit_user_script_new(kClickGuardScript, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                             WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
  webkit_user_content_manager_add_script(content_, guard);
  webkit_user_script_unref(guard);
  view_ = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "user-content-manager", content_,
                                       "web-context", context_, nullptr));
  g_object_ref_sink(view_);
  ConfigureLeanEngine(view_);
  g_signal_connect(view_, "decide-policy", G_CALLBACK(&OnDecidePolicy), this);
  g_signal_connect(view_, "web-process-terminated", G_CALLBACK(&OnWebProcessGone), this);
  g_signal_connect(view_, "context-menu",
                   G_CALLBACK(+[](WebKitWebView*, WebKitContextMenu*, GdkEvent*,
                                  WebKitHitTestResult*, gpointer) -> gboolean { return TRUE; }),
                   nullptr);
}

WebViewHost::~WebViewHost() {
  g_signal_handlers_disconnect_by_data(view_, this);
  g_object_unref(view_);
  g_object_unref(content_);
  g_object_unref(context_);
}

void WebViewHost::Show(const std::string& pageFile) {
  pagePath_ = pageFile;
  gchar* uri = g_filename_to_uri(pageFile.c_str(), nullptr, nullptr);
  pageUri_ = uri != nullptr ? uri : "";
  g_free(uri);
  ApplyPageStyle();
  webkit_web_view_load_uri(view_, pageUri_.c_str());
}

void WebViewHost::Reload() {
  ApplyPageStyle();
  // A reload of a page that failed to load would reload the error page: load the file again.
  const gchar* current = webkit_web_view_get_uri(view_);
  if (current != nullptr && pageUri_ == current) {
    webkit_web_view_reload_bypass_cache(view_);
  } else {
    webkit_web_view_load_uri(view_, pageUri_.c_str());
  }
}

void WebViewHost::SetTransparentColour(const std::string& keyHex) {
  transparentKey_ = keyHex;
  ApplyPageStyle();
}

void WebViewHost::ApplyPageStyle() {
  PageStyleValues values = ReadPageStyleFile(pagePath_);
  bool transparent = !transparentKey_.empty() && SameHex(values.bgColor, transparentKey_);
  PageLook look{values.bgColor, values.bkPic, values.tFont, transparent};
  webkit_user_content_manager_remove_all_style_sheets(content_);
  WebKitUserStyleSheet* sheet = webkit_user_style_sheet_new(
      BuildUserStylesheet(look).c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
      WEBKIT_USER_STYLE_LEVEL_USER, nullptr, nullptr);
  webkit_user_content_manager_add_style_sheet(content_, sheet);
  webkit_user_style_sheet_unref(sheet);
  GdkRGBA background = RgbaOf(CssColor(values.bgColor), transparent);
  webkit_web_view_set_background_color(view_, &background);
}

gboolean WebViewHost::OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                     WebKitPolicyDecisionType type, gpointer self) {
  auto* host = static_cast<WebViewHost*>(self);
  if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
  WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
      WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  WebKitURIRequest* request = webkit_navigation_action_get_request(action);
  const gchar* uri = webkit_uri_request_get_uri(request);
  std::string target = uri != nullptr ? uri : "";
  LinkVerdict verdict = JudgeNavigation(target, host->pageUri_);
  // A new window never opens inside the bar, not even for the page itself.
  if (verdict == LinkVerdict::kLoad && type == WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION) {
    webkit_policy_decision_use(decision);
    return TRUE;
  }
  // Only a click opens the browser: a frame or a refresh in the page would do so at every reload.
  bool clicked =
      webkit_navigation_action_get_navigation_type(action) == WEBKIT_NAVIGATION_TYPE_LINK_CLICKED ||
      webkit_navigation_action_is_user_gesture(action);
  if (verdict == LinkVerdict::kOpenOutside && clicked && host->openOutside_) {
    host->openOutside_(target);
  }
  webkit_policy_decision_ignore(decision);
  return TRUE;
}

void WebViewHost::OnWebProcessGone(WebKitWebView*, WebKitWebProcessTerminationReason,
                                   gpointer self) {
  auto* host = static_cast<WebViewHost*>(self);
  // A web process that keeps dying is not restarted in a loop: at most once a minute.
  gint64 now = g_get_monotonic_time();
  if (host->lastRestart_ != 0 && now - host->lastRestart_ < 60 * G_USEC_PER_SEC) return;
  host->lastRestart_ = now;
  if (!host->pageUri_.empty()) webkit_web_view_load_uri(host->view_, host->pageUri_.c_str());
}

}  // namespace vb
