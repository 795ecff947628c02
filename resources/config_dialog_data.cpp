#include "resources/dialog_tables.h"
#include "resources/resource_ids.h"

namespace vb::res {
namespace {

using namespace ids;
using enum ControlKind;

constexpr Control kConfigControls[] = {
    {IDC_STATIC, kGroupBox, kNone, {7, 7, 197, 66}, "滚动设置"},
    {IDC_STATIC, kGroupBox, kNone, {7, 79, 197, 158}, "显示设置"},
    {IDC_STATIC, kGroupBox, kNone, {7, 242, 197, 57}, "其它设置"},
    {IDC_STATIC, kGroupBox, kNone, {211, 242, 217, 57}, "注：针对各频道的独立设置"},

    // Scrolling.
    {IDC_STATIC, kLabel, kNone, {12, 18, 32, 8}, "滚动方向"},
    {IDC_DIR_LEFT, kRadioButton, kGroupStart, {45, 18, 27, 10}, "向左"},
    {IDC_DIR_RIGHT, kRadioButton, kNone, {76, 18, 28, 10}, "向右"},
    {IDC_DIR_UP, kRadioButton, kNone, {107, 18, 28, 10}, "向上"},
    {IDC_DIR_DOWN, kRadioButton, kNone, {138, 18, 27, 10}, "向下"},
    {IDC_DIR_NONE, kRadioButton, kNone, {167, 18, 34, 10}, "不滚动"},
    {IDC_STATIC, kLabel, kGroupStart, {12, 32, 32, 8}, "滚动速度"},
    {IDC_SMOOTH, kEdit, kDigitsOnly, {45, 30, 36, 12}, ""},
    {IDC_STATIC, kLabel, kNone, {85, 32, 117, 8}, "(1表示最慢速，9999表示速度最快)"},
    {IDC_STATIC, kLabel, kNone, {12, 46, 32, 8}, "停留时间"},
    {IDC_SPEED, kEdit, kDigitsOnly, {45, 44, 36, 12}, ""},
    {IDC_STATIC, kLabel, kNone, {85, 46, 117, 8}, "(20表示最小，9999表示时间最长)"},
    {IDC_STATIC,
     kLabel,
     kDisabled,
     {12, 59, 190, 12},
     "注：选择不滚动时，最好将停留时间设置为大于等于1000"},

    // Display.
    {IDC_STATIC, kLabel, kNone, {12, 90, 32, 8}, "显示行数"},
    {IDC_LINENUM, kEdit, kDigitsOnly, {45, 88, 36, 12}, ""},
    {IDC_STATIC, kLabel, kNone, {85, 90, 117, 8}, "(1-10，最小1行，最大分10行显示)"},
    {IDC_STATIC, kLabel, kNone, {12, 104, 32, 8}, "每行新闻"},
    {IDC_COLNUM, kEdit, kDigitsOnly, {45, 102, 36, 12}, ""},
    {IDC_STATIC, kLabel, kNone, {85, 104, 117, 8}, "(1-10，垂直滚动下，每1行新闻数)"},
    {IDC_STATIC, kLabel, kNone, {12, 118, 32, 8}, "字体大小"},
    {IDC_TFONT, kEdit, kDigitsOnly, {45, 116, 36, 12}, ""},
    {IDC_STATIC, kLabel, kNone, {85, 118, 117, 8}, "(12-50，最小字体12，最大字体50)"},
    {IDC_STATIC, kLabel, kNone, {12, 131, 40, 8}, "背景颜色"},
    {IDC_STATIC, kLabel, kNone, {63, 131, 40, 8}, "字体颜色"},
    {IDC_STATIC, kLabel, kNone, {115, 131, 40, 8}, "链接颜色"},
    {IDC_STATIC, kLabel, kNone, {168, 131, 34, 8}, "访问颜色"},
    {IDC_BGCOLOR, kEdit, kNone, {12, 141, 30, 12}, ""},
    {IDC_TXTCOLOR, kEdit, kNone, {63, 141, 30, 12}, ""},
    {IDC_LNKCOLOR, kEdit, kNone, {115, 141, 31, 12}, ""},
    {IDC_VSTCOLOR, kEdit, kNone, {168, 141, 31, 12}, ""},
    {IDC_OPAQUE, kRadioButton, kGroupStart, {12, 157, 50, 10}, "不透明背景"},
    {IDC_FULL_TRANSPARENT, kRadioButton, kNone, {80, 157, 50, 10}, "全透明背景"},
    {IDC_TRANSLUCENT, kRadioButton, kNone, {152, 157, 49, 10}, "半透明背景"},
    {IDC_STATIC,
     kLabel,
     kDisabled | kGroupStart,
     {12, 170, 190, 8},
     "注：颜色分别针对新闻文本、链接、已访问过的链接颜色"},
    {IDC_STATIC,
     kLabel,
     kDisabled,
     {12, 180, 190, 8},
     "注：每行新闻的设置仅针对垂直滚动，对水平方式则无效"},
    {IDC_STATIC,
     kLabel,
     kDisabled,
     {12, 190, 190, 45},
     "注：颜色为红绿蓝的组合。格式为：RrGgBb组合。例如\n"
     "ff0000表红色，00ff00表绿色，0000ff表蓝色\n"
     "000000表黑色，ffffff表白色，d8d8d8表灰色\n"
     "或直接输入black, white, red, green, blue, \n"
     "yellow, orange, silver, gray等常见颜色。"},

    // Other settings.
    {IDC_STATIC, kLabel, kNone, {12, 254, 72, 8}, "即时新闻的显示宽度"},
    {IDC_WIDTH, kEdit, kDigitsOnly, {85, 252, 31, 12}, ""},
    {IDC_STATIC, kLabel, kNone, {119, 254, 83, 8}, "(像素单位，大小0-9999)"},
    {IDC_STATIC, kLabel, kNone, {12, 269, 72, 8}, "频道的缺省显示时间"},
    {IDC_DEFTIMER, kEdit, kDigitsOnly, {85, 267, 31, 12}, ""},
    {IDC_STATIC, kLabel, kNone, {119, 269, 83, 8}, "(秒单位，大小10-9999)"},
    {IDC_AUTOLOAD, kCheckBox, kNone, {14, 284, 53, 10}, "随开机启动"},

    // Channels.
    {IDC_STATIC, kLabel, kNone, {211, 7, 216, 8}, "已有的网吧频道(最多10个频道)"},
    {IDC_CHANNEL_LIST, kListBox, kNotify | kVScroll, {211, 17, 216, 82}, ""},
    {IDC_STATIC, kLabel, kNone, {211, 106, 54, 8}, "所选频道代码页"},
    {IDC_CHANNEL_CODEPAGE, kEdit, kDigitsOnly, {266, 104, 31, 12}, ""},
    {IDC_STATIC, kLabel, kNone, {300, 106, 127, 8}, "(如936/950/65001对应简/繁体/UTF8)"},
    {IDC_STATIC,
     kLabel,
     kDisabled,
     {211, 119, 216, 8},
     "注：代码页正常下不用设置，仅当该频道出现乱码时才需手工指定"},
    {IDC_STATIC, kLabel, kNone, {211, 136, 108, 8}, "请输入服务器端的频道地址"},
    {IDC_CHANNEL_ADD, kPushButton, kNone, {323, 130, 50, 14}, "添加"},
    {IDC_CHANNEL_DELETE, kPushButton, kNone, {377, 130, 50, 14}, "删除"},
    {IDC_CHANNEL_URL, kEdit, kHScroll, {211, 147, 216, 12}, ""},
    {IDC_STATIC, kLabel, kNone, {211, 165, 74, 8}, "输入或更改频道名称"},
    {IDC_CHANNEL_NAME, kEdit, kHScroll, {286, 163, 141, 12}, ""},
    {IDC_STATIC, kLabel, kNone, {211, 179, 100, 8}, "当前频道的文件头"},
    {IDC_CHANNEL_HEADER, kEdit, kMultiLine | kDisabled, {211, 189, 217, 48}, ""},
    {IDC_STATIC,
     kLabel,
     kNone,
     {216, 253, 207, 42},
     "在频道地址后加 vbco; 再加选项即可单独设置该频道：cd表方向(up,down,left,right,no)，"
     "cs表滚动速度，ct表停留时间，ccn表每行新闻数，cnd为1表无描述、为0表有描述。例如：\n"
     "file://c:\\abc.xml vbco;cd=up;cs=2;ct=500;ccn=2;\n"
     "表示该频道向上滚动，每行2个新闻。"},

    // Version, credits and the buttons.
    {IDC_STATIC, kLabel, kNone, {10, 305, 104, 20}, "Velloband V1.1\nVelloband 作者"},
    {IDC_APPLY, kPushButton, kNone, {118, 314, 50, 14}, "应用"},
    {IDOK, kDefaultPushButton, kNone, {184, 314, 50, 14}, "确定"},
    {IDCANCEL, kPushButton, kNone, {250, 314, 50, 14}, "关闭"},
};

}  // namespace

const Dialog kConfigDialog{IDD_CONFIG, "V1.14－配置", 435, 343, 100, 100, kConfigControls};

}  // namespace vb::res
