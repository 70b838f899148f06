#include "core/calc/acustico.h"

#include <algorithm>
#include <cmath>

#include "core/calc/testo_rapporto.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

// The densities of the layers, kg/m³, read from the boxes once for a whole walk of the chart.
Tabella LetturaDensità(const Esercizio& e) {
    Tabella densità{};
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        densità[k] = ConvertiNumeroOZero(e.strato(k).Densità.Testo);
    }
    return densità;
}

// The mass law for layer k at frequency f; the surface mass is taken on first use and then
// kept, so that a run of heavy layers can carry its summed mass forward.
double LeggeDellaMassa(const Tabella& densità, RisultatiCalcolo& r, int k, double f) {
    auto& massa = r.MassaSuperficiale[k];
    if (!massa) {
        massa = densità[k] * r.SpessoreMetri[k];
    }
    return 20 * std::log10(f * *massa) - 47;
}

void CalcolaPotereFonoisolantePerOgniErzDelSingoloMateriale(const Tabella& densità,
                                                            RisultatiCalcolo& r, int k) {
    for (std::size_t i = 0; i < FrequenzeOttava.size(); ++i) {
        const double R = LeggeDellaMassa(densità, r, k, FrequenzeOttava[i]);
        r.PotereFonoisolante[k][i] = std::max(R, 0.0);
    }
}

void CalcolaPotereFonoisolantePerUnUnicoErzDelSingoloMateriale(const Tabella& densità,
                                                               RisultatiCalcolo& r, int k) {
    r.PotereFonoisolanteGrafico[k] = LeggeDellaMassa(densità, r, k, r.FrequenzaGrafico);
}

// Walks the layers from inside to outside. A light layer, or a heavy one followed by a light
// one or by nothing, acts alone (perStrato). A heavy layer followed by another heavy one
// passes its surface mass on to it and counts as nothing itself (azzera).
template <typename PerStrato, typename Azzera>
void PercorsoStrati(const Esercizio& e, const Tabella& densità, RisultatiCalcolo& r,
                    PerStrato perStrato, Azzera azzera) {
    const int n = e.NumeroStrati();
    for (int k = 1; k <= n; ++k) {
        r.MassaSuperficiale[k].reset();
    }
    const double limite = ValoriPredefiniti::DensitàLimite;
    for (int k = 1; k <= n; ++k) {
        if (densità[k] <= limite || k == n || densità[k + 1] <= limite) {
            perStrato(densità, k);
            continue;
        }
        azzera(k);
        auto& questa = r.MassaSuperficiale[k];
        auto& seguente = r.MassaSuperficiale[k + 1];
        if (!questa) {
            questa = densità[k] * r.SpessoreMetri[k];
        }
        if (!seguente) {
            seguente = densità[k + 1] * r.SpessoreMetri[k + 1];
        }
        seguente = *questa + *seguente;
    }
}

// Level of an intensity in dB; an intensity of zero (or one that is not a number) has no
// level and reads 0, and a level below 0 is 0.
double LivelloTrasmesso(double intensità) {
    const double livello = 10 * std::log10(intensità / IntensitàRiferimento);
    if (!std::isfinite(livello) || livello < 0) {
        return 0;
    }
    return livello;
}

void AggiungiRigaFrequenza(std::string& testo, std::string_view prefissoBreve,
                           std::string_view prefissoLungo, int f, double valore) {
    // The longer prefix keeps the "Hz" of the three-digit frequencies in column.
    testo.append(f <= 500 ? prefissoLungo : prefissoBreve);
    AggiungiIntero(testo, f);
    testo.append(" Hz ");
    AggiungiFormaGenerale(testo, valore);
    testo.append(" dB");
    testo.append(ACapo);
}

} // namespace

void CalcoloDisturboSonoro(const Esercizio& e, RisultatiCalcolo& r, std::string& testo) {
    const double valore = r.DistSonoro;
    const bool watt = e.UnitaDistSonoro == UnitaSuono::Watt;
    if (watt) {
        r.DisturboInEntrata = valore;
    } else {
        r.DisturboInEntrata = valore != 0 ? IntensitàRiferimento * std::pow(10.0, valore / 10) : 0;
    }
    PercorsoStrati(
        e, r.Densità, r,
        [&r](const Tabella& densità, int k) {
            CalcolaPotereFonoisolantePerOgniErzDelSingoloMateriale(densità, r, k);
        },
        [&](int k) { r.PotereFonoisolante[k].fill(0); });
    const int n = e.NumeroStrati();
    for (std::size_t i = 0; i < FrequenzeOttava.size(); ++i) {
        double parete = 0;
        for (int k = 1; k <= n; ++k) {
            parete += r.PotereFonoisolante[k][i];
        }
        r.PotereFonoisolanteParete[i] = parete;
        const double trasmessa = r.DisturboInEntrata / std::pow(10.0, parete / 10);
        r.EnergiaTrasmessa[i] = LivelloTrasmesso(trasmessa);
    }

    testo.append(SeparatoreRapporto);
    testo.append(ACapoERigaVuota);
    testo.append("CALCOLO ACUSTICO");
    testo.append(ACapoERigaVuota);
    if (watt) {
        testo.append("Disturbo sonoro in entrata calcolato in decibel = ");
        AggiungiFormaGenerale(testo,
                              valore != 0 ? 10 * std::log10(valore / IntensitàRiferimento) : 0);
        testo.append(" dB");
        testo.append(ACapoERigaVuota);
    }
    testo.append("Potere Fonoassorbente dell'intera parete");
    testo.append(ACapo);
    for (std::size_t i = 0; i < FrequenzeOttava.size(); ++i) {
        AggiungiRigaFrequenza(testo, "a ", "a   ", FrequenzeOttava[i],
                              r.PotereFonoisolanteParete[i]);
    }
    testo.append(ACapo);
    testo.append("Energia trasmessa");
    testo.append(ACapo);
    for (std::size_t i = 0; i < FrequenzeOttava.size(); ++i) {
        AggiungiRigaFrequenza(testo, "per ", "per   ", FrequenzeOttava[i], r.EnergiaTrasmessa[i]);
    }
}

double CalcoloDisturboSonoro2(const Esercizio& e, RisultatiCalcolo& r, double F) {
    r.FrequenzaGrafico = F;
    const double valore = ConvertiNumeroOZero(e.DistSonoro);
    // Unlike the report, the chart takes 0 dB as the reference intensity, not as silence.
    const double ingresso = e.UnitaDistSonoro == UnitaSuono::Watt
                                ? valore
                                : IntensitàRiferimento * std::pow(10.0, valore / 10);
    PercorsoStrati(
        e, LetturaDensità(e), r,
        [&r](const Tabella& densità, int k) {
            CalcolaPotereFonoisolantePerUnUnicoErzDelSingoloMateriale(densità, r, k);
        },
        [&](int k) { r.PotereFonoisolanteGrafico[k] = 0; });
    double parete = 0;
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        parete += r.PotereFonoisolanteGrafico[k];
    }
    if (parete < 0) {
        parete = 0;
    }
    const double trasmessa = ingresso / std::pow(10.0, parete / 10);
    r.EnergiaTrasmessaGrafico = LivelloTrasmesso(trasmessa);
    return r.EnergiaTrasmessaGrafico;
}

} // namespace paretix
