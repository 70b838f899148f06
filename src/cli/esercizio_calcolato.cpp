#include "cli/esercizio_calcolato.h"

#include <string_view>

#include "cli/uscita.h"
#include "core/files/apertura_file.h"
#include "core/model/validazione.h"
#include "core/simulazione/simulazione_esercizio.h"
#include "core/verifiche/calcola_verifiche.h"

namespace paretix::cli {

namespace {

constexpr std::string_view NessunCalcolo =
    ": nessun tipo di calcolo scelto (Termico, Igrometrico, Acustico): non c'è nulla da "
    "calcolare.";

EsercizioCalcolato Rifiutato(int stato, std::string messaggio) {
    EsercizioCalcolato esito;
    esito.Stato = stato;
    esito.Errore = std::move(messaggio);
    return esito;
}

} // namespace

std::optional<EsercizioCalcolato> Apri(const std::string& nomeFile, paretix::Esercizio& e) {
    if (const auto messaggio = AperturaFile(nomeFile, e)) {
        return Rifiutato(EsitoFileRifiutato, *messaggio);
    }
    if (!e.Termico && !e.Igrometrico && !e.Acustico) {
        return Rifiutato(EsitoDatiNonValidi, nomeFile + std::string(NessunCalcolo));
    }
    return std::nullopt;
}

EsercizioCalcolato Calcola(const std::string& nomeFile) {
    EsercizioCalcolato esito;
    paretix::Esercizio& e = esito.Esercizio;
    if (auto rifiuto = Apri(nomeFile, e)) {
        return std::move(*rifiuto);
    }
    const EsitoCalcola calcolo =
        CalcolaConVerifiche(e, esito.Risultati, esito.TestoStampa, &esito.Verifiche);
    if (!calcolo.DatiValidi) {
        return Rifiutato(EsitoDatiNonValidi, std::string(TitoloErrore) + " " + calcolo.Messaggio);
    }
    if (const auto messaggio = SimulaEsercizio(nomeFile, e, esito.Simulazione)) {
        return Rifiutato(EsitoDatiNonValidi, nomeFile + ": " + *messaggio);
    }
    return esito;
}

} // namespace paretix::cli
