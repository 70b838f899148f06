#include "core/calc/calcolo.h"

#include "core/calc/acustico.h"
#include "core/calc/conduttivita_equivalente.h"
#include "core/calc/igrometrico.h"
#include "core/calc/termico.h"
#include "core/calc/testo_rapporto.h"
#include "core/calc/valori_finiti.h"
#include "core/model/caselle_visibili.h"
#include "core/model/numeri.h"
#include "core/model/validazione.h"

namespace paretix {

namespace {

// Room for the report of a full wall with every calculation, so that it is built without
// reallocation.
constexpr std::size_t CapacitàRapporto = 16384;

// A box's number as the check read it, or read from its text; a hidden box that is not a
// number reads as 0.
double Numero(const std::optional<double>& letto, const std::string& testo) {
    return NumeroLetto(letto, testo).value_or(0.0);
}

// Every number of the texts but the air cavities' conductivity.
void LetturaNumeri(const Esercizio& e, int n, const NumeriCaselle& letti, RisultatiCalcolo& r) {
    r.hi = Numero(letti.LiminariInterno, e.LiminariInterno);
    r.he = Numero(letti.LiminariEsterno, e.LiminariEsterno);
    r.Te = Numero(letti.TEsterna, e.TEsterna);
    r.Ti = Numero(letti.TInterna, e.TInterna);
    r.Ue = Numero(letti.UEsterna, e.UEsterna);
    r.Ui = Numero(letti.UInterna, e.UInterna);
    for (int k = 1; k <= n; ++k) {
        const Strato& s = e.strato(k);
        const NumeriCaselle::DiStrato& lettiStrato = letti.Strati[static_cast<std::size_t>(k)];
        r.SpessoreMetri[k] = Numero(lettiStrato.Spessore, s.Spessore.Testo) / 100;
        if (PermeabilitàVisibile(e)) {
            r.PermeabilitàStrato[k] = Numero(lettiStrato.Permeabilità, s.Permeabilità.Testo);
        }
    }
    if (e.Acustico) {
        r.DistSonoro = Numero(letti.DistSonoro, e.DistSonoro);
        for (int k = 1; k <= n; ++k) {
            r.Densità[k] = Numero(letti.Strati[static_cast<std::size_t>(k)].Densità,
                                  e.strato(k).Densità.Testo);
        }
    }
    if (!e.Termico) {
        return;
    }
    // A material's conductivity as typed.
    for (int k = 1; k <= n; ++k) {
        const Strato& s = e.strato(k);
        if (TogliSpazi(s.TipoStrato) != TipoCameraAria) {
            r.Ki[k] = Numero(letti.Strati[static_cast<std::size_t>(k)].Conduttività,
                             s.Conduttività.Testo);
        }
    }
}

// An air cavity's equivalent conductivity. The second hypothesis reads the previous run's
// boundary temperatures, which a run overwrites only in its thermal steps.
void ConduttivitàCamereAria(const Esercizio& e, int ipotesiTemperaturaMedia, int n,
                            const NumeriCaselle& letti, RisultatiCalcolo& r) {
    if (!e.Termico) {
        return;
    }
    for (int k = 1; k <= n; ++k) {
        if (TogliSpazi(e.strato(k).TipoStrato) == TipoCameraAria) {
            CalcoloConduttivitàEquivalente(e, k, ipotesiTemperaturaMedia, r, letti);
        }
    }
}

void LetturaDati(const Esercizio& e, int ipotesiTemperaturaMedia, int n, const NumeriCaselle& letti,
                 RisultatiCalcolo& r) {
    LetturaNumeri(e, n, letti, r);
    ConduttivitàCamereAria(e, ipotesiTemperaturaMedia, n, letti, r);
}

void AggiungiStrato(std::string& testo, int k) {
    testo.append("Strato ");
    AggiungiIntero(testo, k);
    testo.append(ACapo);
}

// The thickness is typed in centimetres and written in metres.
void AggiungiSpessore(std::string& testo, double spessoreMetri, std::string_view digitato) {
    testo.append("Spessore Si = ");
    AggiungiFormaGeneraleDigitata(testo, spessoreMetri, digitato, 2);
    AggiungiTesti(testo, " m", ACapo);
}

// The restatement of the input: only the values of the chosen calculations, copied as typed,
// except thickness and conductivity, written as the run reads them.
void ParteDati(const Esercizio& e, const RisultatiCalcolo& r, int n, std::string& testo) {
    AggiungiTesti(testo, "DATI:", ACapoERigaVuota, "Numero strati: ");
    AggiungiIntero(testo, n);
    testo.append(ACapoERigaVuota);
    if (e.Termico) {
        AggiungiTesti(testo, "Temperatura interna Ti = ", e.TInterna, " °C", ACapo);
        AggiungiTesti(testo, "Temperatura esterna Te = ", e.TEsterna, " °C", ACapoERigaVuota);
    }
    if (e.Igrometrico) {
        AggiungiTesti(testo, "Umidità relativa interna Ui = ", e.UInterna, " %", ACapo);
        AggiungiTesti(testo, "Umidità relativa esterna Ue = ", e.UEsterna, " %", ACapoERigaVuota);
    }
    if (e.Acustico) {
        AggiungiTesti(testo, "Disturbo sonoro = ", e.DistSonoro,
                      e.UnitaDistSonoro == UnitaSuono::Decibel ? " Decibel (dB)" : " in Wat (W)",
                      ACapoERigaVuota);
    }
    if (e.Termico) {
        AggiungiTesti(testo, "Coefficienti liminari di scambio termico:", ACapo);
        AggiungiTesti(testo, "interno hi = ", e.LiminariInterno, " W/m² °C", ACapo);
        AggiungiTesti(testo, "esterno he = ", e.LiminariEsterno, " W/m² °C", ACapoERigaVuota);
    }
    for (int k = 1; k <= n; ++k) {
        const Strato& s = e.strato(k);
        AggiungiStrato(testo, k);
        if (s.CameraAria()) {
            AggiungiTesti(testo, "Intercapedine d'aria ", ACapo);
            AggiungiSpessore(testo, r.SpessoreMetri[k], s.Spessore.Testo);
            testo.append(ACapo);
            continue;
        }
        AggiungiTesti(testo, "Materiale: ", s.Materiale, ACapo);
        AggiungiSpessore(testo, r.SpessoreMetri[k], s.Spessore.Testo);
        // The acoustic calculation's input: the checks read the densities without listing them.
        if (e.Acustico) {
            AggiungiTesti(testo, "Densità = ", s.Densità.Testo, " Kg/m³ °C", ACapo);
        }
        if (s.ConduttivitàVisibile) {
            testo.append("Conduttività Ki = ");
            AggiungiFormaGeneraleDigitata(testo, r.Ki[k], s.Conduttività.Testo, 0);
            AggiungiTesti(testo, " W/m °C", ACapo);
        }
        if (PermeabilitàVisibile(e)) {
            AggiungiTesti(testo, "Permeabilità = ", s.Permeabilità.Testo, " * 10¯ ' ²(kg/smPa)",
                          ACapo);
        }
        if (s.FatAssorbimentoVisibile && !FatAssorbimentoNonDato(s.FatAssorbimento.Testo)) {
            AggiungiTesti(testo, "Fattore di assorbimento o di emessività superfice materiale = ",
                          s.FatAssorbimento.Testo, ACapo);
        }
        testo.append(ACapo);
    }
}

// How each air cavity (a layer without its own conductivity box) got its resistance.
void BlocchiCamereAria(const Esercizio& e, RisultatiCalcolo& r, int n, std::string& testo) {
    for (int k = 1; k <= n; ++k) {
        if (e.strato(k).ConduttivitàVisibile) {
            continue;
        }
        AggiungiStrato(testo, k);
        if (CameraAriaDaTabella(e, k)) {
            AggiungiTesti(testo,
                          "Resistenza alla conducibilità termica dello strato d'aria riferito "
                          "alla tabella UNI EN ISO 6946",
                          ACapo);
            TabellaResistenzaAllaConducibilitàTermicaDiStratiDiAriaFermi(r, k);
            AggiungiFormaGenerale(testo, r.ResistenzaStrato[k]);
            AggiungiTesti(testo, " m²°C/W", ACapo, " ", ACapo);
            continue;
        }
        testo.append("Fattore medio di assorbimento o di emessività = ");
        AggiungiFormaGenerale(testo, r.FattoreMedio[k]);
        AggiungiTesti(testo, ACapo, "Prima ipotesi temperatura media ");
        AggiungiFormaGenerale(testo, (r.Ti + r.Te) / 2);
        AggiungiTesti(testo, " °C", ACapo, "Seconda ipotesi temperatura media ");
        AggiungiFormaGenerale(testo, r.TemperaturaMedia[k]);
        AggiungiTesti(testo, " °C", ACapo, "Conduttività equivalenti intercapedine d'aria", ACapo,
                      "Ki = ");
        AggiungiFormaGenerale(testo, r.Ki[k]);
        AggiungiTesti(testo, " W/m °C", ACapoERigaVuota);
    }
}

} // namespace

// A run on the numbers already read into r: the report and the chosen calculations.
void CalcoloSuDatiLetti(const Esercizio& e, int numeroCamereAria, RisultatiCalcolo& r,
                        std::string& TestoStampa) {
    const int n = e.NumeroStrati();
    TestoStampa.clear();
    TestoStampa.reserve(CapacitàRapporto);
    ParteDati(e, r, n, TestoStampa);
    AggiungiTesti(TestoStampa, ACapo, "RISULTATI:", ACapo);
    if (e.Termico) {
        AggiungiTesti(TestoStampa, SeparatoreRapporto, ACapoERigaVuota, "CALCOLO TERMICO",
                      ACapoERigaVuota);
        if (numeroCamereAria != 0) {
            BlocchiCamereAria(e, r, n, TestoStampa);
        }
        CalcoloSommatoriaResistenzeTermicheUnitarieR(r, n, TestoStampa);
        CalcoloConduttanzaTermicaUnitariaHc(r, TestoStampa);
        CalcoloTrasmittanzaTermicaUnitariaH(r, TestoStampa);
        CalcoloFlussoTermicoFI(r, TestoStampa);
        CalcoloVariazioneTemperaturaNelPassaggioDaUnoStratoAllAltro(r, n, TestoStampa);
    }
    if (e.Igrometrico) {
        CalcoloPressioneDiSaturazione(r, n, TestoStampa);
        CalcoloPermeanzaDellaPareteAlVaporeDAcqua(r, n);
        CalcoloPressioneEffettiva(r, n, TestoStampa);
        Confronto(r, n, TestoStampa);
    }
    if (e.Acustico) {
        CalcoloDisturboSonoro(e, r, TestoStampa);
    }
}

void Calcolo(const Esercizio& e, int ipotesiTemperaturaMedia, int numeroCamereAria,
             RisultatiCalcolo& r, std::string& TestoStampa) {
    LetturaDati(e, ipotesiTemperaturaMedia, e.NumeroStrati(), NumeriCaselle{}, r);
    CalcoloSuDatiLetti(e, numeroCamereAria, r, TestoStampa);
}

EsitoCalcola Command1_Click(Esercizio& e, RisultatiCalcolo& r, std::string& TestoStampa) {
    EsitoCalcola esito;
    for (const Strato& s : e.Strati) {
        if (s.CameraAria()) {
            ++esito.NumeroCamereAria;
        }
    }
    NumeriCaselle letti;
    if (auto messaggio = ControlloCorrettezzaDatiIniziali(e, letti)) {
        esito.Messaggio = std::move(*messaggio);
        return esito;
    }
    std::string rapporto;
    LetturaDati(e, 1, e.NumeroStrati(), letti, r);
    if (esito.NumeroCamereAria == 0) {
        CalcoloSuDatiLetti(e, 0, r, rapporto);
    } else {
        // The cavities' conductivity depends on their mean temperature, which the first run
        // estimates from the air and the second takes from the first run's face temperatures.
        // The second run recomputes everything and replaces the report, so of the first run
        // only the thermal numbers matter; the texts are read once, by the check, for both.
        if (e.Termico) {
            CalcoloTermicoSenzaRapporto(r, e.NumeroStrati());
        }
        ConduttivitàCamereAria(e, 2, e.NumeroStrati(), letti, r);
        CalcoloSuDatiLetti(e, esito.NumeroCamereAria, r, rapporto);
    }
    if (auto messaggio = ControlloValoriFiniti(e, r)) {
        esito.Messaggio = std::move(*messaggio);
        return esito;
    }
    esito.DatiValidi = true;
    TestoStampa = std::move(rapporto);
    return esito;
}

} // namespace paretix
