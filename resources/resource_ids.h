#pragma once

// Ids shared by the resources, the bar's commands and the dialogs; both desktops use these
// numbers unchanged.
namespace vb::ids {

// Resources.
inline constexpr int IDR_MENU = 100;
inline constexpr int IDI_BROADCAST = 102;
inline constexpr int IDD_CONFIG = 103;
inline constexpr int IDI_PREV = 143;
inline constexpr int IDI_NEXT = 144;
inline constexpr int IDD_HELP = 106;
inline constexpr int IDD_BKPIC = 137;
inline constexpr int IDD_IMPORT = 146;
inline constexpr int IDD_EXPORT = 147;

// Menu and bar commands.
inline constexpr int IDM_HIDE = 40001;
inline constexpr int IDM_CONFIG = 40002;
inline constexpr int IDM_EXIT = 40003;
inline constexpr int IDM_NEXT_CHANNEL = 40004;
inline constexpr int IDM_FULL_TRANSPARENT = 40005;
inline constexpr int IDM_OPAQUE = 40006;
inline constexpr int IDM_UNINSTALL = 40007;
inline constexpr int IDM_DOCK_TOP = 40008;
inline constexpr int IDM_DOCK_BOTTOM = 40009;
inline constexpr int IDM_TRANSLUCENT = 40011;
inline constexpr int IDM_HELP = 40012;
inline constexpr int IDM_UPDATE = 40013;
inline constexpr int IDC_MENU_ICON = 40016;
inline constexpr int IDM_PREV_CHANNEL = 40023;
inline constexpr int IDM_BKPIC_USE = 40024;
inline constexpr int IDM_BKPIC_NONE = 40025;
inline constexpr int IDM_IMPORT = 40029;
inline constexpr int IDM_EXPORT = 40030;
inline constexpr int IDM_FULL_WIDTH = 40031;

// Dialog controls.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_AUTOLOAD = 1000;
inline constexpr int IDC_FULL_TRANSPARENT = 1001;
inline constexpr int IDC_TRANSLUCENT = 1003;
inline constexpr int IDC_SMOOTH = 1004;
inline constexpr int IDC_SPEED = 1005;
inline constexpr int IDC_OPAQUE = 1006;
inline constexpr int IDC_DIR_LEFT = 1015;
inline constexpr int IDC_DIR_RIGHT = 1016;
inline constexpr int IDC_DIR_UP = 1017;
inline constexpr int IDC_DIR_DOWN = 1018;
inline constexpr int IDC_DIR_NONE = 1019;
inline constexpr int IDC_LINENUM = 1020;
inline constexpr int IDC_COLNUM = 1021;
inline constexpr int IDC_TFONT = 1022;
inline constexpr int IDC_CHANNEL_LIST = 1045;
inline constexpr int IDC_CHANNEL_URL = 1047;
inline constexpr int IDC_CHANNEL_HEADER = 1048;
inline constexpr int IDC_CHANNEL_ADD = 1049;
inline constexpr int IDC_CHANNEL_DELETE = 1050;
inline constexpr int IDC_TXTCOLOR = 1056;
inline constexpr int IDC_LNKCOLOR = 1057;
inline constexpr int IDC_VSTCOLOR = 1058;
inline constexpr int IDC_BGCOLOR = 1059;
inline constexpr int IDC_CHANNEL_NAME = 1060;
inline constexpr int IDC_CHANNEL_CODEPAGE = 1061;
inline constexpr int IDC_DEFTIMER = 1062;
inline constexpr int IDC_WIDTH = 1063;
inline constexpr int IDC_APPLY = 1064;
inline constexpr int IDC_BKPIC_PATH = 1068;
inline constexpr int IDC_IMPORT_PATH = 1075;
inline constexpr int IDC_EXPORT_PATH = 1076;
// Labels, notes and group boxes that no code addresses.
inline constexpr int IDC_STATIC = -1;

}  // namespace vb::ids
