#pragma once

#include <string>

namespace vb {

#include <cstdint>

// Copies the regular file `from` over `to` through a temporary file beside `to`, so that `to`
// holds either its old bytes or all of the new ones. False, with `to` untouched, when `from`
// cannot be read or is larger than `largest` bytes, or `to` cannot be written.
bool CopyFileAtomically(const std::string& from, const std::string& to, std::uintmax_t largest);

}  // namespace vb
