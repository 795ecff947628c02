#include "platform/linux/icon_tips.h"

#include "settings/text_936.h"

namespace vb {
namespace {

std::string Escaped(const std::string& text) {
  gchar* escaped = g_markup_escape_text(text.c_str(), static_cast<gssize>(text.size()));
  std::string result = escaped;
  g_free(escaped);
  return result;
}

}  // namespace

void IconTips::Create(int id, GtkWidget* icon) {
  tips_[id] = Tip{icon, {}, {}, false};
}

void IconTips::SetTitle(int id, std::string_view title) {
  auto found = tips_.find(id);
  if (found == tips_.end()) return;
  found->second.title = Utf8From936(title);
  Apply(found->second);
}

void IconTips::SetText(int id, std::string_view text) {
  auto found = tips_.find(id);
  if (found == tips_.end()) return;
  found->second.text = Utf8From936(text);
  Apply(found->second);
}

void IconTips::Activate(int id) {
  auto found = tips_.find(id);
  if (found == tips_.end()) return;
  found->second.active = true;
  Apply(found->second);
}

void IconTips::Apply(const Tip& tip) {
  if (!tip.active || tip.icon == nullptr) return;
  // A tool without text shows no tip at all, title or not.
  if (tip.text.empty()) {
    gtk_widget_set_tooltip_text(tip.icon, nullptr);
    return;
  }
  std::string markup = Escaped(tip.text);
  if (!tip.title.empty()) markup = "<b>" + Escaped(tip.title) + "</b>\n" + markup;
  gtk_widget_set_tooltip_markup(tip.icon, markup.c_str());
}

}  // namespace vb
