#pragma once

#include <string>
#include <utility>

#include "settings/autostart.h"

namespace vb {

// The freedesktop way: an entry `configHome`/autostart/velloband.desktop that starts
// `executablePath`; switching off removes the entry. A path with a control character (a line
// break would add lines to the entry) or one that is not UTF-8 (the entry's encoding) cannot be
// written into it.
class XdgAutostart final : public Autostart {
 public:
  XdgAutostart(std::string configHome, std::string executablePath)
      : configHome_(std::move(configHome)), executablePath_(std::move(executablePath)) {}
  bool Set(bool on) override;
  std::string EntryPath() const;

 private:
  std::string configHome_;
  std::string executablePath_;
};

}  // namespace vb
