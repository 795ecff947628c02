#include "settings/setting_limits.h"

#include "settings/decimal_text.h"
#include "settings/text_shape.h"

namespace vb::limits {

Taken Take(const Bounds& bounds, std::string_view text) {
  text = text.substr(0, bounds.chars);
  const int value = Atoi(text);
  if (value < bounds.low) return {bounds.low, true};
  if (value > bounds.high) return {bounds.high, true};
  if (!IsAsciiDigits(text)) return {bounds.fallback, false};
  return {value, false};
}

int LineCount(int value) {
  const auto asUnsigned = static_cast<unsigned>(value);
  if (asUnsigned == 0) return 1;
  return asUnsigned > static_cast<unsigned>(kMaxLines) ? kMaxLines : value;
}

int ChannelCount(int value) {
  return value < 0 ? 0 : (value > kMaxChannels ? kMaxChannels : value);
}

int ChannelIndex(int value, int count) {
  return value < 0 || value >= count ? 0 : value;
}

int RotationPeriodMs(int seconds) {
  constexpr int kMostSeconds = INT_MAX / 1000;
  return (seconds < 1 ? 1 : (seconds > kMostSeconds ? kMostSeconds : seconds)) * 1000;
}

}  // namespace vb::limits
