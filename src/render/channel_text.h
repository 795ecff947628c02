#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vb {

// The code page a channel is read in: `codePage` when it names one the converter knows, else the
// one that the first 59 bytes of `rawText` declare (936, 950, or 65001 when neither).
int ChooseSourceCodePage(std::string_view codePage, std::string_view rawText);

// The channel file as text in code page 936: CR LF read as LF, the data ending at a 0x1A byte or
// at the first NUL. Empty when the file cannot be opened, is empty or cannot be converted.
std::optional<std::string> LoadChannelText(const std::string& path, std::string_view codePage);

}  // namespace vb
