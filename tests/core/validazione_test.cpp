#include <gtest/gtest.h>

#include "core/model/validazione.h"
#include "support/pareti.h"
#include "trascrizione.h"

#include <map>

using namespace paretix;
using prova::Parete;

namespace {

// The check's message alone.
std::optional<std::string> MessaggioControllo(Esercizio& e) {
    NumeriCaselle letti;
    return ControlloCorrettezzaDatiIniziali(e, letti);
}

// The box a name of tests/data/core-h1/validazione.txt stands for: "hi", or "2.spessore".
std::string& CasellaDi(Esercizio& e, const std::string& nome) {
    const std::map<std::string, std::string Esercizio::*> generali{
        {"hi", &Esercizio::LiminariInterno}, {"he", &Esercizio::LiminariEsterno},
        {"ti", &Esercizio::TInterna},        {"te", &Esercizio::TEsterna},
        {"ui", &Esercizio::UInterna},        {"ue", &Esercizio::UEsterna},
        {"suono", &Esercizio::DistSonoro}};
    const std::map<std::string, Casella Strato::*> distrato{
        {"spessore", &Strato::Spessore},
        {"densita", &Strato::Densità},
        {"conduttivita", &Strato::Conduttività},
        {"permeabilita", &Strato::Permeabilità},
        {"assorbimento", &Strato::FatAssorbimento}};
    if (nome[1] == '.') {
        return (e.strato(nome[0] - '0').*distrato.at(nome.substr(2))).Testo;
    }
    return e.*generali.at(nome);
}

} // namespace

TEST(Validazione, EachFaultItsMessageAndTheBoxesLeftInTheirNormalForm) {
    test::ExpectTrascrizione("core-h1/validazione.txt", [](const std::string& caso) {
        const std::size_t spazio = caso.find(' '), due = caso.find(": ");
        const std::string calcoli = caso.substr(spazio + 1, due - spazio - 1);
        Esercizio e = Parete(caso.substr(0, spazio), calcoli.find('T') != std::string::npos,
                             calcoli.find('I') != std::string::npos, calcoli.ends_with('A'));
        std::vector<std::string> nomi;
        for (std::size_t da = due + 2, a; da <= caso.size(); da = a + 4) {
            a = std::min(caso.find(" && ", da), caso.size());
            const std::string assegnazione = caso.substr(da, a - da);
            const std::size_t uguale = assegnazione.find('=');
            nomi.push_back(assegnazione.substr(0, uguale));
            CasellaDi(e, nomi.back()) = assegnazione.substr(uguale + 1);
        }
        std::vector<std::string> righe{MessaggioControllo(e).value_or("nessun errore")};
        for (const std::string& nome : nomi) {
            righe.push_back(nome + ": \"" + CasellaDi(e, nome) + "\"");
        }
        return righe;
    });
}

// The calculation takes the numbers the check read, so each must land in its own box's slot, in
// its normal form; a hidden box and an absorption factor not given are left unread.
TEST(Validazione, KeepsTheNumberOfEachBoxItRead) {
    Esercizio e = Parete("MAM", true, true, true);
    e.LiminariInterno = "7,5";
    e.LiminariEsterno = "25";
    e.TInterna = "21";
    e.TEsterna = "-4";
    e.UInterna = "55";
    e.UEsterna = "81";
    e.DistSonoro = "72";
    e.strato(1).Densità.Testo = "1.800"; // normal form: 1,800
    e.strato(1).Spessore.Testo = "12";
    e.strato(1).Conduttività.Testo = "0,9";
    e.strato(1).Permeabilità.Testo = "18";
    e.strato(1).FatAssorbimento.Testo = "0,85";
    e.strato(3).FatAssorbimento.Testo = "-";
    NumeriCaselle letti;
    ASSERT_FALSE(ControlloCorrettezzaDatiIniziali(e, letti).has_value());
    EXPECT_EQ(letti.LiminariInterno, 7.5);
    EXPECT_EQ(letti.LiminariEsterno, 25.0);
    EXPECT_EQ(letti.TInterna, 21.0);
    EXPECT_EQ(letti.TEsterna, -4.0);
    EXPECT_EQ(letti.UInterna, 55.0);
    EXPECT_EQ(letti.UEsterna, 81.0);
    EXPECT_EQ(letti.DistSonoro, 72.0);
    const NumeriCaselle::DiStrato& primo = letti.Strati[1];
    EXPECT_EQ(primo.Densità, 1.8);
    EXPECT_EQ(primo.Spessore, 12.0);
    EXPECT_EQ(primo.Conduttività, 0.9);
    EXPECT_EQ(primo.Permeabilità, 18.0);
    EXPECT_EQ(primo.FatAssorbimento, 0.85);
    EXPECT_EQ(letti.Strati[2].Spessore, 5.0);
    EXPECT_FALSE(letti.Strati[2].Conduttività.has_value()); // a cavity has no conductivity box
    EXPECT_FALSE(letti.Strati[3].FatAssorbimento.has_value());
    EXPECT_FALSE(letti.Strati[4].Spessore.has_value()); // no fourth layer

    e = Parete("MAM"); // thermal only: densities and sound level hidden
    letti = {};
    ASSERT_FALSE(ControlloCorrettezzaDatiIniziali(e, letti).has_value());
    EXPECT_FALSE(letti.DistSonoro.has_value());
    EXPECT_FALSE(letti.Strati[1].Densità.has_value());
    EXPECT_EQ(letti.Strati[1].Conduttività, 0.5);
}
