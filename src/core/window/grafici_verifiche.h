#pragma once
// What the "Verifiche" window shows besides its rows, drawn from the compliance checks of a
// calculation: the daily wave through the wall, and for the monthly hygrothermal check the
// year's table, the water held month by month and the vapour pressures of the month the user
// picks.

#include <optional>
#include <vector>

#include "core/charts/elementi.h"
#include "core/model/esercizio.h"
#include "core/verifiche/risultati_verifiche.h"
#include "core/verifiche/testo_igrometrica.h"

namespace paretix {

inline constexpr const char* CaptionMesePressioni = "Pressioni di vapore nel mese";

struct GraficiVerifiche {
    // When the periodic characteristics were computed.
    std::optional<Superficie> Sfasamento;
    // When the monthly check has its numbers.
    std::optional<Superficie> Accumulo;
    std::vector<Superficie> PressioniMesi; // January to December, or none
    // The month shown first (0 = January): the largest Ma's, or without condensation the
    // mould check's critical month.
    int Mese = 0;
    // The year's table of the monthly check, or none.
    std::vector<RigaMese> Mesi;

    bool operator==(const GraficiVerifiche&) const = default;
};

GraficiVerifiche GraficiDelleVerifiche(const Esercizio& e, const RisultatiVerifiche& v);

} // namespace paretix
