#include "core/relazione/esporta_relazione.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/calc/calcolo.h"
#include "core/model/validazione.h"
#include "core/relazione/relazione_simulazione.h"
#include "core/simulazione/preparazione_simulazione.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/window/percorso_esercizio.h"
#include "core/window/stampa.h"

namespace paretix {

std::variant<Relazione, std::string>
RelazioneDellEsercizio(Esercizio e, const std::string& percorso, const std::string& data) {
    if (!e.Termico && !e.Igrometrico && !e.Acustico) {
        return std::string(NessunCalcoloPerRelazione);
    }
    RisultatiCalcolo r;
    std::string testo;
    std::optional<RisultatiVerifiche> v;
    const EsitoCalcola esito = CalcolaConVerifiche(e, r, testo, &v);
    if (!esito.DatiValidi) {
        return esito.Messaggio;
    }
    const std::string nome = std::filesystem::path(percorso).filename().string();
    return ComponiRelazione(e, r, v, nome.empty() ? FileSenzaNome : nome, data);
}

std::string TestoData(int anno, unsigned mese, unsigned giorno) {
    char testo[16];
    std::snprintf(testo, sizeof testo, "%02u/%02u/%04d", giorno, mese, anno);
    return testo;
}

std::string DataDiOggi() {
    const std::chrono::year_month_day oggi{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return TestoData(static_cast<int>(oggi.year()), static_cast<unsigned>(oggi.month()),
                     static_cast<unsigned>(oggi.day()));
}

void EsportaRelazione(ScrittoreRelazione& scrittore, Dialoghi& dialoghi, const Esercizio& e,
                      const std::string& percorsoEsercizio,
                      const SimulazioneEseguita* simulazione) {
    auto relazione = RelazioneDellEsercizio(e, percorsoEsercizio, DataDiOggi());
    if (const auto* messaggio = std::get_if<std::string>(&relazione)) {
        dialoghi.Messaggio(TitoloErrore, *messaggio, Icona::Critica);
        return;
    }
    if (SimulazioneAttiva(e)) {
        if (simulazione == nullptr) {
            dialoghi.Messaggio(TitoloEsportaRelazione, MessaggioSimulazioneDaCalcolare,
                               Icona::Esclamazione);
            return;
        }
        AggiungiSimulazione(std::get<Relazione>(relazione), simulazione->Giorni,
                            simulazione->Risultato);
    }
    // Beside the exercise, under its name.
    const auto scelto = dialoghi.SalvaFile(
        TitoloEsportaRelazione, FiltroPdf,
        percorsoEsercizio.empty() ? "" : ElaboraStringa(percorsoEsercizio) + EstensionePdf);
    if (!scelto || scelto->empty()) {
        return;
    }
    const std::string percorso = PercorsoPdf(*scelto);
    std::error_code errore;
    if (std::filesystem::exists(std::filesystem::path(percorso), errore) &&
        dialoghi.DomandaSiNo(TitoloEsportaRelazione, DomandaSostituirePdf(percorso),
                             Icona::Esclamazione) != Risposta::Si) {
        return;
    }
    if (!scrittore.ScriviRelazione(std::get<Relazione>(relazione), percorso)) {
        dialoghi.Messaggio(TitoloEsportaRelazione, MessaggioRelazioneNonScritta, Icona::Critica);
    }
}

} // namespace paretix
