#pragma once
// The program's name and description, shown by the splash window and the About window. The
// splash window is shown at start: after its single timer fires, the main window appears and
// the splash goes away. The timer is the only way from the splash to the main window.

namespace paretix {

inline constexpr const char* NomeProgramma = "Paretix LT";
inline constexpr const char* VersioneProgramma = "Versione 1.0";
inline constexpr const char* DescrizioneProgramma =
    "Calcolo termico, igrometrico e acustico di una parete multistrato";

constexpr int IntervalloSplashMs = 6000;

} // namespace paretix
