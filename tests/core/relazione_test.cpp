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
#include "support/dati_attesi.h"
#include "support/dialoghi_registrati.h"
#include "support/pareti.h"
#include "trascrizione.h"

using namespace paretix;

namespace {

Relazione Di(const Esercizio& e) {
    auto r = RelazioneDellEsercizio(e, "muro.css", "09/12/2026");
    EXPECT_TRUE(std::holds_alternative<Relazione>(r));
    return std::holds_alternative<Relazione>(r) ? std::get<Relazione>(r) : Relazione{};
}

// The document as text, one line per heading, paragraph, table row and drawing.
std::string Testo(const Relazione& r) {
    std::string t;
    for (const auto& [etichetta, valore] : r.Intestazione) {
        t += "intestazione: " + etichetta + " = " + valore + "\n";
    }
    const char* tipi[] = {"sezione", "paragrafo", "tabella", "disegno"};
    for (const Blocco& b : r.Blocchi) {
        t += std::string(tipi[static_cast<int>(b.Tipo)]) + ": " + b.Testo + "\n";
        for (std::size_t i = 0; i <= b.Righe.size() && !b.Righe.empty(); ++i) {
            const auto& riga = i == 0 ? b.Intestazioni : b.Righe[i - 1];
            t += i == 0 ? "  colonne" : "  riga";
            for (const std::string& cella : riga) {
                t += " | " + test::Visibile(cella);
            }
            t += "\n";
        }
    }
    return t;
}

} // namespace

// The documents of a few walls, kept as text under tests/data/core-h1/relazione: each
// calculation brings its own sections and chart, the heading shows the project data given,
// then file and date, and the verdict table holds the rows of the checks window. In
// "termoigrometrica", one layer of 10 cm at λ = 0,5 W/(m K), hi 7, he 24, 20 °C inside, 0 °C
// outside, 50 % inside, the figures are rounded as an engineer writes them:
//   R layer = 0,1 / 0,5 = 0,200; Rtot = 1/7 + 0,2 + 1/24 = 0,384524; U = 2,600619 -> "2,601";
//   q = 20 / 0,384524 = 52,0124 W/m²; θsi = 20 - q/7 = 12,570 -> "12,6"; θse = q/24 = 2,167
//   -> "2,2". Ps(20) = 23,37047 hPa -> 2337 Pa; Pv inside = 50 % of it = 1168,52 -> "1169".
// In "verifiche", two layers of 10 cm: the exercise's U = 1 / (1/7 + 0,4 + 1/24) = 1,711
// comes first, with no verdict; the law's U = 1 / (0,13 + 0,4 + 0,04) = 1,754 is above the
// 0,28 of zone E.
TEST(Relazione, TheDocumentsOfSomeWalls) {
    Esercizio termoigrometrica = prova::Parete("M", true, true);
    termoigrometrica.UInterna = "50";
    Esercizio progetto = prova::Parete("M");
    progetto.Verifiche.Progetto = {"Villa", "", "Via Roma 1", "Ing. Neri"};
    Esercizio verifiche = prova::Parete("MM");
    verifiche.Verifiche.Attive = true;
    verifiche.Verifiche.Zona = ZonaClimatica::E;
    verifiche.Verifiche.Regime = RegimeVerifica::Riqualificazione2021;
    verifiche.Verifiche.Elemento = ElementoParete::Esterno;
    const std::pair<const char*, Esercizio> casi[] = {
        {"termoigrometrica", termoigrometrica},
        {"progetto", progetto},
        {"termica", prova::Parete("MM")},
        {"acustica", prova::Parete("MM", false, false, true)},
        {"verifiche", verifiche},
    };
    for (const auto& [nome, e] : casi) {
        test::ExpectComeNelFile("core-h1/relazione/" + std::string(nome) + ".txt", Testo(Di(e)));
    }
    EXPECT_EQ(TestoData(2026, 3, 7), "07/03/2026");
    EXPECT_EQ(TestoPagina(2, 5), "Pagina 2 di 5");
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
