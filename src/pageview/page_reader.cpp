#include "pageview/page_reader.h"

#include <algorithm>
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

namespace vb {
namespace {

constexpr int kDefaultStep = 6;
// The renderer's pages stay around a megabyte; a larger file is not one of them.
constexpr std::size_t kLargestPageFile = 8u << 20;
constexpr int kDefaultDelayMs = 85;
constexpr int kSlowestUntrueDelayMs = 60;  // a marquee without truespeed waits at least this

bool IsBlankText(std::string_view text) {
  return text.find_first_not_of(" \t\r\n\f") == std::string_view::npos;
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
        Content(token);
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
      if (control_ != nullptr) control_->text += DecodeEntities(token.source);
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
    scroller.step =
        LeadingInteger(token.Attribute("scrollamount").value_or("")).value_or(kDefaultStep);
    scroller.delayMs =
        LeadingInteger(token.Attribute("scrolldelay").value_or("")).value_or(kDefaultDelayMs);
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
    } else if (name == "font") {
      if (token.closing && !fonts_.empty()) fonts_.pop_back();
      if (!token.closing) fonts_.emplace_back(token.Attribute("color").value_or(""));
    } else if (name == "b") {
      bold_ = token.closing ? std::max(0, bold_ - 1) : bold_ + 1;
    } else if (name == "br") {
      PageRun& run = NewRun(kindHere());
      run.lineBreak = true;
    } else {
      AddText(std::string(token.source));
    }
  }

  void OpenAnchor(const MarkupToken& token) {
    Anchor anchor;
    anchor.address = token.Attribute("href").value_or("");
    auto title = token.Attribute("title");
    anchor.item = title.has_value() && token.Attribute("target").has_value();
    anchor.tooltip = title.value_or("");
    anchor.fontsOutside = fonts_.size();
    anchor_ = anchor;
  }

  void LeaveAnchor() {
    if (!anchor_) return;
    fonts_.resize(std::min(fonts_.size(), anchor_->fontsOutside));
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
      run.tooltip = anchor_->tooltip;
    }
    if (!fonts_.empty()) run.colour = fonts_.back();
    run.bold = bold_ > 0;
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
    std::size_t fontsOutside = 0;
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
  std::vector<std::string> fonts_;
  int bold_ = 0;
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
