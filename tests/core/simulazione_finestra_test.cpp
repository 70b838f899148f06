// The transient simulation in the window: the dialog's fields against the keys, its checks and
// the layers it flags, the run's progress and interruption, the run handed to a worker and its
// verdicts, and the technical report that carries them as paretix-report does.

#include <gtest/gtest.h>

#include <functional>

#include "core/files/dati_aggiuntivi.h"
#include "core/model/numeri.h"
#include "core/relazione/esporta_relazione.h"
#include "core/relazione/relazione_simulazione.h"
#include "core/simulazione/uscita_simulazione.h"
#include "core/simulazione/valutazione_simulazione.h"
#include "core/window/dialogo_simulazione.h"
#include "core/window/finestra_principale.h"
#include "support/finestra_di_prova.h"
#include "support/parete_simulata.h"

namespace paretix {
namespace {

using test::PareteSimulata;

// Every field of the dialog, each with a key of its own, on the simulated wall.
Esercizio PareteCompleta() {
    Esercizio e = PareteSimulata();
    for (const char* riga : {"simulazione.profili=1;2", "simulazione.superficie-esterna=imposta",
                             "simulazione.assorbimento-solare=0,6", "simulazione.pioggia=0,2",
                             "simulazione.muffa-sensibilita=media", "strato.2.legno=1"}) {
        EXPECT_TRUE(ApplicaRigaDatiAggiuntivi(e, riga)) << riga;
    }
    return e;
}

TEST(DialogoSimulazione, ShowsEveryKeyInItsFieldAndAnUntouchedDialogChangesNothing) {
    Esercizio e = PareteCompleta();
    e.Simulazione["simulazione.interno"] = "en15026-alto";
    e.Simulazione["simulazione.inizio"] = "15"; // a text the fields cannot split
    const DialogoSimulazione d(e);
    EXPECT_EQ(d.Giorni, "2");
    EXPECT_EQ(d.θIniziale, "15");
    EXPECT_EQ(d.φIniziale, "");
    EXPECT_EQ(d.Esterno.Tipo, TipoClima::Costante);
    EXPECT_EQ(d.Esterno.θ, "0");
    EXPECT_EQ(d.Esterno.φ, "80");
    EXPECT_EQ(d.Interno.Tipo, TipoClima::AllegatoCAlto);
    EXPECT_TRUE(d.EsternaImposta);
    EXPECT_FALSE(d.InternaImposta);
    EXPECT_EQ(d.Assorbimento, "0,6");
    EXPECT_EQ(d.Pioggia, "0,2");
    EXPECT_EQ(d.Sensibilità, 2);
    EXPECT_EQ(d.Profili, "1;2");
    ASSERT_EQ(d.Strati.size(), 2u);
    EXPECT_EQ(d.Strati[1].Dati, (std::array<std::string, 4>{"0,41", "9,5", "370", "0,4"}));
    EXPECT_TRUE(d.Strati[1].Legno);
    EXPECT_FALSE(d.Strati[0].Legno);
    const Esercizio prima = e;
    EXPECT_FALSE(d.Applica(e));
    EXPECT_EQ(e, prima);
}

TEST(DialogoSimulazione, EachEditedFieldWritesItsOwnKeyAndAnEmptiedFieldRemovesIt) {
    struct Caso {
        const char* Nome;
        std::function<void(DialogoSimulazione&)> Modifica;
        std::string Chiave;
        std::optional<std::string> Valore; // none: the key is gone
    };
    const std::vector<Caso> casi{
        {"giorni", [](auto& d) { d.Giorni = "730"; }, "simulazione.giorni", "730"},
        {"inizio", [](auto& d) { d.φIniziale = "70"; }, "simulazione.inizio", "15;70"},
        {"esterno epw",
         [](auto& d) {
             d.Esterno.Tipo = TipoClima::Epw;
             d.Esterno.File = "clima/roma.epw";
         },
         "simulazione.esterno", "epw:clima/roma.epw"},
        {"interno allegato C", [](auto& d) { d.Interno.Tipo = TipoClima::AllegatoCNormale; },
         "simulazione.interno", "en15026-normale"},
        {"interno costante", [](auto& d) { d.Interno.θ = "21"; }, "simulazione.interno",
         "costante:21;50"},
        {"imposta interna", [](auto& d) { d.InternaImposta = true; },
         "simulazione.superficie-interna", "imposta"},
        {"imposta esterna tolta", [](auto& d) { d.EsternaImposta = false; },
         "simulazione.superficie-esterna", std::nullopt},
        {"pioggia vuota", [](auto& d) { d.Pioggia.clear(); }, "simulazione.pioggia", std::nullopt},
        {"sensibilità", [](auto& d) { d.Sensibilità = 0; }, "simulazione.muffa-sensibilita",
         "molto-sensibile"},
        {"sensibilità predefinita", [](auto& d) { d.Sensibilità = 1; },
         "simulazione.muffa-sensibilita", std::nullopt},
        {"w80 dello strato 1", [](auto& d) { d.Strati[0].Dati[1] = "5"; }, "strato.1.w80", "5"},
        {"A dello strato 2 tolto", [](auto& d) { d.Strati[1].Dati[3].clear(); },
         "strato.2.coeff-assorbimento", std::nullopt},
        {"legno tolto", [](auto& d) { d.Strati[1].Legno = false; }, "strato.2.legno", std::nullopt},
    };
    for (const Caso& c : casi) {
        Esercizio e = PareteCompleta();
        DialogoSimulazione d(e);
        c.Modifica(d);
        Esercizio atteso = e;
        const bool strato = c.Chiave.starts_with("strato.");
        auto& chiavi = strato ? atteso.strato(c.Chiave[7] - '0').Igrotermici : atteso.Simulazione;
        const std::string nome = strato ? c.Chiave.substr(9) : c.Chiave;
        if (c.Valore) {
            chiavi[nome] = *c.Valore;
        } else {
            chiavi.erase(nome);
        }
        EXPECT_TRUE(d.Applica(e)) << c.Nome;
        EXPECT_EQ(e, atteso) << c.Nome;
    }
}

TEST(DialogoSimulazione, RefusesEachWrongValueWithAMessageNamingIt) {
    struct Caso {
        std::function<void(DialogoSimulazione&)> Modifica;
        std::optional<std::string> Parola; // a word of the message; none: accepted
    };
    const std::vector<Caso> casi{
        {[](auto&) {}, std::nullopt},
        {[](auto& d) { d.Giorni = "1,5"; }, "Durata"},
        {[](auto& d) { d.Giorni = "36501"; }, "Durata"},
        {[](auto& d) { d.Giorni = "36500"; }, std::nullopt},
        {[](auto& d) { d.φIniziale = "0"; }, "Stato iniziale"},
        {[](auto& d) { d.φIniziale = "100"; }, std::nullopt},
        {[](auto& d) { d.θIniziale = "-71"; }, "temperatura"},
        {[](auto& d) { d.Esterno.φ = ""; }, "Clima esterno"},
        {[](auto& d) { d.Esterno.Tipo = TipoClima::AllegatoCNormale; }, "Clima esterno"},
        {[](auto& d) { d.Interno.Tipo = TipoClima::Epw; }, "scegliere il file EPW"},
        {[](auto& d) { d.Assorbimento = "1,1"; }, "Assorbimento solare"},
        {[](auto& d) { d.Assorbimento = "1"; }, std::nullopt},
        {[](auto& d) { d.Pioggia = "-0,1"; }, "pioggia"},
        {[](auto& d) { d.Profili = "1;3"; }, "Giorni dei profili"},
        {[](auto& d) { d.Profili = "2;"; }, "Giorni dei profili"},
        {[](auto& d) { d.Profili = "2"; }, std::nullopt},
        {[](auto& d) { d.Strati[1].Dati[0] = "1,2"; }, "Strato n. 2: serve la porosità"},
        {[](auto& d) { d.Strati[1].Dati[1] = "296"; }, "0,8·wf"}, // exactly 0,8·370
        {[](auto& d) { d.Strati[1].Dati[1] = "295"; }, std::nullopt},
        {[](auto& d) { d.Strati[1].Dati[2] = "411"; }, "1000·porosità"},
        {[](auto& d) { d.Strati[1].Dati[2] = "410"; }, std::nullopt},
        {[](auto& d) { d.Strati[1].Dati[2] = ""; }, "insieme"},
        {[](auto& d) { d.Strati[0].Dati[3] = "0,1"; }, "Strato n. 1: il coefficiente A"},
        {[](auto& d) { d.Strati[0].Dati[1] = "x"; }, "Strato n. 1: il valore di ''w80"},
    };
    for (std::size_t i = 0; i < casi.size(); ++i) {
        DialogoSimulazione d(PareteCompleta());
        casi[i].Modifica(d);
        const auto errore = d.Controllo();
        ASSERT_EQ(errore.has_value(), casi[i].Parola.has_value())
            << i << ": " << errore.value_or("");
        if (errore) {
            EXPECT_NE(errore->find(*casi[i].Parola), std::string::npos) << i << ": " << *errore;
        }
    }
}

TEST(DialogoSimulazione, FlagsTheLayersWithoutMoistureDataButNeverAnAirCavity) {
    Esercizio e = PareteSimulata();
    DialogoSimulazione d(e);
    EXPECT_EQ(d.StratiSenzaDati(), std::vector<int>{1});
    EXPECT_NE(d.AvvisoDatiMancanti()->find("Lo strato n. 1 non ha i dati di umidità"),
              std::string::npos);
    e.Strati.insert(e.Strati.begin(), e.Strati.front());
    e.Strati.push_back(Strato{});
    e.strato(3).TipoStrato = TipoCameraAria;
    d = DialogoSimulazione(e);
    EXPECT_EQ(d.StratiSenzaDati(), (std::vector<int>{1, 2, 4}));
    EXPECT_NE(d.AvvisoDatiMancanti()->find("Gli strati n. 1, 2, 4 non hanno"), std::string::npos);
    e.strato(4).Igrotermici["sorbimento"] = "50:1;100:5";
    d = DialogoSimulazione(e);
    d.Strati[0].Dati = {"0,3", "5", "200", ""};
    d.Strati[1].Dati[2] = "100"; // wf alone is data, though not enough to be accepted
    EXPECT_TRUE(d.StratiSenzaDati().empty());
    EXPECT_FALSE(d.AvvisoDatiMancanti());
}

SimulazionePreparata Preparata(const Esercizio& e) {
    SimulazionePreparata p;
    std::string errore;
    EXPECT_TRUE(PreparaSimulazione(e, "", LeggiFileTesto, p, errore)) << errore;
    return p;
}

TEST(ControlloSimulazione, ProgressGrowsDailyToOneWithoutChangingTheResults) {
    Esercizio e = PareteSimulata();
    e.Simulazione["simulazione.giorni"] = "4";
    const SimulazionePreparata p = Preparata(e);
    std::vector<double> quote;
    ControlloSimulazione c;
    c.Avanzamento = [&quote](double q) { quote.push_back(q); };
    const std::atomic<bool> mai(false);
    c.Interruzione = &mai;
    const RisultatoSimulazione seguita = Simula(p.Dati, c);
    EXPECT_EQ(quote, (std::vector<double>{0.25, 0.5, 0.75, 1}));
    const RisultatoSimulazione libera = Simula(p.Dati);
    ASSERT_TRUE(libera.Riuscita && seguita.Riuscita);
    EXPECT_EQ(seguita.Passi, libera.Passi);
    EXPECT_EQ(seguita.AcquaFinale, libera.AcquaFinale);
    EXPECT_EQ(seguita.Muffa.front().Massimo, libera.Muffa.front().Massimo);
}

TEST(ControlloSimulazione, AStoppedRunEndsWithinTheHourAndKeepsNothing) {
    Esercizio e = PareteSimulata();
    e.Simulazione["simulazione.giorni"] = "400";
    const SimulazionePreparata p = Preparata(e);
    std::atomic<bool> ferma(false);
    int chiamate = 0;
    ControlloSimulazione c;
    c.Interruzione = &ferma;
    c.Avanzamento = [&](double) {
        ++chiamate;
        ferma = true;
    };
    const RisultatoSimulazione r = Simula(p.Dati, c);
    EXPECT_EQ(chiamate, 1);
    EXPECT_TRUE(r.Interrotta);
    EXPECT_FALSE(r.Riuscita);
    EXPECT_EQ(r.Passi, 0);
    EXPECT_TRUE(r.Profili.empty() && r.Muffa.empty() && r.MediaMensile.empty());
    std::optional<SimulazioneEseguita> fatta;
    EXPECT_TRUE(EsitoSimulazione(400, r, fatta));
    EXPECT_FALSE(fatta);
}

class SimulazioneNellaFinestra : public ::testing::Test {
  protected:
    DialoghiRegistrati dialoghi_;
    FinestraPrincipale finestra_{dialoghi_};
    test::CartellaTemporanea cartella_;

    void SetUp() override {
        finestra_.Form_Load(EsitoAvvio{"/tmp", Si, false});
        ASSERT_TRUE(MostraNellaFinestra(finestra_, dialoghi_, PareteSimulata(), cartella_));
        dialoghi_.Mostrati.clear();
    }
    // "Calcola" and the run it hands to the worker.
    LavoroSimulazione Calcola() {
        finestra_.Command1_Click();
        EXPECT_TRUE(finestra_.Stato().SimulazioneInCorso);
        auto lavoro = finestra_.SimulazioneDaAvviare();
        EXPECT_FALSE(finestra_.SimulazioneDaAvviare()) << "a run is handed out once";
        return std::move(lavoro).value();
    }
};

TEST_F(SimulazioneNellaFinestra, TheBoxWritesTheKeyAsAnEditThatUndoes) {
    finestra_.CheckSimulazione_Click(false);
    EXPECT_EQ(finestra_.esercizio().Simulazione.at("simulazione"), "0");
    EXPECT_EQ(finestra_.CaptionAnnulla(), "Annulla modifica simulazione dinamica");
    finestra_.Command1_Click();
    EXPECT_FALSE(finestra_.Stato().SimulazioneInCorso || finestra_.SimulazioneDaAvviare());
    finestra_.Annulla_Click();
    EXPECT_TRUE(finestra_.CheckSimulazione());

    // An exercise without any simulation key gets only the box's, and loses it again.
    FinestraPrincipale nuova(dialoghi_);
    nuova.Form_Load(EsitoAvvio{"/tmp", Si, false});
    Esercizio senza = PareteSimulata();
    senza.Simulazione.clear();
    ASSERT_TRUE(MostraNellaFinestra(nuova, dialoghi_, senza, cartella_));
    nuova.CheckSimulazione_Click(true);
    EXPECT_EQ(nuova.esercizio().Simulazione,
              (std::map<std::string, std::string>{{"simulazione", "1"}}));
    nuova.CheckSimulazione_Click(false);
    EXPECT_EQ(nuova.esercizio(), senza);
}

TEST_F(SimulazioneNellaFinestra, TheDialogsOkValidatesThenAppliesAsOneEdit) {
    DialogoSimulazione d = finestra_.DatiSimulazione_Click();
    d.Giorni = "0";
    EXPECT_FALSE(finestra_.DatiSimulazione_Ok(d));
    ASSERT_EQ(dialoghi_.Mostrati.size(), 1u);
    EXPECT_EQ(dialoghi_.Mostrati[0].Titolo, TitoloDatiSimulazione);
    EXPECT_EQ(finestra_.esercizio(), PareteSimulata());
    d.Giorni = "3";
    EXPECT_TRUE(finestra_.DatiSimulazione_Ok(d));
    EXPECT_EQ(finestra_.esercizio().Simulazione.at("simulazione.giorni"), "3");
    EXPECT_EQ(finestra_.Stato().Modificato, Si);
    finestra_.Annulla_Click();
    EXPECT_EQ(finestra_.esercizio(), PareteSimulata());
}

TEST_F(SimulazioneNellaFinestra, AFinishedRunAddsItsVerdictsAndItsSection) {
    const LavoroSimulazione lavoro = Calcola();
    const std::vector<RigaVerifica> prima = finestra_.Stato().RigheVerifiche;
    std::vector<double> quote;
    ControlloSimulazione c;
    c.Avanzamento = [&](double q) {
        finestra_.AvanzamentoSimulazione(lavoro.Numero, q);
        quote.push_back(finestra_.Stato().AvanzamentoSimulazione);
    };
    finestra_.SimulazioneFinita(lavoro.Numero, Simula(lavoro.Preparata.Dati, c));
    EXPECT_EQ(quote, (std::vector<double>{50, 100}));
    const StatoFinestra& s = finestra_.Stato();
    EXPECT_FALSE(s.SimulazioneInCorso);
    ASSERT_TRUE(finestra_.SimulazioneMostrata());
    const RisultatoSimulazione& r = finestra_.SimulazioneMostrata()->Risultato;
    // The trend (two days judge none), the inside surface and the one interface.
    ASSERT_EQ(s.RigheVerifiche.size(), prima.size() + 3);
    const RigaVerifica& andamento = s.RigheVerifiche[prima.size()];
    EXPECT_EQ(andamento.Segno, SegnoNessunEsito);
    EXPECT_NE(andamento.Valore.find(Decimali(r.AcquaFinale, 3)), std::string::npos);
    for (std::size_t p = 0; p < r.Muffa.size(); ++p) {
        const RigaVerifica& muffa = s.RigheVerifiche[prima.size() + 1 + p];
        EXPECT_EQ(muffa.Grandezza, "Indice di muffa massimo, " + LuogoMuffa(r.Muffa[p]));
        EXPECT_EQ(muffa.Valore, Decimali(r.Muffa[p].Massimo, 2));
        EXPECT_EQ(muffa.Segno, r.Muffa[p].Massimo < 1 ? SegnoSuperata : SegnoNonSuperata);
    }
    EXPECT_TRUE(s.Text2.ends_with(TestoSimulazione(2, r)));
    // An edit drops the simulation with the other results.
    finestra_.TextTInterna_Change("21");
    EXPECT_FALSE(finestra_.SimulazioneMostrata());
}

TEST_F(SimulazioneNellaFinestra, InterruptedOrSupersededRunsLeaveTheSteadyResultsAsTheyWere) {
    const LavoroSimulazione prima = Calcola();
    const LavoroSimulazione seconda = Calcola();
    EXPECT_TRUE(prima.Interruzione->load()) << "Calcola again stops the first run";
    EXPECT_FALSE(seconda.Interruzione->load());
    const StatoFinestra calcolato = finestra_.Stato();
    const RisultatoSimulazione r = Simula(seconda.Preparata.Dati);
    finestra_.SimulazioneFinita(prima.Numero, r);
    finestra_.AvanzamentoSimulazione(prima.Numero, 0.5);
    EXPECT_EQ(finestra_.Stato().AvanzamentoSimulazione, 0);
    EXPECT_TRUE(finestra_.Stato().SimulazioneInCorso);
    finestra_.Interrompi_Click();
    EXPECT_TRUE(seconda.Interruzione->load());
    EXPECT_FALSE(finestra_.Stato().SimulazioneInCorso);
    finestra_.SimulazioneFinita(seconda.Numero, r); // arrived after the stop
    EXPECT_FALSE(finestra_.SimulazioneMostrata());
    EXPECT_EQ(finestra_.Stato().RigheVerifiche, calcolato.RigheVerifiche);
    EXPECT_EQ(finestra_.Stato().Text2, calcolato.Text2);
    EXPECT_TRUE(dialoghi_.Mostrati.empty());
}

class ScrittoreRegistrato : public ScrittoreRelazione {
  public:
    std::vector<Relazione> Scritte;
    bool ScriviRelazione(const Relazione& relazione, const std::string&) override {
        Scritte.push_back(relazione);
        return true;
    }
};

TEST_F(SimulazioneNellaFinestra, TheTechnicalReportCarriesTheRunAsTheCommandLineDoes) {
    ScrittoreRegistrato scrittore;
    const std::string percorso = finestra_.Stato().PercorsoEsercizio;
    EsportaRelazione(scrittore, dialoghi_, finestra_.esercizio(), percorso);
    EXPECT_TRUE(scrittore.Scritte.empty());
    ASSERT_EQ(dialoghi_.Mostrati.size(), 1u);
    EXPECT_EQ(dialoghi_.Mostrati[0].Testo, MessaggioSimulazioneDaCalcolare);

    const LavoroSimulazione lavoro = Calcola();
    finestra_.SimulazioneFinita(lavoro.Numero, Simula(lavoro.Preparata.Dati));
    dialoghi_.FileScelti.push_back(cartella_ / "relazione.pdf");
    EsportaRelazione(scrittore, dialoghi_, finestra_.esercizio(), percorso,
                     &*finestra_.SimulazioneMostrata());
    ASSERT_EQ(scrittore.Scritte.size(), 1u);
    auto atteso = RelazioneDellEsercizio(finestra_.esercizio(), percorso, DataDiOggi());
    std::optional<SimulazioneEseguita> cli;
    ASSERT_FALSE(SimulaEsercizio(percorso, finestra_.esercizio(), cli, true));
    AggiungiSimulazione(std::get<Relazione>(atteso), cli->Giorni, cli->Risultato);
    EXPECT_EQ(scrittore.Scritte[0], std::get<Relazione>(atteso));
}

} // namespace
} // namespace paretix
