#pragma once

namespace vb {

// Starting the program with the user's session.
class Autostart {
 public:
  virtual ~Autostart() = default;
  // False when autostart could not be switched on (it is left off) or off.
  virtual bool Set(bool on) = 0;
};

}  // namespace vb
