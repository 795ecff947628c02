#include "render/page_frame.h"

#include "render/gb_texts.h"
#include "render/safe_output.h"
#include "settings/decimal_text.h"

namespace vb {

FrameForm FrameFormOf(std::string_view dir) {
  const char first = dir.empty() ? '\0' : dir.front();
  if (first == 'n') return FrameForm::kRoll;
  if (first == 'l' || first == 'r') return FrameForm::kHorizontal;
  if (first == 'u' || first == 'd') return FrameForm::kVertical;
  return FrameForm::kOther;
}

long long LineHeight(std::string_view tFont) {
  return 3LL * Atoi(tFont) / 2;
}

std::string ComposeHead(const PageRenderRequest& r) {
  std::string head =
      "<meta http-equiv=Content-Type content=\"text/html; charset=gb2312\"><style "
      "type=\"text/css\">body{margin:0;padding:0;font:";
  head += r.tFont;
  head += " courier;line-height:";
  head += std::to_string(LineHeight(r.tFont));
  head += "px;background:";
  head += r.bgColor;
  head += " url(";
  AppendStyleUrl(head, r.bkPic);
  head += ")}a:link{color:";
  head += r.txtColor;
  head += ";text-decoration:none}a:visited{color:";
  head += r.vstColor;
  head += ";text-decoration:none}a:hover{color:";
  head += r.lnkColor;
  head += ";text-decoration:underline}</style><body oncontextmenu=return(false) scroll=no>";
  return head;
}

std::string ComposeControlBar(const ChannelOptions& options, long long blockHeight) {
  std::string bar =
      "<STYLE TYPE=\"text/css\">a.b1:link{color:ff0000;text-decoration:none}a.b1:visited{color:"
      "ff0000;text-decoration:none}a.b1:hover{color:00ff00;text-decoration:none}a.b2:link{color:"
      "00ff00;text-decoration:none}a.b2:visited{color:00ff00;text-decoration:none}a.b2:hover{"
      "color:ff0000;text-decoration:none}</STYLE><div style=\"position:absolute;font-size:15;top:"
      "0;left:20;z-index:2\"><a id=f href='javascript:void(0)' CLASS=b1";
  const FrameForm form = FrameFormOf(options.dir);
  if (form == FrameForm::kRoll) {
    bar += ">< </a><a id=s href='javascript:void(0)' CLASS=b2>";
    bar += gb::kStopMark;
    bar +=
        "</a><a id=b href='javascript:void(0)' CLASS=b1> ></a></div><div "
        "style=\"position:absolute;top:0;left:72;z-index:1;overflow:hidden;height:";
    bar += std::to_string(blockHeight);
    bar += "px\">";
    return bar;
  }
  const bool horizontal = form == FrameForm::kHorizontal;
  const std::string& s = options.smooth;
  const std::string& d = options.dir;
  bar += " onmouseover=\"m.scrollAmount=" + s + "+3;m.direction='";
  bar += horizontal ? "left" : "up";
  bar += "';m.start()\" onmouseout=\"m.scrollAmount=" + s + ";m.direction='" + d;
  bar += "'\">< </a><a href='javascript:void(0)' CLASS=b2 onmouseover=m.stop()>";
  bar += gb::kStopMark;
  bar += "</a><a href='javascript:void(0)' CLASS=b1 onmouseover=\"m.scrollAmount=" + s +
         "+3;m.direction='";
  bar += horizontal ? "right" : "down";
  bar += "';m.start()\" onmouseout=\"m.scrollAmount=" + s + ";m.direction='" + d;
  bar += "'\"> ></a></div><div style=\"position:absolute;top:0;left:72;z-index:1\">";
  return bar;
}

std::string ComposeScrollerOpening(const ChannelOptions& options, long long blockHeight) {
  const FrameForm form = FrameFormOf(options.dir);
  if (form == FrameForm::kRoll) return "<div id=d><div>";
  std::string opening =
      "<marquee id=m onmouseover='this.stop()' onmouseout='this.start()' direction=" + options.dir;
  if (form == FrameForm::kVertical) opening += " height=" + std::to_string(blockHeight);
  opening += " scrollamount=" + options.smooth + " scrollDelay=" + options.speed +
             " truespeed><div id=d><div>";
  return opening;
}

std::string ComposeNoticeLine(std::string_view address) {
  if (address.empty()) {
    return std::string("<a><font color=red>") + gb::kNoChannel + "</a>";
  }
  std::string line = "<a href=";
  AppendSafeLink(line, address);
  line += " target=_blank><font color=red>";
  line += gb::kChannelEmpty;
  line += "</a>";
  return line;
}

std::string ComposeClosing(const ChannelOptions& options, int lineNum) {
  std::string closing = "</div></div>";
  if (FrameFormOf(options.dir) != FrameForm::kRoll) return closing + "</marquee></div>";
  const std::string& t = options.speed;
  const std::string l = std::to_string(lineNum);
  closing += "</div><script>var t=setInterval(roll," + t +
             ");var c=document.getElementById(\"d\");function roll(){var i=" + l +
             ";while(i-->0) c.appendChild(c.firstChild)};function rroll(){var i=" + l +
             ";while(i-->0) c.insertBefore(c.removeChild(c.lastChild),c.firstChild);};"
             "d.onmouseover=function(){clearInterval(t);};d.onmouseout=function(){t=setInterval("
             "roll," +
             t + ");};f.onmouseover=function(){clearInterval(t);t=setInterval(roll," + t +
             "/3);};f.onmouseout=function(){clearInterval(t);t=setInterval(roll," + t +
             ");};s.onmouseover=function(){clearInterval(t)};b.onmouseover=function(){"
             "clearInterval(t);t=setInterval(rroll," +
             t + "/3);};b.onmouseout=function(){clearInterval(t);t=setInterval(rroll," + t +
             ");}</script>";
  return closing;
}

}  // namespace vb
