#pragma once

#include <gtk/gtk.h>

#include <map>
#include <string>
#include <string_view>

namespace vb {

// The previous and next icons' tooltips: a bold title over the text, shown once activated.
// Texts arrive in code page 936.
class IconTips {
 public:
  void Create(int id, GtkWidget* icon);
  void SetTitle(int id, std::string_view title);
  void SetText(int id, std::string_view text);
  void Activate(int id);

 private:
  struct Tip {
    GtkWidget* icon = nullptr;
    std::string title;
    std::string text;
    bool active = false;
  };
  void Apply(const Tip& tip);

  std::map<int, Tip> tips_;
};

}  // namespace vb
