#pragma once
// The results of the compliance checks, numbers in SI units. One structure per check; the
// report section, the rows of the "Verifiche" window and the JSON output all render these, so a
// number is computed once.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/verifiche/dinamica.h"
#include "core/verifiche/facciata.h"
#include "core/verifiche/igrometrica.h"
#include "core/verifiche/ponti_termici.h"

namespace paretix {

// The check of the thermal transmittance against the law's table.
struct VerificaTrasmittanza {
    // The U of the law, W/(m² K): the standard surface resistances Rsi, Rse, and the average of
    // the upper and lower limits when a layer is bridged; fasteners not included.
    double U = 0;
    ResistenzeLiminari Superfici;
    double UEsercizio = 0;         // the run's U, with the exercise's hi and he
    bool SuperficiDiverse = false; // 1/hi, 1/he are not Rsi, Rse
    std::optional<LimitiResistenza> Ponti;
    // The fasteners' correction, when they are given, and whether it enters the U compared.
    std::optional<double> DeltaUf;
    bool DeltaUfConta = false;
    std::optional<double> Btr;    // the correction factor, for a wall towards an unheated space
    double UConfrontata = 0;      // U (+ ΔUf), times btr when given: the number compared
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
    bool MsConIntonaci = false;    // some plaster counts in Ms (the law's Ms leaves it out)
    std::optional<int> RwEmpirico; // dB; none below the law's range of masses
    // The façade by UNI EN ISO 12354-3, when its data are given: R'w, D2m,nT,w (dB, unrounded)
    // and the Rw of the wall it used, certified or computed.
    std::optional<IsolamentoFacciata> Facciata;
    double RwParete = 0;
    bool RwCertificato = false;
    std::string Grandezza;        // "D2m,nT,w" or "R'w"
    std::optional<int> Requisito; // dB
    std::string Fonte;
    std::vector<std::string> Mancanti;
    std::optional<bool> Superata;
    std::string Esito;
    std::vector<std::string> Note;
};

// The periodic thermal characteristics (EN ISO 13786); no numbers while a material layer lacks
// its specific heat.
struct VerificaDinamica {
    std::vector<int> SenzaCaloreSpecifico; // layer numbers
    std::optional<CaratteristichePeriodiche> Caratteristiche;
};

// The summer requirement of the minimum-requirements decree for a vertical wall:
// Ms > 230 kg/m² or |Yie| < 0,10 W/(m² K), where the decree applies it.
struct VerificaEstiva {
    double Ms = 0;             // kg/m², plasters excluded
    std::optional<double> Yie; // W/(m² K), none without every specific heat
    std::vector<std::string> Mancanti;
    std::optional<bool> Applicabile;
    std::string Motivo; // why it does not apply, or why it cannot conclude
    std::optional<bool> Rispettata;
    std::string Esito; // empty without an outcome
};

// Each check is present only when the calculation it reads ran: the transmittance needs the
// thermal calculation, the acoustic check the acoustic one; the surface mass needs only the
// densities, which the checks ask for.
struct RisultatiVerifiche {
    std::optional<VerificaTrasmittanza> Trasmittanza;
    std::optional<VerificaAcustica> Acustica;
    std::optional<double> MassaSuperficiale; // kg/m², plasters excluded
    // Both need the thermal calculation (resistances).
    std::optional<VerificaDinamica> Dinamica;
    std::optional<VerificaEstiva> Estiva;
    // The monthly hygrothermal check, asked for by an exercise that holds a climate or an inside
    // humidity class; it needs the thermal calculation (temperatures) and the hygrometric one
    // (permeabilities).
    bool IgrometricaRichiesta = false;
    std::optional<VerificaIgrometrica> Igrometrica;
};

} // namespace paretix
