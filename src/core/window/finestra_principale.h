#pragma once
// The main window without widgets: the exercise, the results and the state of every control,
// and one operation per event. The Qt window forwards each event to its operation and then
// shows the state; every message goes through Dialoghi.

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/calc/risultati.h"
#include "core/charts/cornici.h"
#include "core/charts/elementi.h"
#include "core/materials/voce_abaco.h"
#include "core/model/esercizio.h"
#include "core/porte/dialoghi.h"
#include "core/simulazione/preparazione_simulazione.h"
#include "core/simulazione/simulazione_esercizio.h"
#include "core/verifiche/righe_verifiche.h"
#include "core/window/avvio.h"
#include "core/window/cronologia.h"
#include "core/window/dati_verifiche_dialogo.h"
#include "core/window/file_recenti.h"
#include "core/window/grafici_verifiche.h"
#include "core/window/menu_strato.h"
#include "core/window/pannelli.h"
#include "core/window/schema_strati.h"

namespace paretix {

inline constexpr const char* CaptionSenzaNome = "Senza nome - Paretix LT";
inline constexpr const char* CaptionStratoSelezionato = "Strato n.";
inline constexpr const char* PrefissoNumeroStratiMax = "Numero strati max ";
inline constexpr const char* CaptionGraficiTermoIgrometrici = "Grafici termico e igrometrico";
inline constexpr const char* CaptionGraficoTermico = "Grafico termico";
inline constexpr const char* CaptionCheckVerifiche = "Verifiche di legge";

// How often the layer boxes' tool tips follow their texts (Timer1_Timer), in milliseconds.
constexpr int IntervalloTimer1 = 100;

// The three stacked panels, selected by Option2.
enum class Vista { Schema = 0, GraficiTermoIgrometrici = 1, GraficoAcustico = 2 };

struct StatoFinestra {
    // The exercise's file: the full path the next Save writes to, empty for an exercise that has
    // none yet. The caption names it.
    std::string PercorsoEsercizio;
    std::string Caption = CaptionSenzaNome;
    std::string Modificato = No;
    // Set when the user cancelled the save prompt while the window was closing: it stays open.
    int AnnullaChiusura = 0;
    std::string DatiValidi = Si;
    std::string ScritturaConsentita = Si;
    std::string CartellaProgramma;
    std::string CartellaDati; // the folder holding "dati/abaco.txt"
    int NumeroCamereAria = 0;

    // The report of the last calculation, and the report box, empty while there are no results.
    std::string TestoStampa;
    // The compliance checks of the last calculation with the checks on, for the "Verifiche"
    // window; empty while there are no results or the checks are off.
    std::vector<RigaVerifica> RigheVerifiche;
    std::vector<std::string> NoteVerifiche;
    // The charts of the "Verifiche" window.
    GraficiVerifiche DisegniVerifiche;
    std::string Text2;
    // Whether the charts hold the results of a calculation.
    bool GraficiDisegnati = false;
    // What the three chart surfaces show: empty frames, or the charts of the last calculation.
    // The version grows with every change, so that a view repaints only when it must.
    Grafici Disegni = GraficiAzzerati(true);
    int VersioneDisegni = 0;

    // The transient simulation started by the last "Calcola": running, with its progress in
    // percent (never going back), until its results arrive or it is stopped.
    bool SimulazioneInCorso = false;
    int AvanzamentoSimulazione = 0;

    bool Command1Abilitato = true; // "Calcola"
    // The print button Command3 and the menu entries "Anteprima di stampa" and "Stampa...".
    bool StampaAbilitata = false;
    std::array<bool, 3> Check1Abilitato{true, true, true};
    Vista Option2 = Vista::Schema;
    std::array<bool, 3> Option2Abilitato{true, false, false};
    std::string CaptionOption2GraficiTermici = CaptionGraficiTermoIgrometrici;
    bool PictureGrafico2Visibile = true;
    int AltezzaPictureGrafico1 = AltezzaGraficoMezzo;
    bool FrameLiminariInEstVisibile = true;
    // "Abaco materiali" in the Edit menu and "dati da abaco" in the layer menu.
    bool AbacoUtilizzabile = false;
    std::string LabelNumeroStratiMax;

    std::string LabelUi = "0";
    std::string LabelUe = "0";

    // The layer under the mouse, on which the layer menu works (0: none), and the captions
    // that show it.
    int StratoSelezionato = 0;
    int UltimoStratoEvidenziato = 0;
    std::string LabelStratoSelezionatoScritta;
    std::string LabelStratoSelezionatoNumero;
    StatoMenuStrato MenuNascosto;

    SchemaStrati Schema = SchemaIniziale();
    // Set while the schema is redrawn after appending a layer or for a new exercise: the middle
    // layers' absorption boxes then keep their state.
    bool MantieniInterni = false;
};

class DialogoSimulazione;

// A run of the transient simulation for a worker thread: its number, its input and the flag
// that stops it.
struct LavoroSimulazione {
    int Numero = 0;
    SimulazionePreparata Preparata;
    std::shared_ptr<std::atomic<bool>> Interruzione;
};

class FinestraPrincipale {
  public:
    explicit FinestraPrincipale(Dialoghi& dialoghi);

    const StatoFinestra& Stato() const { return stato_; }
    const Esercizio& esercizio() const { return esercizio_; }

    // Start-up, with what the start-up found in the program folder.
    void Form_Load(const EsitoAvvio& avvio);
    // The window and the exercise as for a new exercise.
    void NuovoProgettoVuoto();

    // The File menu's exercise commands. A modified exercise is offered for saving before New,
    // Open and Exit discard it; they go on after "Yes" only when it was really saved.
    void NuovoProgetto_Click();
    void ApriProgetto_Click();
    void Salva_Click();
    void SalvaConNome_Click();
    // Exit from the menu: whether the program may end.
    bool Esci_Click();
    // The window is about to close: whether it must stay open (AnnullaChiusura).
    bool Form_Unload();
    // The steps of those commands. Salva1 and SalvareConNome1 return whether the exercise was
    // written; EsciDefinitivamente whether the program may end.
    void ApriProgetto0();
    bool Salva1();
    bool SalvareConNome1();
    bool EsciDefinitivamente();

    // The Calculate command: validation (its message through Dialoghi), then the report.
    void Command1_Click();
    // Calculate as if "Calcola" had been pressed (after a spin button).
    void VaiACommand();

    // Clears the report and the charts and disables what needs results.
    void AzzeramentoGraficiETesto();

    // The calculation types: index 0 "Termico", 1 "Igrometrico", 2 "Acustico", with the value
    // the box now has.
    void Check1_Click(int indice, bool valore);
    // The fourth check box "Verifiche di legge", with the value the box now has: an edit like
    // any other. It is no calculation type: "Calcola" stays as the three types make it.
    bool CheckVerifiche() const { return esercizio_.Verifiche.Attive; }
    void CheckVerifiche_Click(bool valore);
    // "Dati per le verifiche": the dialog opened with a copy of the exercise's data, and its
    // "OK". A wrong value is shown through Dialoghi (title TitoloDatiVerifiche) and nothing is
    // applied: false, the dialog stays open with every typed text. Otherwise the data go into
    // the exercise, an edit like any other when anything changed, and the dialog closes (true).
    DialogoDatiVerifiche DatiVerifiche_Click() const;
    bool DatiVerifiche_Ok(const DialogoDatiVerifiche& dialogo);
    // The box "Simulazione dinamica (UNI EN 15026)": an edit that writes the key "simulazione"
    // (off, an exercise that had no other simulation key loses it again).
    bool CheckSimulazione() const { return SimulazioneAttiva(esercizio_); }
    void CheckSimulazione_Click(bool valore);
    // "Dati simulazione...": the dialog opened on the exercise's keys, and its "OK", which
    // behaves as DatiVerifiche_Ok (title TitoloDatiSimulazione).
    DialogoSimulazione DatiSimulazione_Click() const;
    bool DatiSimulazione_Ok(const DialogoSimulazione& dialogo);
    // "Calcola" with the box on and valid data prepares the simulation (a fault of its data is
    // shown and nothing runs) and marks it running; the view takes the run, once, and hands it
    // to a worker, which reports its progress and its result by the run's number. A report of
    // a run that is no longer the running one is ignored. The simulation's verdicts join the
    // rows of the "Verifiche" window and its section the report box.
    std::optional<LavoroSimulazione> SimulazioneDaAvviare();
    void AvanzamentoSimulazione(int numero, double quota);
    void SimulazioneFinita(int numero, RisultatoSimulazione risultato);
    // "Interrompi": the run stops and leaves no result; the steady results stay.
    void Interrompi_Click();
    // The simulation of the results on screen, for the technical report.
    const std::optional<SimulazioneEseguita>& SimulazioneMostrata() const { return simulazione_; }
    // Tells one run from the next: the charts are drawn again only for a new one.
    int NumeroSimulazione() const { return numeroSimulazione_; }
    // The view selector.
    void Option2_Click(int indice);
    // The unit of the sound level: index 0 decibel, 1 watt, the unit now chosen.
    void Option1_Click(int indice);

    // Spin buttons of the boundary conditions.
    void CommandSuTi_Click();
    void CommandGiuTi_Click();
    void CommandSuTe_Click();
    void CommandGiuTe_Click();
    void CommandSuUi_Click();
    void CommandGiuUi_Click();
    void CommandSuUe_Click();
    void CommandGiuUe_Click();

    // A box's new text. Every write of a box goes through these, the program's own included.
    // A text equal to the box's is no change. A text holding a character that the exercise
    // file cannot store is refused (false) and the box keeps its text.
    bool TextAppunti_Change(const std::string& testo);
    bool TextLiminariInterno_Change(const std::string& testo);
    bool TextLiminariEsterno_Change(const std::string& testo);
    bool TextTInterna_Change(const std::string& testo);
    bool TextTEsterna_Change(const std::string& testo);
    bool TextUInterna_Change(const std::string& testo);
    bool TextUEsterna_Change(const std::string& testo);
    bool TextDistSonoro_Change(const std::string& testo);
    bool TextSpessore_Change(int k, const std::string& testo);
    bool TextDensità_Change(int k, const std::string& testo);
    bool TextConduttività_Change(int k, const std::string& testo);
    bool TextPermeabilità_Change(int k, const std::string& testo);
    bool TextFatAssorbimento_Change(int k, const std::string& testo);

    // Every 100 ms: each layer box's tool tip becomes its text, so that a value too long for
    // its narrow box can be read by pointing at it.
    void Timer1_Timer();

    // The schema: placement and visibility after any change of the layers or the calculations.
    void VisualizzaStrati();
    // The same, leaving the middle layers' absorption boxes as they are: after appending a layer,
    // for a new exercise and after opening a file.
    void VisualizzaStratiMantenendoInterni();
    // The mouse over layer k, over the rest of the schema, and pressed on layer k (which sets
    // up the layer menu for the view to open).
    void LabelStrato_MouseMove(int k);
    void MuoveSu();
    void LabelStrato_MouseDown(int k);

    // The layer operations: append and remove at the outside end, and the layer menu's
    // commands on the selected layer. A command that the menu would not offer does nothing.
    void CommandPiù_Click();
    void CommandMeno_Click();
    void EliminaStrato_Click();
    void InserisciStratoADestra_Click();
    void InserisciStratoASinistra_Click();
    void CameraAria_Click();
    void DaTastiera_Click();
    // Loads a row of the materials database into the selected layer: an edit like any other,
    // and the layer's boxes change, so the schema is drawn again.
    void CaricaMaterialeNelloStratoSelezionato(const VoceAbaco& voce);

    // "Annulla" and "Ripeti" in the Edit menu: every edit of the exercise is one step (typing in
    // a box one step per value, until ConfermaCasella); New and Open start a new history.
    // Modificato follows the history: back at the saved state the exercise is unmodified.
    void Annulla_Click();
    void Ripeti_Click();
    // The value typed in a box is complete (Enter, or the box lost the focus).
    void ConfermaCasella();
    // The menu captions ("Annulla inserimento strato", or "Annulla" alone) and whether the
    // entries are enabled.
    std::string CaptionAnnulla() const;
    std::string CaptionRipeti() const;
    bool AnnullaAbilitato() const { return !cronologia_.NomeAnnulla().empty(); }
    bool RipetiAbilitato() const { return !cronologia_.NomeRipeti().empty(); }

    // The recovery file (empty: none), written by TimerRecupero_Timer while the exercise is
    // modified and removed once it is not: after a save, New, Open and a clean exit.
    void ImpostaRecupero(std::string percorso);
    // At start-up: a recovery file left by a session that did not end cleanly is offered for
    // restoring, naming the exercise's file. Restored, the exercise belongs to that file (or
    // to none) and is modified; refused, the recovery file goes.
    void OffriRipristino();
    void TimerRecupero_Timer();

    // The last files opened or saved, kept in the file elenco (empty: only in memory), and the
    // File menu's entries that open them.
    void ImpostaFileRecenti(std::string elenco);
    const std::vector<std::string>& FileRecenti() const { return recenti_.Elenco(); }
    void ApriRecente_Click(int indice);

  private:
    // While it lives, the operation that made it is one step of the history: an exercise that
    // changed is recorded under its name. An operation run by another is part of that one's step.
    class Passo {
      public:
        Passo(FinestraPrincipale& finestra, std::string nome,
              std::optional<CasellaDigitata> casella = std::nullopt);
        ~Passo();
        Passo(const Passo&) = delete;
        Passo& operator=(const Passo&) = delete;

      private:
        FinestraPrincipale& finestra_;
        bool esterno_;
        std::string nome_;
        std::optional<CasellaDigitata> casella_;
        Esercizio prima_;
    };

    // Shows an exercise of the history.
    void Ripristina(const Esercizio& e);
    // Reads the file nome into the window (Open); whether it was read.
    bool Apertura(const std::string& nome);
    void RimuoviRecupero() const;
    // The window shows exercise e as a freshly loaded one: results cleared, the schema in front,
    // the controls that follow the calculation types, the schema redrawn.
    void MostraEsercizio(Esercizio e);
    // Offers to save a modified exercise; whether the command that asked may go on.
    bool SalvataggioOfferto();
    // Writes the exercise to percorso; a failed write is reported and changes nothing.
    bool Scrittura(const std::string& percorso);
    // The effect of an edit of a box other than the notes.
    void Modifica();
    // What follows from the chosen calculation types: the chart view's caption and sizes,
    // "Calcola", the frame of hi and he.
    void ApplicaTipiCalcolo();
    void Spin(const char* nome, std::string Esercizio::*campo, double passo, bool umidità);
    bool CambiaContorno(std::string Esercizio::*campo, const std::string& testo);
    bool CambiaStrato(int k, Casella Strato::*campo, const std::string& testo);
    // Runs the change handlers of the boxes whose text differs from prima.
    void NotificaCambi(const Esercizio& prima);
    void AggiornaEtichetteUmidità();
    // Back to the empty frames, for the chart heights the calculation types give.
    void DisegnaCorniciVuote();
    void InserisciStrato(bool aDestra);
    bool StratoSelezionatoValido() const;
    // Stops the running simulation, if any, and drops its results.
    void FermaSimulazione();
    void PreparaSimulazioneDelCalcolo();

    Dialoghi& dialoghi_;
    Esercizio esercizio_;
    RisultatiCalcolo risultati_;
    StatoFinestra stato_;
    Cronologia cronologia_;
    bool passoInCorso_ = false;
    std::string recupero_;
    ElencoFileRecenti recenti_;
    std::optional<SimulazioneEseguita> simulazione_;
    std::optional<LavoroSimulazione> daAvviare_;
    std::shared_ptr<std::atomic<bool>> interruzione_;
    int numeroSimulazione_ = 0;
    int giorniSimulazione_ = 0;
};

} // namespace paretix
