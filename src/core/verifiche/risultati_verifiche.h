#pragma once
// The results of the compliance checks, numbers in SI units. One structure per check; the
// report section, the rows of the "Verifiche" window and the JSON output all render these, so a
// number is computed once.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace paretix {

// The check of the thermal transmittance against the law's table.
struct VerificaTrasmittanza {
    double U = 0;                 // the exercise's U, W/(m² K)
    std::optional<double> Btr;    // the correction factor, for a wall towards an unheated space
    double UConfrontata = 0;      // U, or U·btr: the number compared
    std::optional<double> Limite; // W/(m² K), the +30 % included where it applies
    bool Riferimento = false;     // the value of the reference building, not a limit
    std::string Fonte;
    std::vector<std::string> Mancanti; // the data the check lacks; then no outcome
    std::optional<bool> Rispettata;
    std::string Esito; // empty without an outcome
    // When the value is exceeded: the layer to thicken (1 = inside) and the extra thickness in
    // m that meets it, rounded up to 0,5 cm.
    int StratoIsolante = 0;
    std::optional<double> SpessoreAggiuntivo;
    std::vector<std::string> Note;
};

// EN ISO 717-1 in octave bands from the program's own sound reduction, the empirical law and
// the requirement of the acoustic decree.
struct VerificaAcustica {
    std::array<double, 5> R{}; // dB at 125, 250, 500, 1000 and 2000 Hz, unrounded
    int Rw = 0, C = 0, Ctr = 0;
    double Ms = 0;                 // the surface mass the empirical law reads, kg/m²
    std::optional<int> RwEmpirico; // dB; none below the law's range of masses
    std::string Grandezza;         // "D2m,nT,w" or "R'w"
    std::optional<int> Requisito;  // dB
    std::string Fonte;
    std::vector<std::string> Mancanti;
    std::optional<bool> Superata;
    std::string Esito;
    std::vector<std::string> Note;
};

// Each check is present only when the calculation it reads ran: the transmittance needs the
// thermal calculation, the acoustic check and the surface mass the acoustic one (which alone
// asks for the densities).
struct RisultatiVerifiche {
    std::optional<VerificaTrasmittanza> Trasmittanza;
    std::optional<VerificaAcustica> Acustica;
    std::optional<double> MassaSuperficiale; // kg/m², plasters excluded
};

} // namespace paretix
