#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/temp_folder.h"

namespace vb::fuzz {

// The input as text.
inline std::string_view Text(const unsigned char* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A broken property is a finding: say which and stop, so that the fuzzer keeps the input.
inline void Check(bool holds, std::string_view property, std::string_view detail = {}) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %.*s\n%.*s\n", static_cast<int>(property.size()),
               property.data(), static_cast<int>(detail.size()), detail.data());
  std::abort();
}

// A file named `name` in a folder that lasts as long as the fuzzer, holding `bytes`.
inline std::string ScratchFile(const std::string& name, std::string_view bytes) {
  static const vb::testing::TempFolder folder;
  vb::testing::WriteFile(folder.File(name), std::string(bytes));
  return folder.File(name);
}

}  // namespace vb::fuzz
