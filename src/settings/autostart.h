#pragma once

#include <string>

namespace vb {

// Starting the program with the user's session.
class Autostart {
 public:
  virtual ~Autostart() = default;
  virtual void Set(bool on) = 0;
};

// The freedesktop way: an entry `configHome`/autostart/velloband.desktop that starts
// `executablePath`; switching off removes the entry.
class XdgAutostart final : public Autostart {
 public:
  XdgAutostart(std::string configHome, std::string executablePath)
      : configHome_(std::move(configHome)), executablePath_(std::move(executablePath)) {}
  void Set(bool on) override;
  std::string EntryPath() const;

 private:
  std::string configHome_;
  std::string executablePath_;
};

}  // namespace vb
