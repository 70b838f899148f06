#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "core/charts/testo_grafico.h"
#include "core/model/numeri.h"
#include "core/model/validazione.h"
#include "core/relazione/esporta_relazione.h"
#include "core/relazione/sezione_parete.h"
#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/righe_verifiche.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_registrati.h"
#include "support/pareti.h"

using namespace paretix;

namespace {

Relazione Di(const Esercizio& e) {
    auto r = RelazioneDellEsercizio(e, "muro.css", "09/12/2026");
    EXPECT_TRUE(std::holds_alternative<Relazione>(r));
    return std::holds_alternative<Relazione>(r) ? std::get<Relazione>(r) : Relazione{};
}

// The table that follows the heading titolo; its n-th one when it has several.
const Blocco* TabellaDopo(const Relazione& r, const std::string& titolo, int n = 0) {
    const auto s = std::find_if(r.Blocchi.begin(), r.Blocchi.end(), [&](const Blocco& b) {
        return b.Tipo == TipoBlocco::Sezione && b.Testo == titolo;
    });
    for (auto b = s; b != r.Blocchi.end(); ++b) {
        if (b->Tipo == TipoBlocco::Tabella && n-- == 0) {
            return &*b;
        }
    }
    return nullptr;
}

// The cell of the row whose first cell is chiave.
std::string Cella(const Blocco* t, const std::string& chiave, std::size_t colonna = 1) {
    if (t == nullptr) {
        return "senza tabella";
    }
    for (const auto& riga : t->Righe) {
        if (riga.front() == chiave) {
            return riga.at(colonna);
        }
    }
    return "senza riga " + chiave;
}

std::vector<std::string> Sezioni(const Relazione& r) {
    std::vector<std::string> titoli;
    for (const Blocco& b : r.Blocchi) {
        if (b.Tipo == TipoBlocco::Sezione) {
            titoli.push_back(b.Testo);
        }
    }
    return titoli;
}

} // namespace

// One layer of 10 cm at λ = 0,5 W/(m K), hi 7, he 24, 20 °C inside, 0 °C outside, 50 % inside:
//   R layer = 0,1 / 0,5 = 0,200; Rtot = 1/7 + 0,2 + 1/24 = 0,384524; U = 2,600619 -> "2,601";
//   q = 20 / 0,384524 = 52,0124 W/m²; θsi = 20 - q/7 = 12,570 -> "12,6"; θse = q/24 = 2,167
//   -> "2,2". Ps(20) = 5,96912 + 0,49899·20 + 0,007935·400 + 0,000530944·8000 = 23,37047 hPa
//   -> 2337 Pa; Pv inside = 50 % of it = 1168,52 -> "1169".
TEST(Relazione, FiguresAreRoundedAsAnEngineerWritesThem) {
    Esercizio e = prova::Parete("M", true, true);
    e.UInterna = "50";
    const Relazione r = Di(e);
    const Blocco* strati = TabellaDopo(r, "Stratigrafia della parete (dall'interno all'esterno)");
    ASSERT_NE(strati, nullptr);
    EXPECT_EQ(strati->Righe.at(0), (std::vector<std::string>{"1", MaterialeDaTastiera, "10", "0,5",
                                                             "500", "10", "—", "0,200"}));
    const Blocco* sintesi = TabellaDopo(r, "Risultati del calcolo termico");
    EXPECT_EQ(Cella(sintesi, "Trasmittanza U (W/(m² K))"), "2,601");
    EXPECT_EQ(Cella(sintesi, "Resistenza totale, superfici comprese (m² K/W)"), "0,385");
    EXPECT_EQ(Cella(sintesi, "Flusso termico q (W/m²)"), "52,01");
    const Blocco* temperature = TabellaDopo(r, "Risultati del calcolo termico", 1);
    EXPECT_EQ(Cella(temperature, "superficie interna"), "12,6");
    EXPECT_EQ(Cella(temperature, "superficie esterna"), "2,2");
    const Blocco* vapore = TabellaDopo(r, "Risultati del calcolo igrometrico");
    EXPECT_EQ(Cella(vapore, "ambiente interno", 1), "2337");
    EXPECT_EQ(Cella(vapore, "ambiente interno", 2), "1169");
    EXPECT_EQ(Cella(vapore, "superficie interna", 3), "no");
}

TEST(Relazione, TheHeadingShowsTheProjectDataGivenThenFileAndDate) {
    Esercizio e = prova::Parete("M");
    EXPECT_EQ(Di(e).Intestazione, (std::vector<std::pair<std::string, std::string>>{
                                      {"File", "muro.css"}, {"Data", "09/12/2026"}}));
    e.Verifiche.Progetto = {"Villa", "", "Via Roma 1", "Ing. Neri"};
    EXPECT_EQ(Di(e).Intestazione,
              (std::vector<std::pair<std::string, std::string>>{{"Progetto", "Villa"},
                                                                {"Indirizzo", "Via Roma 1"},
                                                                {"Tecnico", "Ing. Neri"},
                                                                {"File", "muro.css"},
                                                                {"Data", "09/12/2026"}}));
    EXPECT_EQ(TestoData(2026, 3, 7), "07/03/2026");
    EXPECT_EQ(TestoPagina(2, 5), "Pagina 2 di 5");
}

// The section of the wall and one chart per calculation.
TEST(Relazione, EachCalculationBringsItsOwnSectionsAndCharts) {
    const struct {
        bool termico, igrometrico, acustico;
        std::vector<std::string> calcoli; // the sections "Risultati del calcolo ..."
    } casi[] = {
        {true, false, false, {"termico"}},
        {true, true, false, {"termico", "igrometrico"}},
        {false, false, true, {"acustico"}},
    };
    for (const auto& c : casi) {
        const Relazione r = Di(prova::Parete("MM", c.termico, c.igrometrico, c.acustico));
        std::vector<std::string> sezioni{"Stratigrafia della parete (dall'interno all'esterno)",
                                         "Condizioni al contorno"};
        for (const std::string& calcolo : c.calcoli) {
            sezioni.push_back("Risultati del calcolo " + calcolo);
        }
        sezioni.push_back("Grafici");
        EXPECT_EQ(Sezioni(r), sezioni);
        EXPECT_EQ(std::count_if(r.Blocchi.begin(), r.Blocchi.end(),
                                [](const Blocco& b) { return b.Tipo == TipoBlocco::Disegno; }),
                  static_cast<long>(1 + c.calcoli.size()));
    }
}

TEST(Relazione, TheVerdictTableHoldsTheRowsOfTheChecksWindow) {
    Esercizio e = prova::Parete("MM");
    e.Verifiche.Attive = true;
    e.Verifiche.Zona = ZonaClimatica::E;
    e.Verifiche.Regime = RegimeVerifica::Riqualificazione2021;
    e.Verifiche.Elemento = ElementoParete::Esterno;
    const Relazione r = Di(e);
    const Blocco* t = TabellaDopo(r, "Verifiche di legge");
    ASSERT_NE(t, nullptr);
    RisultatiCalcolo calcolo;
    std::string testo;
    std::optional<RisultatiVerifiche> v;
    Esercizio copia = e;
    ASSERT_TRUE(CalcolaConVerifiche(copia, calcolo, testo, &v).DatiValidi);
    const std::vector<RigaVerifica> righe = RigheVerifiche(*v);
    ASSERT_EQ(t->Righe.size(), righe.size());
    ASSERT_FALSE(righe.empty());
    // Two layers of 10 cm: the exercise's U = 1 / (1/7 + 0,4 + 1/24) = 1,711 comes first, with
    // no verdict; the law's U = 1 / (0,13 + 0,4 + 0,04) = 1,754 is above the 0,28 of zone E.
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(t->Righe[i],
                  (std::vector<std::string>{righe[i].Segno, righe[i].Grandezza, righe[i].Valore,
                                            righe[i].Limite, righe[i].Esito}));
    }
    EXPECT_EQ(t->Righe[1][0], SegnoNonSuperata);
    EXPECT_NE(t->Righe[1][2].find("1,754"), std::string::npos);
}

TEST(Relazione, AnExerciseWithoutResultsGivesItsMessage) {
    Esercizio e = prova::Parete("M");
    e.strato(1).Spessore.Testo = "abc";
    EXPECT_TRUE(std::holds_alternative<std::string>(RelazioneDellEsercizio(e, "f", "d")));
    e = prova::Parete("M", false, false, false);
    EXPECT_EQ(std::get<std::string>(RelazioneDellEsercizio(e, "f", "d")),
              NessunCalcoloPerRelazione);
}

// Over walls of one to fifteen layers, thin and thick, with cavities: every line and label
// inside the frame, each layer as wide as its share (a thicker layer never narrower), each
// numbered under its own rectangle.
TEST(Relazione, TheSectionOfTheWallKeepsItsProportionsInsideTheFrame) {
    const std::vector<std::vector<std::string>> pareti{{"10"},
                                                       {"1,5", "30", "0,2"},
                                                       {"25", "5", "8", "12"},
                                                       std::vector<std::string>(15, "2"),
                                                       {"0", "abc", "4"}};
    for (const auto& spessori : pareti) {
        Esercizio e = prova::Parete(std::string(spessori.size(), 'M'));
        for (std::size_t k = 0; k < spessori.size(); ++k) {
            e.Strati[k].Spessore.Testo = spessori[k];
        }
        const Superficie s = SezioneParete(e);
        for (const Etichetta& t : s.Etichette) {
            EXPECT_TRUE(DentroSuperficie(Ingombro(t), s)) << t.Nome;
        }
        for (const Linea& l : s.Linee) {
            for (const double x : {l.X1, l.X2}) {
                EXPECT_TRUE(x >= 0 && x <= s.Larghezza) << l.Nome;
            }
            for (const double y : {l.Y1, l.Y2}) {
                EXPECT_TRUE(y >= 0 && y <= s.Altezza) << l.Nome;
            }
        }
        std::vector<double> larghezze;
        for (int k = 1; k <= e.NumeroStrati(); ++k) {
            const Linea* alto = TrovaLinea(s, NomeIndice("Bordo(" + std::to_string(k) + ")", 1));
            const Etichetta* numero = TrovaEtichetta(s, NomeIndice("Numero", k));
            ASSERT_TRUE(alto != nullptr && numero != nullptr);
            EXPECT_GT(numero->Sinistra, alto->X1);
            EXPECT_LT(numero->Sinistra, alto->X2);
            EXPECT_GE(alto->X2 - alto->X1, LarghezzaMinimaStrato - 1e-9);
            larghezze.push_back(alto->X2 - alto->X1);
        }
        for (std::size_t i = 0; i < spessori.size(); ++i) {
            for (std::size_t j = 0; j < spessori.size(); ++j) {
                if (ConvertiNumeroOZero(spessori[i]) > ConvertiNumeroOZero(spessori[j])) {
                    EXPECT_GT(larghezze[i], larghezze[j]);
                }
            }
        }
    }
}

namespace {

struct ScrittoreRegistrato : ScrittoreRelazione {
    std::vector<std::string> Percorsi;
    std::vector<std::string> File; // the file each document's heading names
    bool Riesce = true;
    bool ScriviRelazione(const Relazione& r, const std::string& percorso) override {
        Percorsi.push_back(percorso);
        File.push_back(r.Intestazione.at(r.Intestazione.size() - 2).second);
        return Riesce;
    }
};

} // namespace

TEST(Relazione, TheMenuCommandAsksForTheFileAndReportsWhatFailed) {
    const test::CartellaTemporanea temporanea;
    const std::string esistente = temporanea / "vecchio.pdf";
    test::ScriviTutto(esistente, "x");
    ScrittoreRegistrato scrittore;
    DialoghiRegistrati dialoghi;
    dialoghi.FileScelti = {std::nullopt, esistente, temporanea / "nuova", temporanea / "rotta"};
    dialoghi.Risposte = {Risposta::No};
    const Esercizio e = prova::Parete("M");
    for (int i = 0; i < 3; ++i) { // cancelled, existing file refused, new file
        EsportaRelazione(scrittore, dialoghi, e, "/progetti/muro.css");
    }
    scrittore.Riesce = false;
    EsportaRelazione(scrittore, dialoghi, e, "");
    Esercizio errato = e;
    errato.strato(1).Spessore.Testo = "abc";
    EsportaRelazione(scrittore, dialoghi, errato, "");

    EXPECT_EQ(scrittore.Percorsi,
              (std::vector<std::string>{temporanea / "nuova.pdf", temporanea / "rotta.pdf"}));
    EXPECT_EQ(scrittore.File, (std::vector<std::string>{"muro.css", FileSenzaNome}));
    std::vector<std::string> titoli;
    for (const auto& voce : dialoghi.Mostrati) {
        titoli.push_back(voce.Titolo);
    }
    const std::string esporta = TitoloEsportaRelazione;
    EXPECT_EQ(titoli, (std::vector<std::string>{esporta, esporta, esporta, esporta, esporta,
                                                esporta, TitoloErrore}));
    EXPECT_EQ(dialoghi.Mostrati.at(5).Testo, MessaggioRelazioneNonScritta);
    EXPECT_EQ(dialoghi.Proposti,
              (std::vector<std::string>{"/progetti/muro.pdf", "/progetti/muro.pdf",
                                        "/progetti/muro.pdf", ""}));
}
