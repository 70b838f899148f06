#pragma once
// The best variant of a sweep: among the variants that meet a condition on one of the table's
// quantities, the one with the thinnest wall, and of equal ones the first.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/variazioni/variazioni.h"

namespace paretix {

// The quantities a condition can name, as the table's columns give them:
//   U, R, flusso      transmittance W/(m² K), total resistance m² K/W, flux W/m²
//   Rw                the index of EN ISO 717-1 of the acoustic calculation, dB
//   Ms                the surface mass of the law, kg/m²
//   Yie               the periodic thermal transmittance, W/(m² K)
//   fRsi, Ma          the monthly hygrothermal check: the wall's temperature factor and the
//                     largest condensate, g/m²
enum class Grandezza { U, R, Flusso, Rw, Ms, Yie, FRsi, Ma };
enum class Confronto { Minore, MinoreOUguale, Maggiore, MaggioreOUguale };

struct Condizione {
    Grandezza Quantità = Grandezza::U;
    Confronto Operatore = Confronto::MinoreOUguale;
    double Soglia = 0;
};

// Reads "QUANTITÀ OPERATORE NUMERO" without blanks, such as "U<=0,28" or "Rw>=50": a quantity
// above, one of < <= > >=, a number with the decimal comma or point. Nothing when right,
// otherwise the message.
std::optional<std::string> LeggiCondizione(std::string_view testo, Condizione& c);

// What the exercise lacks for the quantity of c in every variant of the sweep, as the message
// "--migliore testo: l'esercizio non calcola Ma: servono ..."; nothing when some variant may
// compute it. The checks and the humidity class may be among the varied keys; the calculation
// types may not.
std::optional<std::string> ControllaCondizione(std::string_view testo, const Condizione& c,
                                               const Esercizio& base,
                                               const std::vector<Variazione>& variazioni);

// The quantity of a valid variant; nothing when its calculation or check did not run.
std::optional<double> ValoreGrandezza(Grandezza g, const Variante& v);

// A valid variant whose quantity exists and meets the condition.
bool Soddisfa(const Condizione& c, const Variante& v);

// A variant that meets the condition: its number and its total thickness.
struct Candidato {
    std::size_t Indice = 0;
    double Spessore = 0;
};

// Whether a is to be preferred to b: thinner, or as thick and earlier.
bool Precede(const Candidato& a, const Candidato& b);

// Keeps the better of migliore and nuovo in migliore.
void TieniMigliore(std::optional<Candidato>& migliore, const Candidato& nuovo);

} // namespace paretix
