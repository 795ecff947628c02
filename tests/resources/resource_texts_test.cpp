#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_data.h"
#include "resources/texts.h"
#include "settings/text_936.h"

namespace vb::res {
namespace {

// The menu as "text=id" items, "-" separators and "text(...)" popups.
std::string Describe(const MenuItem& item) {
  if (item.kind == MenuItemKind::kSeparator) return "-";
  if (item.kind == MenuItemKind::kCommand) {
    return std::string(item.text) + "=" + std::to_string(item.id) + (item.greyed ? " greyed" : "");
  }
  std::string popup = std::string(item.text) + "(";
  for (const MenuItem& inner : item.items) {
    popup += (popup.back() == '(' ? "" : " ") + Describe(inner);
  }
  return popup + ")";
}

TEST(ResourceTexts, EveryTextHasItsCharactersInCodePage936AndTheTipFits) {
  const std::string menu = Describe(TickerMenu());
  std::vector<std::string_view> texts = {kDialogFontName,       text::kTrayTip,
                                         text::kEmptyTableHint, text::kChannelHint,
                                         text::kNoChannelFile,  text::kEmptyChannelFile};
  texts.push_back(menu);
  for (const Dialog& dialog : AllDialogs()) {
    texts.push_back(dialog.caption);
    for (const Control& control : dialog.controls) texts.push_back(control.text);
  }
  for (std::string_view t : texts) EXPECT_EQ(Utf8From936(Utf8To936(t)), t);

  const std::string tip = Utf8To936(text::kTrayTip);
  EXPECT_TRUE(tip.starts_with("VellobandV1.1\n\n"));
  EXPECT_LE(tip.size(), 63u);  // 64 bytes with the terminator
}

TEST(ResourceMenu, PopupMenuItemsInOrder) {
  EXPECT_EQ(Describe(TickerMenu()),
            "q(下一个频道=40004 前一个频道=40023 - 不透明界面=40006 半透明界面=40011 "
            "全透明界面=40005 - 导入/导出配置(导入配置文件=40029 导出配置文件=40030) "
            "背景图片(使用背景图片=40024 - 不使用背景图片=40025) - 隐藏软件=40001 - "
            "软件更新=40013 greyed 删除软件=40007 - 屏幕宽度显示=40031 放到屏幕顶端=40008 "
            "放到屏幕底端=40009 - 使用说明=40012 软件配置=40002 - 退出软件=40003)");
}

}  // namespace
}  // namespace vb::res
