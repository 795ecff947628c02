#include "resources/dialog_tables.h"
#include "resources/resource_ids.h"

namespace vb::res {
namespace {

using namespace ids;
using enum ControlKind;

constexpr Control kHelpControls[] = {
    {IDC_STATIC,
     kLabel,
     kNone,
     {15, 9, 346, 40},
     "简介：方便广播网吧新闻，功能丰富，使用灵活，小巧，免安装，纯绿色!\n"
     "\n"
     "使用：初始可进入配置菜单，添加自定义的网吧频道(http://或file://开头的RSS/XML格式文件)。\n"
     "\n"
     "特征：各种滚动方式，可设置字体大小、颜色、速度以及多行滚动；可透明或半透明显示；"},
    {IDC_STATIC,
     kLabel,
     kNone,
     {38, 50, 323, 16},
     "支持简、繁、英文新闻；鼠标左击新闻显示该新闻全部内容，鼠标移上新闻显示该新闻更多内容。"},
    {IDC_STATIC,
     kLabel,
     kNone,
     {16, 66, 351, 19},
     "其他：拉住广播图标可移动窗口；可为频道设置/更改名字或代码页；支持各频道独立滚动设置，等等；"
     "  欢迎向 Velloband 的作者提出建议和报告错误。"},
    {IDC_STATIC,
     kLabel,
     kNone,
     {16, 92, 351, 34},
     "扩展：频道XML文件名后加 vbco;可对该频道进行独立设置：\n"
     "cd表方向(up,down,left,right)，cs表速度，ct表停留时间，ccn表每行新闻数，cnd是无描述标志。\n"
     "http://example.com/news.xml vbco;cd=up;cs=22;ct=3000;ccn=2;cnd=1;\n"
     "表示该频道是向上滚动，每次滚动22点，每次滚动后停留3秒，每行2个新闻，该频道的新闻不需要描述"
     "。"},
    {IDC_STATIC,
     kLabel,
     kNone,
     {16, 133, 351, 33},
     "删除：选择菜单的删除项进行删除，然后直接删除可执行文件 Velloband.exe 即可。\n"
     "\n"
     "注意：软件本身良好自动支持各种编码格式的XML链接。如新闻显示时出现乱码(这一般是XML链接本身没有"
     "正确进行编码)"
     "，可在配置中点击该频道，输入正确的代码页，按添加即可。对于频道的改名可同样进行。"},
    {IDC_STATIC,
     kLabel,
     kNone,
     {16, 174, 351, 20},
     "更新：正常情况下，有新版本就自动提示去软件主页下载。"
     "也可选择菜单中的软件更新项，打开下载页面手工下载新版本。"},
    {IDOK, kDefaultPushButton, kGroupStart, {141, 194, 50, 14}, "确定"},
};

// The three field dialogs share one layout below their prompt.
constexpr Control kBkPicControls[] = {
    {IDC_STATIC,
     kLabel,
     kNone,
     {14, 4, 185, 27},
     "输入网络或本地背景图片(jpg, gif, ...)的地址，如:\n"
     "http://example.com/picture.jpg,或\n"
     "d:/yourspic.jpg, c:/yourdir/yourpic.gif, ..."},
    {IDC_BKPIC_PATH, kEdit, kHScroll | kGroupStart, {14, 31, 177, 12}, ""},
    {IDC_APPLY, kDefaultPushButton, kNone, {14, 47, 50, 12}, "应用"},
    {IDOK, kDefaultPushButton, kNone, {78, 47, 50, 12}, "确定"},
    {IDCANCEL, kPushButton, kNone, {141, 47, 50, 12}, "取消"},
};

constexpr Control kImportControls[] = {
    {IDC_STATIC,
     kLabel,
     kCentered,
     {11, 13, 185, 18},
     "将如下的配置文件导入，如：c:/velloband.cnf"},
    {IDC_IMPORT_PATH, kEdit, kHScroll | kGroupStart, {14, 31, 177, 12}, ""},
    {IDC_APPLY, kDefaultPushButton, kNone, {14, 47, 50, 12}, "应用"},
    {IDOK, kDefaultPushButton, kNone, {78, 47, 50, 12}, "确定"},
    {IDCANCEL, kPushButton, kNone, {141, 47, 50, 12}, "取消"},
};

constexpr Control kExportControls[] = {
    {IDC_STATIC,
     kLabel,
     kCentered,
     {10, 13, 187, 18},
     "将当前配置导出为如下地址，如：c:/velloband.cnf"},
    {IDC_EXPORT_PATH, kEdit, kHScroll | kGroupStart, {14, 31, 177, 12}, ""},
    {IDC_APPLY, kDefaultPushButton, kNone, {14, 47, 50, 12}, "应用"},
    {IDOK, kDefaultPushButton, kNone, {78, 47, 50, 12}, "确定"},
    {IDCANCEL, kPushButton, kNone, {141, 47, 50, 12}, "取消"},
};

}  // namespace

const Dialog kHelpDialog{IDD_HELP, "V1.14－帮助", 374, 216, 80, 120, kHelpControls};
const Dialog kBkPicDialog{IDD_BKPIC, "背景图片", 207, 66, 300, 200, kBkPicControls};
const Dialog kImportDialog{
    IDD_IMPORT, "导入配置文件(按确定后请重运行本软件)", 207, 66, 300, 200, kImportControls};
const Dialog kExportDialog{IDD_EXPORT, "导出配置文件", 207, 66, 300, 200, kExportControls};

}  // namespace vb::res
