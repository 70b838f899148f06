#include "core/calc/conduttivita_equivalente.h"

#include <cmath>
#include <optional>

#include "core/model/numeri.h"
#include "core/model/validazione.h"

namespace paretix {

namespace {

// Conductivity of still air at 0 °C and its increase per °C, W/m °C.
constexpr double ConduttivitàAria = 0.023;
constexpr double AumentoPerGrado = 0.003;
// Convective and black-body radiative heat-transfer coefficients, W/m² °C, and the temperature
// scale of the radiative term, °C.
constexpr double CoefficienteConvettivo = 0.7;
constexpr double CoefficienteRadiativo = 4.6;
constexpr double ScalaRadiativa = 100;

// Mean absorption factor of two facing surfaces, between 0 and 1; a factor that is not a
// usable number leaves no radiation at all.
double FattoreMedioDiDue(const std::optional<double>& fa, const std::optional<double>& fb) {
    double medio = 0;
    if (fa && fb) {
        medio = 1 / (1 / *fa + 1 / *fb - 1);
    }
    if (!std::isfinite(medio)) {
        medio = 0;
    }
    if (medio > 1) {
        medio = 1;
    }
    if (medio < 0) {
        medio = 0;
    }
    return medio;
}

} // namespace

double ResistenzaAriaFerma(double s) {
    // The limits sit a hair below the round thicknesses, so that 0,7 cm typed (0.7 / 100 in
    // binary, a hair under 0.007 m) falls in the row it means.
    if (s < 0.007 - 1e-9) {
        return 0.11;
    }
    if (s < 0.010 - 1e-9) {
        return 0.13;
    }
    if (s < 0.015 - 1e-9) {
        return 0.15;
    }
    return 0.16;
}

void TabellaResistenzaAllaConducibilitàTermicaDiStratiDiAriaFermi(RisultatiCalcolo& r, int k) {
    r.ResistenzaStrato[k] = ResistenzaAriaFerma(r.SpessoreMetri[k]);
}

bool CameraAriaDaTabella(const Esercizio& e, int k) {
    const bool primo = k == 1;
    const bool ultimo = k == e.NumeroStrati();
    return primo || ultimo || FatAssorbimentoNonDato(e.strato(k - 1).FatAssorbimento.Testo) ||
           FatAssorbimentoNonDato(e.strato(k + 1).FatAssorbimento.Testo);
}

void CalcoloConduttivitàEquivalente(const Esercizio& e, int k, int ipotesiTemperaturaMedia,
                                    RisultatiCalcolo& r, const NumeriCaselle& letti) {
    if (CameraAriaDaTabella(e, k)) {
        r.Ki[k] = 0;
        return;
    }
    const auto Vicino = [&](int j) {
        return NumeroLetto(letti.Strati[static_cast<std::size_t>(j)].FatAssorbimento,
                           e.strato(j).FatAssorbimento.Testo);
    };
    r.FattoreMedio[k] = FattoreMedioDiDue(Vicino(k - 1), Vicino(k + 1));
    if (ipotesiTemperaturaMedia == 1) {
        r.TemperaturaMedia[k] = (r.Ti + r.Te) / 2;
    } else {
        r.TemperaturaMedia[k] = (r.T[k - 1] + r.T[k]) / 2;
    }
    const double s = r.SpessoreMetri[k];
    const double E = r.FattoreMedio[k];
    const double Tm = r.TemperaturaMedia[k];
    const double ki =
        std::abs(ConduttivitàAria * (1 + AumentoPerGrado * Tm) + CoefficienteConvettivo * s +
                 s * (CoefficienteRadiativo * E / (2 - E)) * (1 + Tm / ScalaRadiativa));
    // A conductivity that overflowed leaves the cavity to the table.
    r.Ki[k] = std::isfinite(ki) ? ki : 0;
}

} // namespace paretix
