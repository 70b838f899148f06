#include "core/window/finestra_principale.h"

#include "core/charts/grafici_calcolo.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/calc/calcolo.h"
#include "core/files/chiavi_simulazione.h"
#include "core/files/win1252.h"
#include "core/materials/carica_materiale.h"
#include "core/model/caselle_visibili.h"
#include "core/model/numeri.h"
#include "core/model/validazione.h"
#include "core/simulazione/righe_simulazione.h"
#include "core/simulazione/uscita_simulazione.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/window/dialogo_simulazione.h"
#include "core/window/passi.h"
#include "core/window/unita_suono.h"

namespace paretix {

namespace {

constexpr double UmiditàMinima = 0.0;
constexpr double UmiditàMassima = 100.0;

// The texts of every box that validation may rewrite, in one list for comparisons.
bool TestiUguali(const Esercizio& a, const Esercizio& b) {
    if (a.LiminariInterno != b.LiminariInterno || a.LiminariEsterno != b.LiminariEsterno ||
        a.TInterna != b.TInterna || a.TEsterna != b.TEsterna || a.UInterna != b.UInterna ||
        a.UEsterna != b.UEsterna || a.DistSonoro != b.DistSonoro ||
        a.NumeroStrati() != b.NumeroStrati()) {
        return false;
    }
    for (int k = 1; k <= a.NumeroStrati(); ++k) {
        const Strato& x = a.strato(k);
        const Strato& y = b.strato(k);
        if (x.Spessore.Testo != y.Spessore.Testo || x.Densità.Testo != y.Densità.Testo ||
            x.Conduttività.Testo != y.Conduttività.Testo ||
            x.Permeabilità.Testo != y.Permeabilità.Testo ||
            x.FatAssorbimento.Testo != y.FatAssorbimento.Testo) {
            return false;
        }
    }
    return true;
}

std::string NomePassoStrato(const char* casella, int k) {
    return casella + (SuffissoPassoStrato + std::to_string(k));
}

} // namespace

FinestraPrincipale::FinestraPrincipale(Dialoghi& dialoghi) : dialoghi_(dialoghi) {}

void FinestraPrincipale::Form_Load(const EsitoAvvio& avvio) {
    esercizio_ = Esercizio{};
    stato_ = StatoFinestra{};
    cronologia_.Azzera(true);
    stato_.CartellaProgramma = avvio.CartellaProgramma;
    stato_.CartellaDati = avvio.CartellaDati();
    stato_.ScritturaConsentita = avvio.ScritturaConsentita;
    stato_.AbacoUtilizzabile = avvio.AbacoUtilizzabile;
    AzzeramentoGraficiETesto();
    stato_.LabelNumeroStratiMax = PrefissoNumeroStratiMax + std::to_string(NumeroStratiMax);
    ApplicaTipiCalcolo();
    AggiornaEtichetteUmidità();
    VisualizzaStrati();
}

void FinestraPrincipale::NuovoProgettoVuoto() {
    MostraEsercizio(Esercizio{});
    stato_.PercorsoEsercizio.clear();
    stato_.Caption = CaptionSenzaNome;
    stato_.Modificato = No;
    cronologia_.Azzera(true);
    RimuoviRecupero();
}

void FinestraPrincipale::MostraEsercizio(Esercizio e) {
    esercizio_ = std::move(e);
    AzzeramentoGraficiETesto();
    stato_.Option2 = Vista::Schema;
    stato_.Check1Abilitato = {true, true, true};
    ApplicaTipiCalcolo();
    AggiornaEtichetteUmidità();
    VisualizzaStratiMantenendoInterni();
}

void FinestraPrincipale::Command1_Click() {
    if (!stato_.Command1Abilitato) {
        return;
    }
    FermaSimulazione();
    const Passo passo(*this, PassoCorrezioneValori);
    const Esercizio prima = esercizio_;
    std::optional<RisultatiVerifiche> verifiche;
    const EsitoCalcola esito =
        CalcolaConVerifiche(esercizio_, risultati_, stato_.TestoStampa, &verifiche);
    stato_.NumeroCamereAria = esito.NumeroCamereAria;
    NotificaCambi(prima);
    if (!esito.DatiValidi) {
        stato_.DatiValidi = No;
        dialoghi_.Messaggio(TitoloErrore, esito.Messaggio, Icona::Critica);
        return;
    }
    stato_.DatiValidi = Si;
    stato_.StampaAbilitata = true;
    stato_.GraficiDisegnati = true;
    DisegnaGraficiDelCalcolo(stato_.Disegni, esercizio_, risultati_);
    ++stato_.VersioneDisegni;
    stato_.Option2Abilitato[static_cast<int>(Vista::GraficiTermoIgrometrici)] = esercizio_.Termico;
    stato_.Option2Abilitato[static_cast<int>(Vista::GraficoAcustico)] = esercizio_.Acustico;
    stato_.Text2 = stato_.TestoStampa;
    stato_.RigheVerifiche.clear();
    if (verifiche) {
        stato_.RigheVerifiche = RigheVerifiche(*verifiche);
        stato_.NoteVerifiche = NoteVerifiche(*verifiche);
        stato_.DisegniVerifiche = GraficiDelleVerifiche(esercizio_, *verifiche);
    }
    PreparaSimulazioneDelCalcolo();
}

void FinestraPrincipale::PreparaSimulazioneDelCalcolo() {
    if (!SimulazioneAttiva(esercizio_)) {
        return;
    }
    LavoroSimulazione lavoro;
    std::string errore;
    const std::string cartella =
        std::filesystem::path(stato_.PercorsoEsercizio).parent_path().string();
    if (!PreparaSimulazione(esercizio_, cartella, LeggiFileTesto, lavoro.Preparata, errore)) {
        dialoghi_.Messaggio(TitoloDatiSimulazione, "Simulazione non eseguita: " + errore,
                            Icona::Esclamazione);
        return;
    }
    lavoro.Preparata.Dati.Andamenti = true; // the "Verifiche" window draws them
    lavoro.Numero = ++numeroSimulazione_;
    giorniSimulazione_ = lavoro.Preparata.Giorni;
    lavoro.Interruzione = interruzione_ = std::make_shared<std::atomic<bool>>(false);
    daAvviare_ = std::move(lavoro);
    stato_.SimulazioneInCorso = true;
    stato_.AvanzamentoSimulazione = 0;
}

std::optional<LavoroSimulazione> FinestraPrincipale::SimulazioneDaAvviare() {
    std::optional<LavoroSimulazione> lavoro = std::move(daAvviare_);
    daAvviare_.reset();
    return lavoro;
}

void FinestraPrincipale::AvanzamentoSimulazione(int numero, double quota) {
    if (!stato_.SimulazioneInCorso || numero != numeroSimulazione_) {
        return;
    }
    const int percento = static_cast<int>(std::clamp(quota, 0.0, 1.0) * 100);
    stato_.AvanzamentoSimulazione = std::max(stato_.AvanzamentoSimulazione, percento);
}

void FinestraPrincipale::SimulazioneFinita(int numero, RisultatoSimulazione risultato) {
    if (!stato_.SimulazioneInCorso || numero != numeroSimulazione_) {
        return;
    }
    stato_.SimulazioneInCorso = false;
    interruzione_.reset();
    if (risultato.Interrotta) {
        return;
    }
    std::optional<SimulazioneEseguita> fatta;
    if (const auto messaggio = EsitoSimulazione(giorniSimulazione_, std::move(risultato), fatta)) {
        dialoghi_.Messaggio(TitoloDatiSimulazione, *messaggio, Icona::Esclamazione);
        return;
    }
    simulazione_ = std::move(fatta);
    const std::vector<RigaVerifica> righe = RigheSimulazione(*simulazione_);
    stato_.RigheVerifiche.insert(stato_.RigheVerifiche.end(), righe.begin(), righe.end());
    stato_.Text2 += TestoSimulazione(simulazione_->Giorni, simulazione_->Risultato);
}

void FinestraPrincipale::Interrompi_Click() {
    FermaSimulazione();
}

void FinestraPrincipale::FermaSimulazione() {
    if (interruzione_) {
        interruzione_->store(true);
        interruzione_.reset();
    }
    daAvviare_.reset();
    simulazione_.reset();
    stato_.SimulazioneInCorso = false;
    stato_.AvanzamentoSimulazione = 0;
}

void FinestraPrincipale::VaiACommand() {
    Command1_Click();
}

void FinestraPrincipale::AzzeramentoGraficiETesto() {
    FermaSimulazione();
    stato_.StampaAbilitata = false;
    stato_.Text2.clear();
    stato_.RigheVerifiche.clear();
    stato_.NoteVerifiche.clear();
    stato_.DisegniVerifiche = {};
    stato_.GraficiDisegnati = false;
    DisegnaCorniciVuote();
    stato_.Option2Abilitato[static_cast<int>(Vista::GraficiTermoIgrometrici)] = false;
    stato_.Option2Abilitato[static_cast<int>(Vista::GraficoAcustico)] = false;
}

void FinestraPrincipale::CaricaMaterialeNelloStratoSelezionato(const VoceAbaco& voce) {
    const int k = stato_.StratoSelezionato;
    if (k < 1 || k > esercizio_.NumeroStrati()) {
        return;
    }
    const Passo passo(*this, PassoMaterialeDaAbaco);
    CaricaMateriale(esercizio_, k, voce);
    Modifica();
    VisualizzaStrati();
}

void FinestraPrincipale::DisegnaCorniciVuote() {
    stato_.Disegni = GraficiAzzerati(stato_.AltezzaPictureGrafico1 == AltezzaGraficoMezzo);
    ++stato_.VersioneDisegni;
}

void FinestraPrincipale::Modifica() {
    stato_.Modificato = Si;
    AzzeramentoGraficiETesto();
}

void FinestraPrincipale::ApplicaTipiCalcolo() {
    const Esercizio& e = esercizio_;
    if (e.Termico && e.Igrometrico) {
        stato_.CaptionOption2GraficiTermici = CaptionGraficiTermoIgrometrici;
        stato_.PictureGrafico2Visibile = true;
        stato_.AltezzaPictureGrafico1 = AltezzaGraficoMezzo;
    } else if (e.Termico) {
        stato_.CaptionOption2GraficiTermici = CaptionGraficoTermico;
        stato_.PictureGrafico2Visibile = false;
        stato_.AltezzaPictureGrafico1 = AltezzaGraficoIntero;
    }
    stato_.Command1Abilitato = e.Termico || e.Igrometrico || e.Acustico;
    stato_.FrameLiminariInEstVisibile = LiminariVisibili(e);
    // The temperature chart's height changes with the calculation types: its frame follows.
    DisegnaCorniciVuote();
}

void FinestraPrincipale::Check1_Click(int indice, bool valore) {
    if (indice < 0 || indice > 2 || !stato_.Check1Abilitato[static_cast<std::size_t>(indice)]) {
        return;
    }
    std::array<bool*, 3> caselle{&esercizio_.Termico, &esercizio_.Igrometrico,
                                 &esercizio_.Acustico};
    bool& casella = *caselle[static_cast<std::size_t>(indice)];
    if (casella == valore) {
        return;
    }
    const Passo passo(*this, PassoTipiCalcolo);
    casella = valore;
    Modifica();
    // The hygrometric calculation needs the temperatures of the thermal one.
    if (indice == 1 && valore) {
        esercizio_.Termico = true;
    }
    if (indice == 0 && !valore) {
        esercizio_.Igrometrico = false;
    }
    ApplicaTipiCalcolo();
    VisualizzaStrati();
}

void FinestraPrincipale::CheckVerifiche_Click(bool valore) {
    if (esercizio_.Verifiche.Attive == valore) {
        return;
    }
    const Passo passo(*this, PassoVerificheDiLegge);
    esercizio_.Verifiche.Attive = valore;
    Modifica();
    // The checks show the density boxes as the acoustic calculation does.
    VisualizzaStrati();
}

DialogoDatiVerifiche FinestraPrincipale::DatiVerifiche_Click() const {
    return DialogoDatiVerifiche(esercizio_);
}

bool FinestraPrincipale::DatiVerifiche_Ok(const DialogoDatiVerifiche& dialogo) {
    if (const auto errore = dialogo.Controllo()) {
        dialoghi_.Messaggio(TitoloDatiVerifiche, *errore, Icona::Esclamazione);
        return false;
    }
    const Passo passo(*this, PassoDatiVerifiche);
    if (dialogo.Applica(esercizio_)) {
        Modifica();
    }
    return true;
}

void FinestraPrincipale::CheckSimulazione_Click(bool valore) {
    if (CheckSimulazione() == valore) {
        return;
    }
    const Passo passo(*this, PassoSimulazione);
    const std::string chiave(ChiaveSimulazione);
    if (valore) {
        esercizio_.Simulazione[chiave] = "1";
    } else if (esercizio_.Simulazione.size() == 1) {
        esercizio_.Simulazione.erase(chiave);
    } else {
        esercizio_.Simulazione[chiave] = "0";
    }
    Modifica();
}

DialogoSimulazione FinestraPrincipale::DatiSimulazione_Click() const {
    return DialogoSimulazione(esercizio_);
}

bool FinestraPrincipale::DatiSimulazione_Ok(const DialogoSimulazione& dialogo) {
    if (const auto errore = dialogo.Controllo()) {
        dialoghi_.Messaggio(TitoloDatiSimulazione, *errore, Icona::Esclamazione);
        return false;
    }
    const Passo passo(*this, PassoDatiSimulazione);
    if (dialogo.Applica(esercizio_)) {
        Modifica();
    }
    return true;
}

void FinestraPrincipale::Option2_Click(int indice) {
    if (indice < 0 || indice > 2 || !stato_.Option2Abilitato[static_cast<std::size_t>(indice)]) {
        return;
    }
    stato_.Option2 = static_cast<Vista>(indice);
    // The calculation types can change only while the schema is in front.
    const bool schema = stato_.Option2 == Vista::Schema;
    stato_.Check1Abilitato = {schema, schema, schema};
}

void FinestraPrincipale::Option1_Click(int indice) {
    if (indice < 0 || indice > 1) {
        return;
    }
    const UnitaSuono nuova = indice == 0 ? UnitaSuono::Decibel : UnitaSuono::Watt;
    const UnitaSuono precedente = esercizio_.UnitaDistSonoro;
    if (nuova == precedente) {
        return;
    }
    const Passo passo(*this, PassoUnitaSuono);
    esercizio_.UnitaDistSonoro = nuova;
    stato_.Modificato = Si;
    if (DistSonoroVisibile(esercizio_)) {
        TextDistSonoro_Change(ModificatoreDatiInEntrata(esercizio_.DistSonoro));
    }
    const std::string ricordato = esercizio_.DistSonoro;
    const std::optional<double> numero = ConvertiNumero(ricordato);
    std::optional<double> convertito;
    std::string errore;
    if (!numero) {
        errore = ricordato.empty() ? Frase1(NomeDistSonoro) : Frase2(NomeDistSonoro);
    } else if (*numero < 0) {
        errore = Frase5(NomeDistSonoro);
    } else if (!(convertito = ConvertiDisturboSonoro(*numero, nuova))) {
        errore = Frase5(NomeDistSonoro);
    }
    if (!errore.empty()) {
        // Unit and text stay as they were; passing through "0" clears the results.
        dialoghi_.Messaggio(TitoloErrore, errore, Icona::Critica);
        TextDistSonoro_Change("0");
        esercizio_.UnitaDistSonoro = precedente;
        TextDistSonoro_Change(ricordato);
        return;
    }
    AzzeramentoGraficiETesto();
    TextDistSonoro_Change(FormaGenerale(*convertito));
}

void FinestraPrincipale::Spin(const char* nome, std::string Esercizio::*campo, double passo,
                              bool umidità) {
    const Passo passoCronologia(*this, nome);
    double valore = LetturaNumeroIniziale(esercizio_.*campo) + passo;
    if (umidità) {
        valore = std::clamp(valore, UmiditàMinima, UmiditàMassima);
    }
    CambiaContorno(campo, FormaGenerale(valore));
    AggiornaEtichetteUmidità();
    VaiACommand();
}

void FinestraPrincipale::CommandSuTi_Click() {
    Spin(PassoTInterna, &Esercizio::TInterna, 1, false);
}
void FinestraPrincipale::CommandGiuTi_Click() {
    Spin(PassoTInterna, &Esercizio::TInterna, -1, false);
}
void FinestraPrincipale::CommandSuTe_Click() {
    Spin(PassoTEsterna, &Esercizio::TEsterna, 1, false);
}
void FinestraPrincipale::CommandGiuTe_Click() {
    Spin(PassoTEsterna, &Esercizio::TEsterna, -1, false);
}
void FinestraPrincipale::CommandSuUi_Click() {
    Spin(PassoUInterna, &Esercizio::UInterna, 1, true);
}
void FinestraPrincipale::CommandGiuUi_Click() {
    Spin(PassoUInterna, &Esercizio::UInterna, -1, true);
}
void FinestraPrincipale::CommandSuUe_Click() {
    Spin(PassoUEsterna, &Esercizio::UEsterna, 1, true);
}
void FinestraPrincipale::CommandGiuUe_Click() {
    Spin(PassoUEsterna, &Esercizio::UEsterna, -1, true);
}

bool FinestraPrincipale::TextAppunti_Change(const std::string& testo) {
    if (!RappresentabileWin1252(testo)) {
        return false;
    }
    const Passo passo(*this, PassoAppunti, CasellaDigitata{PassoAppunti});
    if (esercizio_.Appunti != testo) {
        // Notes are no input of the calculation: the results stay.
        esercizio_.Appunti = testo;
        stato_.Modificato = Si;
    }
    return true;
}

bool FinestraPrincipale::CambiaContorno(std::string Esercizio::*campo, const std::string& testo) {
    if (!RappresentabileWin1252(testo)) {
        return false;
    }
    if (esercizio_.*campo != testo) {
        esercizio_.*campo = testo;
        Modifica();
        AggiornaEtichetteUmidità();
    }
    return true;
}

bool FinestraPrincipale::CambiaStrato(int k, Casella Strato::*campo, const std::string& testo) {
    if (k < 1 || k > esercizio_.NumeroStrati() || !RappresentabileWin1252(testo)) {
        return false;
    }
    std::string& attuale = (esercizio_.strato(k).*campo).Testo;
    if (attuale != testo) {
        attuale = testo;
        Modifica();
    }
    return true;
}

bool FinestraPrincipale::TextLiminariInterno_Change(const std::string& testo) {
    const Passo passo(*this, PassoLiminariInterno, CasellaDigitata{PassoLiminariInterno});
    return CambiaContorno(&Esercizio::LiminariInterno, testo);
}
bool FinestraPrincipale::TextLiminariEsterno_Change(const std::string& testo) {
    const Passo passo(*this, PassoLiminariEsterno, CasellaDigitata{PassoLiminariEsterno});
    return CambiaContorno(&Esercizio::LiminariEsterno, testo);
}
bool FinestraPrincipale::TextTInterna_Change(const std::string& testo) {
    const Passo passo(*this, PassoTInterna, CasellaDigitata{PassoTInterna});
    return CambiaContorno(&Esercizio::TInterna, testo);
}
bool FinestraPrincipale::TextTEsterna_Change(const std::string& testo) {
    const Passo passo(*this, PassoTEsterna, CasellaDigitata{PassoTEsterna});
    return CambiaContorno(&Esercizio::TEsterna, testo);
}
bool FinestraPrincipale::TextUInterna_Change(const std::string& testo) {
    const Passo passo(*this, PassoUInterna, CasellaDigitata{PassoUInterna});
    return CambiaContorno(&Esercizio::UInterna, testo);
}
bool FinestraPrincipale::TextUEsterna_Change(const std::string& testo) {
    const Passo passo(*this, PassoUEsterna, CasellaDigitata{PassoUEsterna});
    return CambiaContorno(&Esercizio::UEsterna, testo);
}
bool FinestraPrincipale::TextDistSonoro_Change(const std::string& testo) {
    const Passo passo(*this, PassoDistSonoro, CasellaDigitata{PassoDistSonoro});
    return CambiaContorno(&Esercizio::DistSonoro, testo);
}
bool FinestraPrincipale::TextSpessore_Change(int k, const std::string& testo) {
    const Passo passo(*this, NomePassoStrato(PassoSpessore, k), CasellaDigitata{PassoSpessore, k});
    return CambiaStrato(k, &Strato::Spessore, testo);
}
bool FinestraPrincipale::TextDensità_Change(int k, const std::string& testo) {
    const Passo passo(*this, NomePassoStrato(PassoDensità, k), CasellaDigitata{PassoDensità, k});
    return CambiaStrato(k, &Strato::Densità, testo);
}
bool FinestraPrincipale::TextConduttività_Change(int k, const std::string& testo) {
    const Passo passo(*this, NomePassoStrato(PassoConduttività, k),
                      CasellaDigitata{PassoConduttività, k});
    return CambiaStrato(k, &Strato::Conduttività, testo);
}
bool FinestraPrincipale::TextPermeabilità_Change(int k, const std::string& testo) {
    const Passo passo(*this, NomePassoStrato(PassoPermeabilità, k),
                      CasellaDigitata{PassoPermeabilità, k});
    return CambiaStrato(k, &Strato::Permeabilità, testo);
}
bool FinestraPrincipale::TextFatAssorbimento_Change(int k, const std::string& testo) {
    const Passo passo(*this, NomePassoStrato(PassoFatAssorbimento, k),
                      CasellaDigitata{PassoFatAssorbimento, k});
    return CambiaStrato(k, &Strato::FatAssorbimento, testo);
}

void FinestraPrincipale::NotificaCambi(const Esercizio& prima) {
    if (!TestiUguali(prima, esercizio_)) {
        Modifica();
        AggiornaEtichetteUmidità();
    }
}

void FinestraPrincipale::AggiornaEtichetteUmidità() {
    stato_.LabelUi = FormaGenerale(LetturaNumeroIniziale(esercizio_.UInterna));
    stato_.LabelUe = FormaGenerale(LetturaNumeroIniziale(esercizio_.UEsterna));
}

void FinestraPrincipale::Timer1_Timer() {
    for (Strato& s : esercizio_.Strati) {
        for (Casella* c :
             {&s.Spessore, &s.Densità, &s.Conduttività, &s.Permeabilità, &s.FatAssorbimento}) {
            c->Suggerimento = c->Testo;
        }
    }
}

} // namespace paretix
