#pragma once

#include "settings/autostart.h"

namespace vb::win32 {

// The value "Velloband" under HKEY_CURRENT_USER\...\CurrentVersion\Run, naming the running
// executable (not the current directory, which is wherever the program was started from).
class RunKeyAutostart final : public Autostart {
 public:
  bool Set(bool on) override;
};

}  // namespace vb::win32
