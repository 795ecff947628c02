#pragma once

#include <string_view>

// Texts that code shows, beside those that the menu and dialog resources hold. UTF-8; the
// program's code page 936 comes from Utf8To936 (settings/text_936.h).
namespace vb::res::text {

// The tray icon's tip; in code page 936 it must fit 63 bytes.
inline constexpr std::string_view kTrayTip = "VellobandV1.1\n\n网吧新闻广播\nVelloband 作者";

// What the configuration dialog's header view shows.
inline constexpr std::string_view kEmptyTableHint =
    "当前广播频道表为空，请在上面编辑框内输入服务器上以http://开头的RSS/XML链接，再按添加按钮添加。"
    "底下是一个RSS/XML例子:   http://example.com/news.xml  "
    "请注意，这里显示的广播频道的头内容如有乱码也没关系，实际显示时将是正常的。";
inline constexpr std::string_view kChannelHint =
    "点击已有频道显示该频道部分头内容，可和参考格式比较以确定有效性。双击已有频道显示该频道内容。"
    "这里出现乱码没关系。注：因网络连接情况，点击广播频道，有时并不能立即显示头内容，"
    "可能需要等一段时间，再点击该频道才能显示其头内容。";
inline constexpr std::string_view kNoChannelFile = "文件不存在或正在下载，请稍后再点击该广播频道";
inline constexpr std::string_view kEmptyChannelFile = "空文件!";

// The message box of a link that no browser would open, above its address.
inline constexpr std::string_view kCannotOpenLink = "无法打开链接：";

}  // namespace vb::res::text
