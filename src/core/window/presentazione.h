#pragma once
// The splash window shown at start: after its single timer fires, the main window appears and
// the splash goes away. The timer is the only way from the splash to the main window.

namespace paretix {

constexpr int IntervalloSplashMs = 6000;
inline constexpr const char* SottotitoloSplash = "Fisica tecnica della parete multistrato";

} // namespace paretix
