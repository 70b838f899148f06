#pragma once
// The windows and commands around the main window, attached to its hooks: the report window
// (print button and "Anteprima di stampa"), printing ("Stampa..."), the notes window (the
// typewriter button), the materials database ("dati da abaco" and "Abaco materiali"), the help
// file, the About window and the technical report in PDF ("Esporta relazione PDF...").

#include <QObject>

#include "core/materials/elenco_materiali.h"
#include "core/porte/aperture_esterne.h"
#include "core/porte/dialoghi.h"
#include "core/porte/esportatore_pdf.h"
#include "core/porte/stampante.h"

namespace paretix::ui {

class FinestraPrincipaleQt;
class VerificheQt;

class FinestreAusiliarie : public QObject {
  public:
    FinestreAusiliarie(FinestraPrincipaleQt& finestra, Dialoghi& dialoghi, Stampante& stampante,
                       EsportatorePdf& esportatore, ApertureEsterne& aperture);

  private:
    void AnteprimaDiStampa();
    void Appunti();
    void DaAbaco();
    void AbacoMateriali();
    void DatiVerifiche();
    void DatiSimulazione();
    // The "Verifiche" window follows the results: opened by "Calcola" when the checks ran,
    // refreshed or closed when the results change.
    void MostraVerifiche();
    void AggiornaVerifiche();
    // The rows, notes and charts of the checks, and the transient run's charts when it ran.
    void MostraTutteLeVerifiche();

    FinestraPrincipaleQt& finestra_;
    Dialoghi& dialoghi_;
    Stampante& stampante_;
    EsportatorePdf& esportatore_;
    ApertureEsterne& aperture_;
    VerificheQt* verifiche_ = nullptr;
    // Where the materials browser was when it last closed, for this session.
    PosizioneElenco posizioneAbaco_;
};

} // namespace paretix::ui
