#include "fetch/update_notice.h"

#include <string_view>

#include "fetch/fetch_hosts.h"
#include "fetch/text_mode_reader.h"
#include "settings/decimal_text.h"

namespace vb {
namespace {

constexpr std::size_t kVersionBytes = 4;
constexpr std::size_t kFragmentLimit = 1350;

// GB2312 "当前版本:"
constexpr std::string_view kCurrentVersionLabel = "\xB5\xB1\xC7\xB0\xB0\xE6\xB1\xBE:";
// Closes the note's open anchor with the red GB2312 link "●下载最新版Velloband●".
constexpr std::string_view kDownloadLink =
    "\" target=_blank><font color=red>"
    "\xA1\xF1\xCF\xC2\xD4\xD8\xD7\xEE\xD0\xC2\xB0\xE6Velloband\xA1\xF1"
    "</font></a>\n";

// The text of a NUL-terminated field.
std::string_view UpToNul(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

void CheckUpdateNote(UpdateNote& note, const DownloadTarget& noteTarget, DownloadStarter& starter) {
  note.updateNotice.clear();
  TextModeReader reader(noteTarget.path);
  if (reader.is_open()) {
    // A short note overwrites only the leading bytes; the rest stay from the previous check.
    note.noteVersion.resize(kVersionBytes, '\0');
    const std::string read = reader.Read(kVersionBytes);
    note.noteVersion.replace(0, read.size(), read);
    const std::string_view version = UpToNul(note.noteVersion);
    if (Atoi(version) > Atoi(kOwnVersion)) {
      note.updateNotice = UpToNul(reader.Read(kFragmentLimit));
      note.updateNotice += version;
      note.updateNotice += '\n';
      note.updateNotice += kCurrentVersionLabel;
      note.updateNotice += kOwnVersion;
      note.updateNotice += kDownloadLink;
    }
  }
  starter.Start(noteTarget);
}

DownloadTarget MakeNoteTarget(const std::string& noteFile) {
  // Over https: the note is written into every page as HTML.
  std::string url = "https://";
  url += kUpdateHost;
  url += "/velloband_note_CN";
  return {noteFile, url};
}

}  // namespace vb
