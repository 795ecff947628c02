#include "pageview/page_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <memory>
#include <new>
#include <tuple>

#include "pageview/page_markup.h"
#include "pageview/page_script.h"
#include "pageview/page_style.h"
#include "pageview/page_text.h"
#include "render/gb_texts.h"
#include "settings/file_io.h"
#include "settings/text_shape.h"

namespace vb {
namespace {

constexpr int kDefaultStep = 6;
// The renderer's pages stay around a megabyte; a larger file is not one of them.
constexpr std::size_t kLargestPageFile = 8u << 20;
constexpr int kDefaultDelayMs = 85;
constexpr int kSlowestUntrueDelayMs = 60;  // a marquee without truespeed waits at least this
// Formatting nested deeper than this comes from no note; each run looks through all of it.
constexpr std::size_t kDeepestFormatting = 64;

// A marquee's number as a browser reads it; a negative one or none leaves the default.
std::optional<int> NonNegative(std::optional<std::string_view> value) {
  std::optional<int> number = LeadingInteger(value.value_or(""));
  return number && *number >= 0 ? number : std::nullopt;
}

bool IsBlankText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsHtmlSpace);
}

// The roll script: its first timer, how many groups one turn moves, and the handlers it
// attaches to the items (d) and to the controls (f, s, b).
struct RollScript {
  std::optional<RollTimer> timer;
  std::optional<int> lines;
  std::map<std::string, std::pair<PageAction, PageAction>> handlers;  // id: over, out
};

RollScript ReadRollScript(std::string_view script) {
  RollScript roll;
  std::size_t start = script.find("var t=");
  if (start != std::string_view::npos) {
    std::string_view first = script.substr(start + 4);
    roll.timer = ReadHandler(first.substr(0, first.find(';'))).roll;
  }
  std::size_t count = script.find("var i=");
  if (count != std::string_view::npos) roll.lines = IntegerExpression(script.substr(count + 6));
  for (std::string_view event : {".onmouseover=function(){", ".onmouseout=function(){"}) {
    for (std::size_t at = script.find(event); at != std::string_view::npos;
         at = script.find(event, at + 1)) {
      std::size_t idStart = script.find_last_of(";}", at);
      idStart = idStart == std::string_view::npos ? 0 : idStart + 1;
      std::string id(script.substr(idStart, at - idStart));
      std::string_view body = script.substr(at + event.size());
      PageAction action = ReadHandler(body.substr(0, body.find('}')));
      auto& entry = roll.handlers[id];
      (event.starts_with(".onmouseover") ? entry.first : entry.second) = action;
    }
  }
  return roll;
}

class Reader {
 public:
  PageModel Read(std::string_view page) {
    std::vector<MarkupToken> tokens = TokenizeMarkup(page);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
      const MarkupToken& token = tokens[i];
      if (groupDepth_ > 0) {
        // A script or style element inside the scroller shows nothing, except inside a headline,
        // whose own text the renderer wrote.
        bool hidden = token.isTag && !token.closing &&
                      (token.name == "script" || token.name == "style") && !InHeadline();
        if (hidden && i + 1 < tokens.size() && !tokens[i + 1].isTag) ++i;
        if (!hidden) Content(token);
      } else if (token.isTag && !token.closing &&
                 (token.name == "style" || token.name == "script") && i + 1 < tokens.size() &&
                 !tokens[i + 1].isTag) {
        if (token.name == "style") {
          ReadStyleRules(tokens[i + 1].source, rules_);
          if (!sawHead_) ReadHeadStyle(tokens[i + 1].source, rules_, model_.head);
          sawHead_ = true;
        } else {
          script_ = ReadRollScript(tokens[i + 1].source);
        }
        ++i;
      } else {
        Frame(token);
      }
    }
    Finish();
    return std::move(model_);
  }

 private:
  // The head, the control bar, the positioned divisions and the marquee.
  void Frame(const MarkupToken& token) {
    if (!token.isTag) {
      if (control_ != nullptr) {
        control_->text += DecodeWithBlanks(token.source, ReferenceContext::kText);
      }
      return;
    }
    if (token.name == "div" && !token.closing) {
      std::string style(token.Attribute("style").value_or(""));
      if (token.Attribute("id") == "d") {
        groupDepth_ = 1;
      } else if (!style.empty() && !sawControlBar_) {
        sawControlBar_ = true;
        inControlBar_ = true;
        StyleRules rules;
        ReadStyleRules("div{" + style + "}", rules);
        if (auto left = LeadingInteger(rules["div"]["left"])) model_.controlBar.left = *left;
        if (auto size = LeadingInteger(rules["div"]["font-size"])) {
          model_.controlBar.fontPx = std::min(*size, kLargestPagePixels);
        }
      } else if (!style.empty()) {
        StyleRules rules;
        ReadStyleRules("div{" + style + "}", rules);
        if (auto left = LeadingInteger(rules["div"]["left"])) model_.scroller.left = *left;
        if (rules["div"].count("height") != 0) {
          model_.scroller.height = LeadingInteger(rules["div"]["height"]);
        }
      }
    } else if (token.name == "div" && token.closing) {
      inControlBar_ = false;
    } else if (token.name == "a" && inControlBar_) {
      control_ = nullptr;
      if (token.closing) return;
      PageControl& control = model_.controlBar.controls.emplace_back();
      control_ = &control;
      std::string cls(token.Attribute("class").value_or(""));
      for (char& c : cls) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      control.colour = Rule("a." + cls + ":link");
      control.hoverColour = Rule("a." + cls + ":hover");
      control.over = ReadHandler(token.Attribute("onmouseover").value_or(""));
      control.out = ReadHandler(token.Attribute("onmouseout").value_or(""));
      controlIds_.emplace_back(token.Attribute("id").value_or(""));
    } else if (token.name == "marquee" && !token.closing) {
      Marquee(token);
    }
  }

  void Marquee(const MarkupToken& token) {
    PageScroller& scroller = model_.scroller;
    scroller.form = ScrollerForm::kMarquee;
    sawMarquee_ = true;
    scroller.heading = HeadingOf(token.Attribute("direction").value_or(""));
    if (auto height = token.Attribute("height")) scroller.height = LeadingInteger(*height);
    scroller.step = NonNegative(token.Attribute("scrollamount")).value_or(kDefaultStep);
    scroller.delayMs = NonNegative(token.Attribute("scrolldelay")).value_or(kDefaultDelayMs);
    if (!token.Attribute("truespeed")) {
      scroller.delayMs = std::max(scroller.delayMs, kSlowestUntrueDelayMs);
    }
    scroller.over = ReadHandler(token.Attribute("onmouseover").value_or(""));
    scroller.out = ReadHandler(token.Attribute("onmouseout").value_or(""));
  }

  // Inside the item division: groups, links, the notice and the update notice.
  void Content(const MarkupToken& token) {
    if (!token.isTag) {
      AddText(DecodeEntities(token.source));
      return;
    }
    const std::string& name = token.name;
    if (name == "div") {
      if (token.closing) {
        --groupDepth_;
      } else if (++groupDepth_ == 2) {
        model_.groups.emplace_back();
      }
      anchor_.reset();
      return;
    }
    if (name == "a") {
      LeaveAnchor();
      if (!token.closing) OpenAnchor(token);
    } else if (name == "br") {
      PageRun& run = NewRun(kindHere());
      run.lineBreak = true;
    } else if (IsFormatting(name)) {
      if (token.closing) {
        CloseFormat(name);
      } else {
        if (formats_.size() < kDeepestFormatting) formats_.push_back(FormatOf(token));
      }
    } else if (InHeadline()) {
      AddText(std::string(token.source));
    }
  }

  // The elements the update notice may use to style its text; any other tag draws nothing.
  static bool IsFormatting(const std::string& name) {
    return name == "font" || name == "b" || name == "strong" || name == "i" || name == "em" ||
           name == "u";
  }

  struct Format {
    std::string name, colour, face;
    int fontPx = 0;
  };

  // A font's size 1 to 7, or one relative to 3 ("+2"), in the browser's pixels.
  static int FontSizePx(std::string_view size) {
    static constexpr int kPixels[] = {10, 13, 16, 18, 24, 32, 48};
    size = TrimBlanks(size);
    if (size.empty()) return 0;
    int sign = size[0] == '-' ? -1 : size[0] == '+' ? 1 : 0;
    if (sign != 0) size.remove_prefix(1);
    std::optional<int> value = LeadingInteger(size);
    if (!value || size.empty() || !std::isdigit(static_cast<unsigned char>(size[0]))) return 0;
    long long level = sign == 0 ? *value : 3LL + sign * static_cast<long long>(*value);
    return kPixels[std::clamp<long long>(level, 1, 7) - 1];
  }

  static Format FormatOf(const MarkupToken& token) {
    Format format;
    format.name = token.name;
    if (token.name == "font") {
      format.colour = TrimBlanks(token.Attribute("color").value_or(""));
      format.face = TrimBlanks(token.Attribute("face").value_or(""));
      format.fontPx = FontSizePx(token.Attribute("size").value_or(""));
    }
    return format;
  }

  // An end tag closes the latest element of its name; the ones opened inside it go on.
  void CloseFormat(const std::string& name) {
    for (std::size_t i = formats_.size(); i-- > 0;) {
      if (formats_[i].name != name) continue;
      formats_.erase(formats_.begin() + static_cast<std::ptrdiff_t>(i));
      if (anchor_ && i < anchor_->formatsOutside) --anchor_->formatsOutside;
      return;
    }
  }

  bool InHeadline() const { return anchor_ && (anchor_->item || anchor_->notice); }

  void OpenAnchor(const MarkupToken& token) {
    Anchor anchor;
    anchor.address = token.Attribute("href").value_or("");
    auto title = token.Attribute("title");
    anchor.item = title.has_value() && token.Attribute("target").has_value();
    anchor.tooltip = title.value_or("");
    anchor.formatsOutside = formats_.size();
    anchor.link = ++links_;
    anchor_ = anchor;
  }

  // Formatting opened inside a link goes on after it, as a browser reopens it.
  void LeaveAnchor() {
    if (!anchor_) return;
    if (anchor_->item || anchor_->notice) sawLine_ = true;
    anchor_.reset();
  }

  RunKind kindHere() const {
    if (anchor_ && anchor_->item) return RunKind::kItem;
    if (anchor_ && anchor_->notice) return RunKind::kNotice;
    return sawLine_ ? RunKind::kText : RunKind::kUpdate;
  }

  void AddText(const std::string& text) {
    if (text.empty()) return;
    if (anchor_ && !anchor_->item && !anchor_->seenText &&
        (text == gb::kNoChannel || text == gb::kChannelEmpty)) {
      anchor_->notice = true;
    }
    if (anchor_) anchor_->seenText = true;
    RunKind kind = kindHere();
    if (kind == RunKind::kUpdate && IsBlankText(text) && CurrentGroup().runs.empty()) return;
    PageRun& run = NewRun(kind);
    run.text = text;
  }

  PageRun& NewRun(RunKind kind) {
    PageRun& run = CurrentGroup().runs.emplace_back();
    run.kind = kind;
    if (anchor_) {
      run.address = anchor_->address;
      run.link = anchor_->link;
      run.tooltip = anchor_->tooltip;
    }
    std::size_t colourFrom = anchor_ ? anchor_->formatsOutside : 0;
    for (std::size_t i = 0; i < formats_.size(); ++i) {
      const Format& format = formats_[i];
      if (i >= colourFrom && !format.colour.empty()) run.colour = format.colour;
      if (format.fontPx != 0) run.fontPx = format.fontPx;
      if (!format.face.empty()) run.face = format.face;
      run.bold |= format.name == "b" || format.name == "strong";
      run.italic |= format.name == "i" || format.name == "em";
      run.underline |= format.name == "u";
    }
    return run;
  }

  PageGroup& CurrentGroup() {
    if (model_.groups.empty()) model_.groups.emplace_back();
    return model_.groups.back();
  }

  std::string Rule(const std::string& selector) {
    auto rule = rules_.find(selector);
    if (rule == rules_.end()) return {};
    auto colour = rule->second.find("color");
    return colour == rule->second.end() ? std::string() : colour->second;
  }

  // The roll form is the one without a marquee; its script supplies the handlers.
  void Finish() {
    PageScroller& scroller = model_.scroller;
    if (sawMarquee_) return;
    scroller.form = ScrollerForm::kRoll;
    scroller.roll = script_.timer;
    scroller.rollLines = script_.lines.value_or(1);
    auto handlers = [&](const std::string& id) {
      auto found = script_.handlers.find(id);
      return found == script_.handlers.end() ? std::pair<PageAction, PageAction>{} : found->second;
    };
    std::tie(scroller.over, scroller.out) = handlers("d");
    for (std::size_t i = 0; i < model_.controlBar.controls.size() && i < controlIds_.size(); ++i) {
      PageControl& control = model_.controlBar.controls[i];
      std::tie(control.over, control.out) = handlers(controlIds_[i]);
    }
  }

  struct Anchor {
    std::string address, tooltip;
    bool item = false;
    bool notice = false;
    bool seenText = false;
    std::size_t formatsOutside = 0;
    std::size_t link = 0;
  };

  PageModel model_;
  StyleRules rules_;
  RollScript script_;
  bool sawHead_ = false, sawControlBar_ = false, inControlBar_ = false, sawMarquee_ = false,
       sawLine_ = false;
  PageControl* control_ = nullptr;
  std::vector<std::string> controlIds_;
  int groupDepth_ = 0;
  std::optional<Anchor> anchor_;
  std::vector<Format> formats_;
  std::size_t links_ = 0;
};

}  // namespace

PageModel ReadPage(std::string_view page) {
  return Reader().Read(page);
}

std::optional<PageModel> ReadPageFile(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenFile(path, "rb"), &std::fclose);
  if (!file) return std::nullopt;
  try {
    std::string text;
    char buffer[1 << 16];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
      text.append(buffer, got);
      if (text.size() > kLargestPageFile) return std::nullopt;
    }
    if (std::ferror(file.get())) return std::nullopt;
    std::string page;
    page.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
      page += text[i];
    }
    return ReadPage(page);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace vb
