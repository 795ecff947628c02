#include <gtest/gtest.h>
#include <iconv.h>

#include <string>
#include <vector>

#include "resources/resource_data.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"

namespace vb::res {
namespace {

std::string Iconv936(const std::string& utf8) {
  iconv_t cd = iconv_open("CP936", "UTF-8");
  std::string in = utf8, out(utf8.size() * 2 + 1, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  return ok ? out.substr(0, out.size() - outLeft) : "<not convertible>";
}

void CollectMenuTexts(const MenuItem& item, std::vector<std::string_view>& texts) {
  texts.push_back(item.text);
  for (const MenuItem& child : item.items) CollectMenuTexts(child, texts);
}

const MenuItem* FindMenuItem(const MenuItem& menu, int id) {
  for (const MenuItem& item : menu.items) {
    if (item.kind == MenuItemKind::kCommand && item.id == id) return &item;
    if (const MenuItem* inner = FindMenuItem(item, id)) return inner;
  }
  return nullptr;
}

TEST(ResourceTexts, KeyTextsAreTheExactCodePage936Bytes) {
  EXPECT_EQ(Gbk(FindDialog(ids::IDD_CONFIG)->caption), "V1.14\xa3\xad\xc5\xe4\xd6\xc3");
  EXPECT_EQ(Gbk(FindDialog(ids::IDD_HELP)->caption), "V1.14\xa3\xad\xb0\xef\xd6\xfa");
  EXPECT_EQ(Gbk(FindDialog(ids::IDD_IMPORT)->caption),
            "\xb5\xbc\xc8\xeb\xc5\xe4\xd6\xc3\xce\xc4\xbc\xfe(\xb0\xb4\xc8\xb7\xb6\xa8\xba\xf3\xc7"
            "\xeb\xd6\xd8\xd4\xcb\xd0\xd0\xb1\xbe\xc8\xed\xbc\xfe)");
  EXPECT_EQ(Gbk(text::kNoChannelFile),
            "\xce\xc4\xbc\xfe\xb2\xbb\xb4\xe6\xd4\xda\xbb\xf2\xd5\xfd\xd4\xda\xcf\xc2\xd4\xd8\xa3"
            "\xac\xc7\xeb\xc9\xd4\xba\xf3\xd4\xd9\xb5\xe3\xbb\xf7\xb8\xc3\xb9\xe3\xb2\xa5\xc6\xb5"
            "\xb5\xc0");
  EXPECT_EQ(Gbk(text::kEmptyChannelFile), "\xbf\xd5\xce\xc4\xbc\xfe!");
  EXPECT_EQ(Gbk(FindMenuItem(TickerMenu(), ids::IDM_UPDATE)->text),
            "\xc8\xed\xbc\xfe\xb8\xfc\xd0\xc2");
  EXPECT_EQ(Gbk(kDialogFontName), "\xcb\xce\xcc\xe5");
}

TEST(ResourceTexts, EveryTextConvertsAsTheSystemConverterDoes) {
  std::vector<std::string_view> texts = {kDialogFontName,       text::kTrayTip,
                                         text::kEmptyTableHint, text::kChannelHint,
                                         text::kNoChannelFile,  text::kEmptyChannelFile};
  CollectMenuTexts(TickerMenu(), texts);
  for (const Dialog& dialog : AllDialogs()) {
    texts.push_back(dialog.caption);
    for (const Control& control : dialog.controls) texts.push_back(control.text);
  }
  for (std::string_view t : texts) EXPECT_EQ(Gbk(t), Iconv936(std::string(t))) << t;

  // Broken UTF-8 never reads past its end.
  EXPECT_EQ(Gbk("a\xe4\xb8"), "a??");
  EXPECT_EQ(Gbk("\xff"), "?");
}

TEST(ResourceTexts, TrayTipFitsItsBuffer) {
  const std::string tip = Gbk(text::kTrayTip);
  EXPECT_TRUE(tip.starts_with("VellobandV1.1\n\n"));
  EXPECT_LE(tip.size(), 63u);  // 64 bytes with the terminator
}

TEST(ResourceMenu, PopupMenuItemsInOrder) {
  std::vector<std::string> seen;
  for (const MenuItem& item : TickerMenu().items) {
    if (item.kind == MenuItemKind::kSeparator) {
      seen.push_back("-");
    } else if (item.kind == MenuItemKind::kPopup) {
      std::string popup = std::string(item.text) + ":";
      for (const MenuItem& inner : item.items) {
        popup += inner.kind == MenuItemKind::kSeparator ? " -" : " " + std::to_string(inner.id);
      }
      seen.push_back(popup);
    } else {
      seen.push_back(std::to_string(item.id) + (item.greyed ? " greyed" : ""));
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"40004",
                                            "40023",
                                            "-",
                                            "40006",
                                            "40011",
                                            "40005",
                                            "-",
                                            "导入/导出配置: 40029 40030",
                                            "背景图片: 40024 - 40025",
                                            "-",
                                            "40001",
                                            "-",
                                            "40013 greyed",
                                            "40007",
                                            "-",
                                            "40031",
                                            "40008",
                                            "40009",
                                            "-",
                                            "40012",
                                            "40002",
                                            "-",
                                            "40003"}));
  EXPECT_EQ(FindMenuItem(TickerMenu(), ids::IDM_BKPIC_NONE)->text, "不使用背景图片");
}

}  // namespace
}  // namespace vb::res
