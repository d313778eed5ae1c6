#pragma once
// Sliding a top-level window in or out: its mask grows from one edge, or shrinks toward one,
// over a given time. The slide steps on a SkinTimer, so a SkinManualClock drives it like every
// other timer of the library.
#include <cstdint>
#include <functional>

class QWidget;

// Window animation flags, as the native call takes them.
constexpr std::uint32_t kSkinAnimateHorPositive = 0x00001;
constexpr std::uint32_t kSkinAnimateHorNegative = 0x00002;
constexpr std::uint32_t kSkinAnimateVerPositive = 0x00004;
constexpr std::uint32_t kSkinAnimateVerNegative = 0x00008;
constexpr std::uint32_t kSkinAnimateHide = 0x10000;
constexpr std::uint32_t kSkinAnimateSlide = 0x40000;

// Shows (or, with kSkinAnimateHide, hides) the window by growing (shrinking) its mask along the
// flags' directions over timeMs. A slide still running on the window is finished first. At the
// end the mask is cleared, a hiding window is hidden, and then `ended` runs, last, so that it
// may delete the window. False, with nothing done, for no window, no time or no direction.
bool SkinAnimateWindow(QWidget* window, int timeMs, std::uint32_t flags,
                       std::function<void()> ended = {});

// Ends the slide running on the window at once, as if its time were up; false when none runs.
bool SkinFinishWindowAnimation(QWidget* window);
