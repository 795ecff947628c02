#pragma once

#include <string>

#include "fetch/download_starter.h"
#include "settings/channel_table.h"

namespace vb {

struct UpdateNote {
  // NoteVersion, kept from check to check: four bytes, of which the text ends at the first NUL.
  std::string noteVersion = "0000";
  std::string updateNotice;  // UpdateNotice, the HTML fragment written into every page
};

// The program's own version, compared with the note's.
inline constexpr const char* kOwnVersion = "1141";

// The NoteTimer work: reads NoteFile (noteTarget.path), rebuilds the notice, then starts a worker
// on noteTarget.
void CheckUpdateNote(UpdateNote& note, const DownloadTarget& noteTarget, DownloadStarter& starter);

// NoteTarget: the note file and the program's update-note address.
DownloadTarget MakeNoteTarget(const std::string& noteFile);

}  // namespace vb
