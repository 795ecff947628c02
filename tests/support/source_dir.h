#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace vb::testing {

// The repository, which CTest passes in VB_SOURCE_DIR. Without it the calling test fails with
// this message, not with a crash, and reads from a folder that does not exist.
inline std::filesystem::path SourceDir() {
  const char* source = std::getenv("VB_SOURCE_DIR");
  if (source != nullptr && source[0] != '\0') return source;
  ADD_FAILURE() << "VB_SOURCE_DIR is not set: run the tests through ctest, or set it to the "
                   "repository";
  return "/nonexistent/VB_SOURCE_DIR";
}

}  // namespace vb::testing
