#pragma once
// Pieces shared by every section of the report text.

#include <charconv>
#include <string>
#include <string_view>

#include "core/model/a_capo.h"

namespace paretix {

// Ends a line and leaves an empty line after it.
inline constexpr std::string_view ACapoERigaVuota = "\r\n\r\n";
// The rule that opens each calculation's section: 40 underscores.
inline constexpr std::string_view SeparatoreRapporto = "________________________________________";

// Appends the pieces one after the other.
template <typename... Parti> void AggiungiTesti(std::string& testo, const Parti&... parti) {
    (testo.append(std::string_view(parti)), ...);
}

inline void AggiungiIntero(std::string& testo, int valore) {
    char cifre[12];
    const auto [fine, ec] = std::to_chars(cifre, cifre + sizeof cifre, valore);
    (void)ec;
    testo.append(cifre, fine);
}

// A boundary label such as "T3   = " or "T12 = ": one-digit numbers take two more blanks, so
// that the equals signs of a wall with ten or more boundaries line up.
inline void AggiungiEtichettaIsoterma(std::string& testo, std::string_view nome, int k) {
    testo.append(nome);
    AggiungiIntero(testo, k);
    testo.append(k <= 9 ? "   = " : " = ");
}

} // namespace paretix
