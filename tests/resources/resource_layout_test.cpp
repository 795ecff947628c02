#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "resources/resource_data.h"
#include "resources/resource_ids.h"

namespace vb::res {
namespace {

using namespace ids;
using K = ControlKind;

struct Expected {
  int dialog;
  int id;
  K kind;
  Rect rect;
  std::string_view text;
  unsigned style = kNone;  // every flag but the group start
};

const Expected kControls[] = {
    {IDD_CONFIG, IDC_DIR_LEFT, K::kRadioButton, {45, 18, 27, 10}, "向左"},
    {IDD_CONFIG, IDC_DIR_RIGHT, K::kRadioButton, {76, 18, 28, 10}, "向右"},
    {IDD_CONFIG, IDC_DIR_UP, K::kRadioButton, {107, 18, 28, 10}, "向上"},
    {IDD_CONFIG, IDC_DIR_DOWN, K::kRadioButton, {138, 18, 27, 10}, "向下"},
    {IDD_CONFIG, IDC_DIR_NONE, K::kRadioButton, {167, 18, 34, 10}, "不滚动"},
    {IDD_CONFIG, IDC_SMOOTH, K::kEdit, {45, 30, 36, 12}, "", kDigitsOnly},
    {IDD_CONFIG, IDC_SPEED, K::kEdit, {45, 44, 36, 12}, "", kDigitsOnly},
    {IDD_CONFIG, IDC_LINENUM, K::kEdit, {45, 88, 36, 12}, "", kDigitsOnly},
    {IDD_CONFIG, IDC_COLNUM, K::kEdit, {45, 102, 36, 12}, "", kDigitsOnly},
    {IDD_CONFIG, IDC_TFONT, K::kEdit, {45, 116, 36, 12}, "", kDigitsOnly},
    {IDD_CONFIG, IDC_BGCOLOR, K::kEdit, {12, 141, 30, 12}, ""},
    {IDD_CONFIG, IDC_TXTCOLOR, K::kEdit, {63, 141, 30, 12}, ""},
    {IDD_CONFIG, IDC_LNKCOLOR, K::kEdit, {115, 141, 31, 12}, ""},
    {IDD_CONFIG, IDC_VSTCOLOR, K::kEdit, {168, 141, 31, 12}, ""},
    {IDD_CONFIG, IDC_OPAQUE, K::kRadioButton, {12, 157, 50, 10}, "不透明背景"},
    {IDD_CONFIG, IDC_FULL_TRANSPARENT, K::kRadioButton, {80, 157, 50, 10}, "全透明背景"},
    {IDD_CONFIG, IDC_TRANSLUCENT, K::kRadioButton, {152, 157, 49, 10}, "半透明背景"},
    {IDD_CONFIG, IDC_WIDTH, K::kEdit, {85, 252, 31, 12}, "", kDigitsOnly},
    {IDD_CONFIG, IDC_DEFTIMER, K::kEdit, {85, 267, 31, 12}, "", kDigitsOnly},
    {IDD_CONFIG, IDC_AUTOLOAD, K::kCheckBox, {14, 284, 53, 10}, "随开机启动"},
    {IDD_CONFIG, IDC_CHANNEL_LIST, K::kListBox, {211, 17, 216, 82}, "", kNotify | kVScroll},
    {IDD_CONFIG, IDC_CHANNEL_CODEPAGE, K::kEdit, {266, 104, 31, 12}, "", kDigitsOnly},
    {IDD_CONFIG, IDC_CHANNEL_URL, K::kEdit, {211, 147, 216, 12}, "", kHScroll},
    {IDD_CONFIG, IDC_CHANNEL_ADD, K::kPushButton, {323, 130, 50, 14}, "添加"},
    {IDD_CONFIG, IDC_CHANNEL_DELETE, K::kPushButton, {377, 130, 50, 14}, "删除"},
    {IDD_CONFIG, IDC_CHANNEL_NAME, K::kEdit, {286, 163, 141, 12}, "", kHScroll},
    {IDD_CONFIG, IDC_CHANNEL_HEADER, K::kEdit, {211, 189, 217, 48}, "", kMultiLine | kDisabled},
    {IDD_CONFIG, IDC_APPLY, K::kPushButton, {118, 314, 50, 14}, "应用"},
    {IDD_CONFIG, IDOK, K::kDefaultPushButton, {184, 314, 50, 14}, "确定"},
    {IDD_CONFIG, IDCANCEL, K::kPushButton, {250, 314, 50, 14}, "关闭"},
    {IDD_HELP, IDOK, K::kDefaultPushButton, {141, 194, 50, 14}, "确定"},
    {IDD_BKPIC, IDC_BKPIC_PATH, K::kEdit, {14, 31, 177, 12}, "", kHScroll},
    {IDD_IMPORT, IDC_IMPORT_PATH, K::kEdit, {14, 31, 177, 12}, "", kHScroll},
    {IDD_EXPORT, IDC_EXPORT_PATH, K::kEdit, {14, 31, 177, 12}, "", kHScroll},
};

bool operator==(const Rect& a, const Rect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

TEST(ResourceLayout, EveryNamedControlWithItsKindRectangleAndText) {
  for (const Expected& e : kControls) {
    const Dialog* dialog = FindDialog(e.dialog);
    ASSERT_NE(dialog, nullptr) << e.dialog;
    const Control* control = FindControl(*dialog, e.id);
    ASSERT_NE(control, nullptr) << e.dialog << " " << e.id;
    EXPECT_EQ(control->kind, e.kind) << e.id;
    EXPECT_TRUE(control->rect == e.rect) << e.dialog << " " << e.id;
    EXPECT_EQ(control->text, e.text) << e.id;
    EXPECT_EQ(control->style & ~kGroupStart, e.style) << e.id;
  }
  const auto& config = FindDialog(IDD_CONFIG)->controls;
  const auto label = std::find_if(config.begin(), config.end(),
                                  [](const Control& c) { return c.text == "滚动方向"; });
  ASSERT_NE(label, config.end());
  EXPECT_EQ(std::pair(label->rect.x, label->rect.y), std::pair(12, 18));
  for (int id : {IDD_BKPIC, IDD_IMPORT, IDD_EXPORT}) {
    const Dialog& d = *FindDialog(id);
    EXPECT_TRUE(FindControl(d, IDC_APPLY)->rect == (Rect{14, 47, 50, 12})) << id;
    EXPECT_TRUE(FindControl(d, IDCANCEL)->rect == (Rect{141, 47, 50, 12})) << id;
  }
}

TEST(ResourceLayout, DialogFramesHoldTheirControls) {
  const struct {
    int id, width, height, x, y;
  } frames[] = {{IDD_CONFIG, 435, 343, 100, 100},
                {IDD_HELP, 374, 216, 80, 120},
                {IDD_BKPIC, 207, 66, 300, 200},
                {IDD_IMPORT, 207, 66, 300, 200},
                {IDD_EXPORT, 207, 66, 300, 200}};
  ASSERT_EQ(AllDialogs().size(), std::size(frames));
  for (const auto& f : frames) {
    const Dialog& d = *FindDialog(f.id);
    EXPECT_EQ(std::vector<int>({d.width, d.height, d.screenX, d.screenY}),
              std::vector<int>({f.width, f.height, f.x, f.y}));
    std::set<int> ids;
    for (const Control& c : d.controls) {
      EXPECT_TRUE(c.id == IDC_STATIC || ids.insert(c.id).second) << f.id << " " << c.id;
      EXPECT_LE(c.rect.x + c.rect.width, d.width) << c.text;
      EXPECT_LE(c.rect.y + c.rect.height, d.height) << c.text;
    }
  }
}

// Ticking a radio button unticks only its own group, so each group must be fenced.
TEST(ResourceLayout, RadioGroupsAreSeparate) {
  const Dialog& config = *FindDialog(IDD_CONFIG);
  std::vector<std::vector<int>> groups;
  bool inGroup = false;
  for (const Control& c : config.controls) {
    if (c.style & kGroupStart) inGroup = false;
    if (c.kind != K::kRadioButton) continue;
    if (!inGroup) groups.emplace_back();
    inGroup = true;
    groups.back().push_back(c.id);
  }
  EXPECT_EQ(groups, (std::vector<std::vector<int>>{
                        {IDC_DIR_LEFT, IDC_DIR_RIGHT, IDC_DIR_UP, IDC_DIR_DOWN, IDC_DIR_NONE},
                        {IDC_OPAQUE, IDC_FULL_TRANSPARENT, IDC_TRANSLUCENT}}));
}

}  // namespace
}  // namespace vb::res
