#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "dialogs/config_dialog.h"
#include "resources/resource_data.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/decimal_text.h"
#include "settings/file_io.h"
#include "settings/text_936.h"

namespace vb {
namespace {

using namespace ids;

constexpr std::size_t kHeaderViewLimit = 255;

// The start of a downloaded channel file, read as text (CR LF as LF).
std::string HeaderViewText(const std::string& path) {
  std::ifstream in(FilePath(path), std::ios::binary);
  if (!in) return Utf8To936(res::text::kNoChannelFile);
  // Twice the limit, so that enough remains after CR LF pairs shrink.
  std::string raw(2 * kHeaderViewLimit + 2, '\0');
  in.read(raw.data(), static_cast<std::streamsize>(raw.size()));
  raw.resize(static_cast<std::size_t>(in.gcount()));
  // Read as text, a 0x1A ends the data; the view's text also ends at a NUL.
  if (raw.empty() || raw.front() == '\x1A') return Utf8To936(res::text::kEmptyChannelFile);
  std::string text;
  AppendReadAsText(text, raw);
  text.resize(std::min(text.size(), kHeaderViewLimit));
  // Feeds converted by the HTML-to-RSS service start with its own noise; show nothing.
  if (text.find("html2rss") != std::string::npos) text.clear();
  return text;
}

const std::string& RowText(const ChannelEntry& entry) {
  return entry.name.empty() ? entry.url : entry.name;
}

}  // namespace

void ConfigDialog::FillChannelList() {
  const ChannelTable& table = context_.channels.table;
  for (int k = 0; k < table.count; ++k) {
    view_.AddRow(IDC_CHANNEL_LIST, RowText(table.entries[static_cast<std::size_t>(k)]));
  }
}

void ConfigDialog::ChannelSelected() {
  const int row = view_.SelectedRow(IDC_CHANNEL_LIST);
  if (row < 0 || row >= context_.channels.table.count) return;
  const std::string header = HeaderViewText(context_.channels.paths.ChannelFile(row));
  // Filled so that Add next updates this channel.
  const ChannelEntry& entry = context_.channels.table.entries[static_cast<std::size_t>(row)];
  view_.SetText(IDC_CHANNEL_CODEPAGE, entry.codePage);
  view_.SetText(IDC_CHANNEL_URL, entry.url);
  view_.SetText(IDC_CHANNEL_NAME, entry.name);
  view_.SetText(IDC_CHANNEL_HEADER, header);
}

void ConfigDialog::ChannelDoubleClicked() {
  const int row = view_.SelectedRow(IDC_CHANNEL_LIST);
  if (row < 0 || row >= context_.channels.table.count) return;
  context_.channels.table.current = row;
  MakeChannelCurrent(context_.channels);
  context_.bar.RequestRotationStep();
}

void ConfigDialog::AddClicked() {
  ChannelTable& table = context_.channels.table;
  if (table.count >= kMaxChannels) return;
  const std::string url = CutBytes(view_.Text(IDC_CHANNEL_URL), kUrlLimit);
  view_.SetText(IDC_CHANNEL_URL, "");
  if (!IsChannelAddress(url)) return;
  const std::string name = CutBytes(view_.Text(IDC_CHANNEL_NAME), kNameLimit);
  const std::string codePage = CutBytes(view_.Text(IDC_CHANNEL_CODEPAGE), kCodePageLimit);
  view_.SetText(IDC_CHANNEL_NAME, "");
  view_.SetText(IDC_CHANNEL_CODEPAGE, "");

  const int countBefore = table.count;
  const ChannelEdit edit = AddOrUpdateChannel(context_.channels, url, name, codePage);
  if (!edit.index) return;
  const int k = *edit.index;
  const std::string& row = RowText(table.entries[static_cast<std::size_t>(k)]);
  if (k < countBefore) {
    view_.SetRow(IDC_CHANNEL_LIST, k, row);
    view_.SelectRow(IDC_CHANNEL_LIST, k);
  } else {
    view_.AddRow(IDC_CHANNEL_LIST, row);
  }
  if (edit.rotationStepRequested) context_.bar.RequestRotationStep();
}

void ConfigDialog::DeleteClicked() {
  if (context_.channels.table.count == 0) {
    view_.SetText(IDC_CHANNEL_HEADER, Utf8To936(res::text::kEmptyTableHint));
    return;
  }
  const int row = view_.SelectedRow(IDC_CHANNEL_LIST);
  if (row < 0 || row >= context_.channels.table.count) return;
  view_.RemoveRow(IDC_CHANNEL_LIST, row);
  if (DeleteChannel(context_.channels, row).rotationStepRequested)
    context_.bar.RequestRotationStep();
  view_.SetText(IDC_CHANNEL_HEADER, "");
}

}  // namespace vb
