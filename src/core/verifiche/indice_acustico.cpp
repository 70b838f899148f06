#include "core/verifiche/indice_acustico.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/verifiche/limiti.h"

namespace paretix {

namespace {

constexpr std::size_t Bande = 5; // 125 to 2000 Hz; 4000 Hz is outside the octave rating

// EN ISO 717-1: the reference curve in octave bands, dB, and the largest sum of unfavourable
// deviations, 10,0 dB. The tolerance only absorbs the rounding of the computer's arithmetic.
constexpr std::array<double, Bande> CurvaDiRiferimento{36, 45, 52, 55, 56};
constexpr std::size_t Banda500 = 2;
constexpr double SommaSfavorevoliMassima = 10.0;
constexpr double Tolleranza = 1e-9;

// EN ISO 717-1: the octave spectra of the adaptation terms, dB: pink noise (C) and urban
// traffic (Ctr).
constexpr std::array<double, Bande> SpettroRosa{-21, -14, -8, -5, -4};
constexpr std::array<double, Bande> SpettroTraffico{-14, -10, -7, -4, -6};

// Empirical mass law for masonry, Rw = 37,5·lg m - 42, valid from 150 kg/m² (EN 12354-1,
// Annex B form, as Italian practice uses it; one source only, to be confirmed).
constexpr double CoefficienteEmpirico = 37.5;
constexpr double TermineEmpirico = 42.0;
constexpr double MassaMinimaEmpirica = 150.0;

constexpr const char* GrandezzaFacciata = "D2m,nT,w";
constexpr const char* GrandezzaDivisorio = "R'w";

constexpr const char* MancaCategoria = "categoria dell'edificio";

constexpr const char* EsitoSuperata = "verifica indicativa superata";
constexpr const char* EsitoNonSuperata = "verifica indicativa non superata";

constexpr const char* EsitoFacciataVerificata = "verificata";
constexpr const char* EsitoFacciataNonVerificata = "non verificata";

constexpr const char* NotaInOpera =
    "Il requisito di legge si misura in opera e comprende le trasmissioni laterali: l'Rw della "
    "sola parete ne è un limite superiore.";
constexpr const char* NotaCurvaOttave =
    "L'Rw della curva in ottave somma le riduzioni di strati leggeri separati e può superare di "
    "molto quello di una parete reale: la verifica usa la legge empirica.";
constexpr const char* NotaFuoriCampo =
    "La legge empirica vale per masse superficiali di almeno 150 kg/m²: verifica indicativa non "
    "eseguita.";

// The façade's D2m,nT,w, compared rounded to the whole dB with the requirement; without the
// façade's data the check says what is missing and gives no outcome.
void VerificaFacciata(VerificaAcustica& v, const DatiVerifiche& d) {
    const std::optional<Facciata> f = LetturaFacciata(d, v.RwEmpirico, v.Mancanti);
    if (!f) {
        return;
    }
    v.RwParete = f->Elementi.front().Rw;
    v.RwCertificato = !d.FacciataRwParete.empty();
    v.Facciata = CalcolaIsolamentoFacciata(*f);
    v.Superata = std::lround(v.Facciata->D2mnTw) >= *v.Requisito;
    v.Esito = *v.Superata ? EsitoFacciataVerificata : EsitoFacciataNonVerificata;
}

double SommaSfavorevoli(const std::array<double, Bande>& R, int spostamento) {
    double somma = 0;
    for (std::size_t i = 0; i < Bande; ++i) {
        somma += std::max(0.0, CurvaDiRiferimento[i] + spostamento - R[i]);
    }
    return somma;
}

// XA = -10·lg Σ 10^((L - R)/10), with the largest term taken out so that a very high sound
// reduction does not vanish in the sum.
double LivelloPesato(const std::array<double, Bande>& R, const std::array<double, Bande>& L) {
    std::array<double, Bande> differenze{};
    for (std::size_t i = 0; i < Bande; ++i) {
        differenze[i] = R[i] - L[i];
    }
    const double minima = *std::min_element(differenze.begin(), differenze.end());
    double somma = 0;
    for (const double d : differenze) {
        somma += std::pow(10.0, -(d - minima) / 10);
    }
    return minima - 10 * std::log10(somma);
}

} // namespace

Valutazione717 ValutazioneInOttave(const std::array<double, 5>& R) {
    // At this shift no band lies below the curve; the curve then rises 1 dB at a time while the
    // unfavourable deviations stay within the maximum.
    double margine = R[0] - CurvaDiRiferimento[0];
    for (std::size_t i = 1; i < Bande; ++i) {
        margine = std::min(margine, R[i] - CurvaDiRiferimento[i]);
    }
    int spostamento = static_cast<int>(std::floor(margine));
    while (SommaSfavorevoli(R, spostamento + 1) <= SommaSfavorevoliMassima + Tolleranza) {
        ++spostamento;
    }
    Valutazione717 v;
    v.Rw = static_cast<int>(CurvaDiRiferimento[Banda500]) + spostamento;
    v.C = static_cast<int>(std::round(LivelloPesato(R, SpettroRosa) - v.Rw));
    v.Ctr = static_cast<int>(std::round(LivelloPesato(R, SpettroTraffico) - v.Rw));
    return v;
}

std::optional<int> RwLeggeEmpirica(double m) {
    // A mass beyond the computer's numbers has no whole-dB value either.
    if (m < MassaMinimaEmpirica || !std::isfinite(m)) {
        return std::nullopt;
    }
    return static_cast<int>(std::lround(CoefficienteEmpirico * std::log10(m) - TermineEmpirico));
}

VerificaAcustica VerificaDellIsolamentoAcustico(const Esercizio& e, const RisultatiCalcolo& r,
                                                double Ms) {
    VerificaAcustica v;
    std::copy_n(r.PotereFonoisolanteParete.begin(), Bande, v.R.begin());
    const Valutazione717 valutazione = ValutazioneInOttave(v.R);
    v.Rw = valutazione.Rw;
    v.C = valutazione.C;
    v.Ctr = valutazione.Ctr;
    v.Ms = Ms;
    v.RwEmpirico = RwLeggeEmpirica(Ms);

    const DatiVerifiche& d = e.Verifiche;
    if (!d.Elemento) {
        v.Mancanti.emplace_back(MancaElemento);
    }
    if (!d.Categoria) {
        v.Mancanti.emplace_back(MancaCategoria);
    }
    if (d.Elemento && d.Categoria) {
        const bool divisorio = *d.Elemento == ElementoParete::Divisorio;
        v.Grandezza = divisorio ? GrandezzaDivisorio : GrandezzaFacciata;
        v.Requisito =
            divisorio ? RequisitoDivisorio(*d.Categoria) : RequisitoFacciata(*d.Categoria);
        v.Fonte = FonteRequisitoAcustico(*d.Categoria);
        if (!divisorio && ConDatiFacciata(d)) {
            VerificaFacciata(v, d);
        } else if (v.RwEmpirico) {
            v.Superata = *v.RwEmpirico >= *v.Requisito;
            v.Esito = *v.Superata ? EsitoSuperata : EsitoNonSuperata;
        }
    }
    if (!v.RwEmpirico) {
        v.Note.emplace_back(NotaFuoriCampo);
    }
    v.Note.emplace_back(NotaInOpera);
    v.Note.emplace_back(NotaCurvaOttave);
    return v;
}

} // namespace paretix
