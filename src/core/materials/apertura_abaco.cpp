#include "core/materials/apertura_abaco.h"

#include "core/materials/abaco_file.h"
#include "core/materials/dialogo_materiale.h"

namespace paretix {

namespace {

std::optional<ContenutoAbaco> Leggi(const std::string& percorsoAbaco, Dialoghi& dialoghi) {
    bool caratteriUtf8 = false;
    auto contenuto = Prosegui(percorsoAbaco, &caratteriUtf8);
    if (!contenuto) {
        dialoghi.Messaggio(TitoloAbaco,
                           std::string(MessaggioAbacoIlleggibile) + "\n" + percorsoAbaco +
                               (caratteriUtf8 ? std::string("\n") + MotivoAbacoUtf8 : ""),
                           Icona::Critica);
    }
    return contenuto;
}

} // namespace

std::string MessaggioAbacoNonSalvatoPer(MotivoErrore motivo, const std::string& percorsoAbaco) {
    std::string messaggio = std::string(MessaggioAbacoNonSalvato) + "\n" + percorsoAbaco;
    if (motivo != MotivoErrore::Altro) {
        messaggio += "\n" + MessaggioSalvataggio(motivo);
    }
    return messaggio;
}

std::optional<ElencoMateriali> AbacoInConsultazione(const std::string& percorsoAbaco,
                                                    ElencoMateriali::Caricamento carica,
                                                    Dialoghi& dialoghi) {
    auto contenuto = Leggi(percorsoAbaco, dialoghi);
    if (!contenuto) {
        return std::nullopt;
    }
    return ElencoMateriali::Consulta(std::move(contenuto->Voci), std::move(carica));
}

std::optional<ElencoMateriali> AbacoInModifica(const std::string& percorsoAbaco,
                                               bool scritturaConsentita, Dialoghi& dialoghi) {
    auto contenuto = Leggi(percorsoAbaco, dialoghi);
    if (!contenuto) {
        return std::nullopt;
    }
    auto salva = [percorsoAbaco, scritturaConsentita, coda = std::move(contenuto->Coda),
                  &dialoghi](const Abaco& abaco) {
        if (!scritturaConsentita) {
            dialoghi.Messaggio(TitoloAbaco, MessaggioDiscoProtetto, Icona::Critica);
        } else if (const EsitoScrittura esito = SalvaAbaco(percorsoAbaco, abaco, coda); !esito) {
            dialoghi.Messaggio(TitoloAbaco,
                               MessaggioAbacoNonSalvatoPer(esito.Motivo, percorsoAbaco),
                               Icona::Critica);
        }
    };
    return ElencoMateriali::Modifica(std::move(contenuto->Voci), std::move(salva));
}

} // namespace paretix
