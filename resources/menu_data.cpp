#include "resources/resource_data.h"
#include "resources/resource_ids.h"

namespace vb::res {
namespace {

using enum MenuItemKind;

constexpr MenuItem Command(std::string_view text, int id, bool greyed = false) {
  return {kCommand, text, id, greyed, {}};
}
constexpr MenuItem kSeparatorItem{kSeparator, {}, 0, false, {}};

constexpr MenuItem kImportExportItems[] = {
    Command("导入配置文件", ids::IDM_IMPORT),
    Command("导出配置文件", ids::IDM_EXPORT),
};

constexpr MenuItem kBackgroundItems[] = {
    Command("使用背景图片", ids::IDM_BKPIC_USE),
    kSeparatorItem,
    Command("不使用背景图片", ids::IDM_BKPIC_NONE),
};

constexpr MenuItem kPopupItems[] = {
    Command("下一个频道", ids::IDM_NEXT_CHANNEL),
    Command("前一个频道", ids::IDM_PREV_CHANNEL),
    kSeparatorItem,
    Command("不透明界面", ids::IDM_OPAQUE),
    Command("半透明界面", ids::IDM_TRANSLUCENT),
    Command("全透明界面", ids::IDM_FULL_TRANSPARENT),
    kSeparatorItem,
    {kPopup, "导入/导出配置", 0, false, kImportExportItems},
    {kPopup, "背景图片", 0, false, kBackgroundItems},
    kSeparatorItem,
    Command("隐藏软件", ids::IDM_HIDE),
    kSeparatorItem,
    Command("软件更新", ids::IDM_UPDATE, true),
    Command("删除软件", ids::IDM_UNINSTALL),
    kSeparatorItem,
    Command("屏幕宽度显示", ids::IDM_FULL_WIDTH),
    Command("放到屏幕顶端", ids::IDM_DOCK_TOP),
    Command("放到屏幕底端", ids::IDM_DOCK_BOTTOM),
    kSeparatorItem,
    Command("使用说明", ids::IDM_HELP),
    Command("软件配置", ids::IDM_CONFIG),
    kSeparatorItem,
    Command("退出软件", ids::IDM_EXIT),
};

constexpr MenuItem kTickerMenu{kPopup, "q", 0, false, kPopupItems};

}  // namespace

const MenuItem& TickerMenu() {
  return kTickerMenu;
}

}  // namespace vb::res
