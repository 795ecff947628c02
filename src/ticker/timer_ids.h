#pragma once

namespace vb {

// The bar's four timers; each arrives as BarEvents::OnTimer with its id.
inline constexpr int kTrimTimer = 2;
inline constexpr int kRotationTimer = 3;
inline constexpr int kHoverTimer = 4;
inline constexpr int kNoteTimer = 9;

inline constexpr int kTrimPeriodMs = 5000;
inline constexpr int kHoverPeriodMs = 1000;
inline constexpr int kNotePeriodMs = 180000;
// The rotation waits this long after a render that showed nothing.
inline constexpr int kRetryPeriodMs = 30000;

}  // namespace vb
