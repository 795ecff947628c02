#pragma once

#include <cstdlib>
#include <filesystem>

namespace vb::testing {

// The feed corpus lives beside the repository; VB_CORPUS_DIR points elsewhere.
inline std::filesystem::path CorpusFolder() {
  const char* chosen = std::getenv("VB_CORPUS_DIR");
  const char* source = std::getenv("VB_SOURCE_DIR");
  return chosen != nullptr   ? std::filesystem::path(chosen)
         : source != nullptr ? std::filesystem::path(source) / "../shared/corpus"
                             : std::filesystem::path("/work/shared/corpus");
}

}  // namespace vb::testing
