#include "core/window/fonti_clima.h"

#include "core/files/lettura_file.h"
#include "core/files/localita_epw.h"

namespace paretix {

namespace {

std::string Citato(std::string_view nome) {
    return "\"" + std::string(nome) + "\"";
}

} // namespace

FontiClima::FontiClima(std::string percorsoLibreria, Dialoghi& dialoghi)
    : percorso_(std::move(percorsoLibreria)), dialoghi_(dialoghi) {}

void FontiClima::Mostra(const std::string& testo, Icona icona) {
    dialoghi_.Messaggio(TitoloDatiVerifiche, testo, icona);
}

bool FontiClima::Rileggi() {
    const std::optional<std::string> errore = AperturaLibreriaClima(percorso_, libreria_);
    if (errore) {
        // A library that cannot be read is never rewritten: nothing is offered from it.
        libreria_.clear();
    }
    nomi_.clear();
    for (const LocalitaClima& localita : libreria_) {
        nomi_.push_back(localita.Nome);
    }
    if (errore) {
        Mostra(*errore, Icona::Critica);
    }
    return !errore;
}

bool FontiClima::ImportaEpw(DialogoDatiVerifiche& dati,
                            const std::function<AvanzamentoLettura()>& avvia) {
    const std::optional<std::string> percorso = dialoghi_.ApriFile(CaptionImportaEpw, FiltroEpw);
    return percorso && ImportaEpwDa(*percorso, dati, avvia ? avvia() : AvanzamentoLettura{});
}

bool FontiClima::ImportaEpwDa(const std::string& percorso, DialogoDatiVerifiche& dati,
                              const AvanzamentoLettura& avanzamento) {
    const std::optional<std::string> testo = LeggiFile(percorso, DimensioneMassimaEpw);
    if (!testo) {
        Mostra(std::string(MessaggioEpwIlleggibile) + "\n" + percorso, Icona::Critica);
        return false;
    }
    ClimaAnno clima{};
    if (const auto motivo = LetturaEpw(*testo, clima, avanzamento)) {
        Mostra(std::string(MessaggioEpwNonValido) + "\n" + percorso + "\n" + *motivo,
               Icona::Critica);
        return false;
    }
    dati.ImpostaClimaEsterno(clima);
    localitaImportata_ = LocalitaEpw(*testo);
    return true;
}

bool FontiClima::Carica(std::string_view nome, DialogoDatiVerifiche& dati) {
    const LocalitaClima* localita = TrovaLocalita(libreria_, nome);
    if (localita == nullptr) {
        Mostra(MessaggioLocalitaAssente(nome), Icona::Esclamazione);
        return false;
    }
    dati.ImpostaClimaEsterno(localita->Clima);
    return true;
}

bool FontiClima::Salva(std::string_view nome, const DialogoDatiVerifiche& dati) {
    ClimaAnno clima{};
    if (const auto errore = dati.ClimaEsternoCompleto(clima)) {
        Mostra(*errore, Icona::Esclamazione);
        return false;
    }
    const LocalitaClima* presente = TrovaLocalita(libreria_, nome);
    if (presente != nullptr &&
        dialoghi_.DomandaSiNo(TitoloDatiVerifiche,
                              "La località " + Citato(presente->Nome) +
                                  " è già nella libreria dei climi: sostituirne il clima?",
                              Icona::Domanda) != Risposta::Si) {
        return false;
    }
    if (const auto errore = SalvaLocalitaClima(percorso_, nome, clima)) {
        Mostra(*errore, Icona::Critica);
        return false;
    }
    Rileggi();
    return true;
}

bool FontiClima::Elimina(std::string_view nome) {
    const LocalitaClima* presente = TrovaLocalita(libreria_, nome);
    if (presente == nullptr) {
        Mostra(MessaggioLocalitaAssente(nome), Icona::Esclamazione);
        return false;
    }
    if (dialoghi_.DomandaSiNo(TitoloDatiVerifiche,
                              "Eliminare la località " + Citato(presente->Nome) +
                                  " dalla libreria dei climi?",
                              Icona::Domanda) != Risposta::Si) {
        return false;
    }
    if (const auto errore = EliminaLocalitaClima(percorso_, nome)) {
        Mostra(*errore, Icona::Critica);
        return false;
    }
    Rileggi();
    return true;
}

} // namespace paretix
