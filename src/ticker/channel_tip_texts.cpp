#include "ticker/channel_tip_texts.h"

#include "resources/resource_ids.h"
#include "ticker/texts.h"

namespace vb {

namespace {

constexpr int kTipIcons[] = {ids::IDM_PREV_CHANNEL, ids::IDM_NEXT_CHANNEL};

}  // namespace

void ChannelTipTexts::Create(int shownIndex, int previousIndex) {
  const bool prev = tips_.CreateTooltip(ids::IDM_PREV_CHANNEL);
  const bool next = tips_.CreateTooltip(ids::IDM_NEXT_CHANNEL);
  if (!prev || !next) return;
  ready_ = true;
  std::string text;
  if (table_.count > 0) {
    text = NameOr(shownIndex, texts::kNoShownName);
    SetTitles(previousIndex);
  }
  for (const int icon : kTipIcons) tips_.AddTooltipTool(icon, text);
  for (const int icon : kTipIcons) tips_.ActivateTooltip(icon);
}

void ChannelTipTexts::Update(int shownIndex, int previousIndex) {
  if (!ready_) return;
  const std::string text = NameOr(shownIndex, texts::kNoShownName);
  SetTitles(previousIndex);
  for (const int icon : kTipIcons) tips_.UpdateTooltipText(icon, text);
}

void ChannelTipTexts::Clear() {
  if (!ready_) return;
  for (const int icon : kTipIcons) tips_.UpdateTooltipText(icon, "");
}

void ChannelTipTexts::SetTitles(int previousIndex) {
  tips_.SetTooltipTitle(ids::IDM_PREV_CHANNEL, NameOr(previousIndex, texts::kNoPreviousName));
  tips_.SetTooltipTitle(ids::IDM_NEXT_CHANNEL, NameOr(table_.current, texts::kNoNextName));
}

std::string ChannelTipTexts::NameOr(int index, const char* unset) const {
  if (index < 0 || index >= table_.count || table_.entries[index].name.empty()) return unset;
  return table_.entries[index].name;
}

}  // namespace vb
