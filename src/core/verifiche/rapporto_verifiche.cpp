#include "core/verifiche/rapporto_verifiche.h"

#include "core/calc/testo_rapporto.h"
#include "core/verifiche/indice_acustico.h"
#include "core/verifiche/testo_igrometrica.h"
#include "core/verifiche/testo_verifiche.h"

namespace paretix {

namespace {

constexpr const char* TitoloSezione = "VERIFICHE DI LEGGE";
constexpr const char* TitoloTrasmittanza = "Trasmittanza termica";
constexpr const char* TitoloAcustica = "Isolamento acustico";
constexpr const char* TitoloMassa = "Massa superficiale";
constexpr const char* TitoloDinamica = "CARATTERISTICHE DINAMICHE (UNI EN ISO 13786)";
constexpr const char* NonEseguita = "Verifica non eseguita: ";
constexpr const char* InizioEsito = "Esito: ";
constexpr const char* InizioNota = "Nota: ";
constexpr const char* Uguale = " = ";
constexpr const char* PerRispettare = " per rispettare il valore";
constexpr const char* InizioRequisito = "Requisito: ";
constexpr const char* InizioMassaEmpirica = " (Ms = ";

// One line of the section from its pieces, appended without building it apart first.
template <typename... Parti> void Riga(std::string& testo, const Parti&... parti) {
    AggiungiTesti(testo, parti..., ACapo);
}

void Maiuscola(std::string& testo) {
    if (!testo.empty() && testo[0] >= 'a' && testo[0] <= 'z') {
        testo[0] = static_cast<char>(testo[0] - 'a' + 'A');
    }
}

void Mancanti(std::string& testo, const std::vector<std::string>& mancanti) {
    std::string riga = TestoMancanti(mancanti);
    Maiuscola(riga);
    Riga(testo, riga);
}

void Note(std::string& testo, const std::vector<std::string>& note) {
    for (const std::string& nota : note) {
        Riga(testo, InizioNota, nota);
    }
}

void Trasmittanza(std::string& testo, const VerificaTrasmittanza& v) {
    Riga(testo, GrandezzaTrasmittanza, Uguale, TestoTrasmittanzaDiLegge(v));
    if (v.SuperficiDiverse) {
        Riga(testo, GrandezzaTrasmittanzaEsercizio, Uguale, TestoTrasmittanza(v.UEsercizio));
    }
    if (v.Ponti) {
        Riga(testo, GrandezzaLimitiResistenza, ": ", TestoLimitiResistenza(*v.Ponti));
    }
    if (v.DeltaUf) {
        Riga(testo, GrandezzaFissaggi, Uguale, TestoTrasmittanza(*v.DeltaUf));
    }
    if (v.DeltaUfConta) {
        Riga(testo, GrandezzaTrasmittanzaFissaggi, Uguale, TestoTrasmittanza(v.U + *v.DeltaUf));
    }
    if (v.Btr) {
        Riga(testo, GrandezzaTrasmittanzaCorretta, Uguale, TestoTrasmittanza(v.UConfrontata), " (",
             TestoBtr(*v.Btr), ")");
    }
    if (!v.Mancanti.empty()) {
        Mancanti(testo, v.Mancanti);
    } else {
        Riga(testo, TestoLimite(v));
        Riga(testo, InizioEsito, v.Esito);
    }
    if (v.SpessoreAggiuntivo) {
        Riga(testo, GrandezzaSpessore, std::to_string(v.StratoIsolante), PerRispettare, Uguale,
             TestoSpessore(*v.SpessoreAggiuntivo));
    }
    Note(testo, v.Note);
}

void Acustica(std::string& testo, const VerificaAcustica& v) {
    Riga(testo, EtichettaRwOttave, Uguale, TestoRwOttave(v));
    std::string empirico = EtichettaRwEmpirico;
    if (v.RwEmpirico) {
        empirico += Uguale + TestoDecibel(*v.RwEmpirico);
    }
    Riga(testo, empirico, InizioMassaEmpirica, TestoMassaEmpirica(v), ")");
    if (v.Facciata) {
        Riga(testo, GrandezzaFacciata, ": ", TestoFacciata(v));
    }
    if (!v.Mancanti.empty()) {
        Mancanti(testo, v.Mancanti);
    } else {
        Riga(testo, InizioRequisito, TestoRequisito(v));
        if (v.Superata) {
            Riga(testo, InizioEsito, v.Esito);
        }
    }
    Note(testo, v.Note);
}

void Dinamica(std::string& testo, const VerificaDinamica& v) {
    if (!v.Caratteristiche) {
        Riga(testo, TestoSenzaCaloreSpecifico(v.SenzaCaloreSpecifico));
        return;
    }
    for (const auto& [grandezza, valore] : TestiDinamica(*v.Caratteristiche)) {
        Riga(testo, grandezza, Uguale, valore);
    }
}

void Estiva(std::string& testo, const VerificaEstiva& v) {
    Riga(testo, TestoValoriEstiva(v));
    if (!v.Mancanti.empty()) {
        Mancanti(testo, v.Mancanti);
        return;
    }
    Riga(testo, InizioRequisito, RequisitoEstivo);
    if (v.Motivo.empty()) {
        Riga(testo, InizioEsito, v.Esito);
    } else {
        Riga(testo, InizioEsito, v.Esito, " (", v.Motivo, ")");
    }
}

void Igrometrica(std::string& testo, const VerificaIgrometrica& v) {
    if (!v.Risultato) {
        Mancanti(testo, v.Mancanti);
        return;
    }
    const RisultatoIgrometriaMensile& r = *v.Risultato;
    Riga(testo, TestoCondizioniInterne(v));
    for (const std::string& riga : RigheTabellaMensile(r)) {
        Riga(testo, riga);
    }
    Riga(testo, GrandezzaMuffa, Uguale, TestoFRsi(r), ", ", TestoMargineMuffa(r));
    Riga(testo, InizioRequisito, RequisitoMuffa);
    Riga(testo, InizioEsito, EsitoMuffa(r));
    if (v.RimedioMuffa) {
        Riga(testo, GrandezzaSpessoreMuffa, ", ", TestoSpessoreMuffa(v));
    }
    const std::string ciclo = TestoInizioCiclo(r);
    if (!ciclo.empty()) {
        Riga(testo, ciclo);
    }
    Riga(testo, GrandezzaCondensa, Uguale, TestoCondensa(r));
    Riga(testo, InizioRequisito, RequisitoCondensa(r));
    Riga(testo, InizioEsito, EsitoCondensaTesto(r.Esito));
    if (v.RimedioCondensa) {
        Riga(testo, GrandezzaFreno, " ", TestoFreno(v));
    }
}

template <typename Verifica, typename Blocco>
void Sezione(std::string& testo, const char* titolo, const std::optional<Verifica>& verifica,
             const char* richiede, Blocco blocco) {
    AggiungiTesti(testo, titolo, ACapo);
    if (verifica) {
        blocco(testo, *verifica);
    } else {
        Riga(testo, NonEseguita, richiede);
    }
    testo.append(ACapo);
}

} // namespace

void AggiungiRapportoVerifiche(const RisultatiVerifiche& v, std::string& testo) {
    // About two kilobytes: one allocation for the whole section.
    testo.reserve(testo.size() + 4096);
    // Like every section, this one opens after an empty line.
    if (!testo.empty() && !testo.ends_with(ACapoERigaVuota)) {
        testo.append(ACapo);
    }
    AggiungiTesti(testo, SeparatoreRapporto, ACapoERigaVuota, TitoloSezione, ACapoERigaVuota);
    Sezione(testo, TitoloTrasmittanza, v.Trasmittanza, RichiedeCalcoloTermico, Trasmittanza);
    Sezione(testo, TitoloAcustica, v.Acustica, RichiedeCalcoloAcustico, Acustica);
    Sezione(testo, TitoloMassa, v.MassaSuperficiale, "",
            [](std::string& t, double ms) { Riga(t, GrandezzaMassa, Uguale, TestoMassa(ms)); });
    Sezione(testo, TitoloDinamica, v.Dinamica, RichiedeCalcoloTermico, Dinamica);
    Sezione(testo, GrandezzaEstiva, v.Estiva, RichiedeCalcoloTermico, Estiva);
    if (v.IgrometricaRichiesta) {
        Sezione(testo, TitoloIgrometrica, v.Igrometrica, RichiedeCalcoloTermicoEIgrometrico,
                Igrometrica);
    }
}

} // namespace paretix
