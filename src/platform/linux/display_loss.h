#pragma once

#include <functional>

namespace vb {

// When the connection to the X server is lost (the session ended and the server with it),
// runs `onLost` and ends the process with status 0. Nothing may be asked of the display in
// `onLost`. Without an X display it does nothing.
void OnDisplayLoss(std::function<void()> onLost);

}  // namespace vb
