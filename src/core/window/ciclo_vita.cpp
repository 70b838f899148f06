#include "core/window/ciclo_vita.h"
#include "core/model/a_capo.h"

#include <filesystem>

#include "core/files/apertura_file.h"
#include "core/files/creazione_file.h"
#include "core/window/finestra_principale.h"
#include "core/window/percorso_esercizio.h"
#include "core/window/presentazione.h"

namespace paretix {

namespace {

// Save writes beside the exercise's file, always with the exercise extension: a file opened
// as "muro.txt" is saved as "muro.css".
std::string PercorsoSalvataggio(const std::string& PercorsoEsercizio) {
    return ElaboraStringa(PercorsoEsercizio) + EstensioneEsercizio;
}

// Anything of that name, a dangling link included, would be replaced by the write.
bool Esiste(const std::string& nome) {
    std::error_code errore;
    return std::filesystem::exists(std::filesystem::symlink_status(nome, errore));
}

} // namespace

std::string DomandaSalvataggio(const std::string& PercorsoEsercizio) {
    const std::string prima = PercorsoEsercizio.empty()
                                  ? std::string(EsercizioSenzaNomeModificato)
                                  : PrefissoEsercizioModificato +
                                        PercorsoSalvataggio(PercorsoEsercizio) +
                                        SuffissoEsercizioModificato;
    return prima + ACapo + ACapo + SalvareLeModifiche;
}

std::string DomandaSostituzione(const std::string& nome) {
    return nome + ACapo + FileGiàEsistente + ACapo + ACapo + SostituireIlFile;
}

void FinestraPrincipale::ImpostaFileRecenti(std::string elenco) {
    recenti_.Carica(std::move(elenco));
}

bool FinestraPrincipale::SalvataggioOfferto() {
    if (stato_.Modificato != Si) {
        return true;
    }
    switch (dialoghi_.DomandaSiNoAnnulla(
        NomeProgramma, DomandaSalvataggio(stato_.PercorsoEsercizio), Icona::Esclamazione)) {
    case Risposta::Si:
        return Salva1();
    case Risposta::No:
        return true;
    case Risposta::Annulla:
        break;
    }
    return false;
}

void FinestraPrincipale::NuovoProgetto_Click() {
    if (SalvataggioOfferto()) {
        NuovoProgettoVuoto();
    }
}

void FinestraPrincipale::ApriProgetto_Click() {
    if (SalvataggioOfferto()) {
        ApriProgetto0();
    }
}

void FinestraPrincipale::Salva_Click() {
    Salva1();
}

void FinestraPrincipale::SalvaConNome_Click() {
    SalvareConNome1();
}

bool FinestraPrincipale::Esci_Click() {
    return EsciDefinitivamente();
}

bool FinestraPrincipale::Form_Unload() {
    stato_.AnnullaChiusura = 0;
    EsciDefinitivamente();
    if (stato_.AnnullaChiusura != 0) {
        return true;
    }
    // A clean exit: nothing is left to recover.
    RimuoviRecupero();
    return false;
}

bool FinestraPrincipale::EsciDefinitivamente() {
    if (SalvataggioOfferto()) {
        return true;
    }
    stato_.AnnullaChiusura = 1;
    return false;
}

void FinestraPrincipale::ApriProgetto0() {
    if (const auto nome = dialoghi_.ApriFile(TitoloApriEsercizio, FiltroApriEsercizio)) {
        Apertura(*nome);
    }
}

void FinestraPrincipale::ApriRecente_Click(int indice) {
    if (indice < 0 || static_cast<std::size_t>(indice) >= recenti_.Elenco().size()) {
        return;
    }
    const std::string nome = recenti_.Elenco()[static_cast<std::size_t>(indice)];
    std::error_code errore;
    if (!std::filesystem::is_regular_file(nome, errore)) {
        recenti_.Togli(nome);
        dialoghi_.Messaggio(NomeProgramma, MessaggioFileRecenteMancante(nome), Icona::Esclamazione);
        return;
    }
    if (SalvataggioOfferto()) {
        Apertura(nome);
    }
}

bool FinestraPrincipale::Apertura(const std::string& nome) {
    // The file is read onto a copy, so the window changes only once the reading is over.
    Esercizio letto = esercizio_;
    if (const auto errore = AperturaFile(nome, letto)) {
        NuovoProgettoVuoto();
        dialoghi_.Messaggio(TitoloErroreDiApertura, *errore, Icona::Esclamazione);
        return false;
    }
    MostraEsercizio(std::move(letto));
    stato_.PercorsoEsercizio = nome;
    stato_.Caption = nome + SuffissoDopoApertura;
    stato_.Modificato = No;
    cronologia_.Azzera(true);
    RimuoviRecupero();
    recenti_.Aggiungi(nome);
    return true;
}

bool FinestraPrincipale::Salva1() {
    if (stato_.PercorsoEsercizio.empty()) {
        return SalvareConNome1();
    }
    return Scrittura(PercorsoSalvataggio(stato_.PercorsoEsercizio));
}

bool FinestraPrincipale::SalvareConNome1() {
    // The dialog proposes the exercise's own name and folder.
    const auto scelto =
        dialoghi_.SalvaFile(TitoloSalvaConNome, FiltroSalvaEsercizio, stato_.PercorsoEsercizio);
    if (!scelto) {
        return false;
    }
    const std::string nome = ConEstensioneEsercizio(*scelto);
    if (Esiste(nome) && dialoghi_.DomandaSiNo(TitoloSalvaConNome, DomandaSostituzione(nome),
                                              Icona::Esclamazione) != Risposta::Si) {
        return false;
    }
    return Scrittura(nome);
}

bool FinestraPrincipale::Scrittura(const std::string& percorso) {
    if (const EsitoScrittura esito = CreazioneFile(esercizio_, percorso); !esito) {
        dialoghi_.Messaggio(TitoloSalvaConNome, MessaggioSalvataggio(esito.Motivo),
                            Icona::Esclamazione);
        return false;
    }
    stato_.PercorsoEsercizio = percorso;
    stato_.Caption = percorso + SuffissoDopoSalvataggio;
    stato_.Modificato = No;
    cronologia_.Salvato();
    RimuoviRecupero();
    recenti_.Aggiungi(percorso);
    return true;
}

} // namespace paretix
