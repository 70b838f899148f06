#include <gtest/gtest.h>

#include "core/verifiche/calcola_verifiche.h"
#include "core/verifiche/righe_verifiche.h"
#include "core/window/testo_tabella.h"
#include "support/parete_verifiche.h"

using namespace paretix;
using prova::PareteVerifiche;

namespace {

std::vector<RigaVerifica> Righe(Esercizio e) {
    const RisultatiCalcolo r = prova::Calcola(e);
    return RigheVerifiche(CalcolaVerifiche(e, r));
}

const std::string RwOttave = "Rw (C; Ctr) secondo UNI EN ISO 717-1, in bande d'ottava, dal "
                             "potere fonoisolante calcolato";
const std::string RwEmpirico = "Rw dalla legge empirica 37,5·lg(Ms) - 42";
const std::string Ms = "Massa superficiale Ms (esclusi gli intonaci)";
const std::string Fonte = " (DM 26/06/2015, App. B, dal 2021, zona E)";
const std::string SenzaC = "Calore specifico mancante: strati 1, 2";
const std::string ULegge = "Trasmittanza termica U secondo UNI EN ISO 6946";
const std::string UEsercizio = "Trasmittanza termica U dell'esercizio (hi, he)";

} // namespace

// The numbers worked in rapporto_verifiche_test: the law's U 0,521 > 0,28, 7,0 cm, the
// exercise's 0,517; Rw 64 (-3; -9); empirical 44 >= 40; Ms 202.
TEST(RigheVerifiche, OneRowPerNumberWithItsMark) {
    EXPECT_EQ(Righe(PareteVerifiche(true)),
              (std::vector<RigaVerifica>{
                  {UEsercizio, "0,517 W/m²K", "", "", "—"},
                  {ULegge, "0,521 W/m²K (Rsi = 0,13, Rse = 0,04 m²K/W)",
                   "Limite ≤ 0,280 W/m²K" + Fonte, "non verificata", "✘"},
                  {"Spessore aggiuntivo dello strato 2", "7,0 cm", "", "", "—"},
                  {RwOttave, "64 (-3; -9) dB", "", "", "—"},
                  {RwEmpirico, "44 dB", "D2m,nT,w ≥ 40 dB (DPCM 5/12/1997, categoria A)",
                   "verifica indicativa superata", "✔"},
                  {Ms, "202 kg/m²", "", "", "—"},
                  {"Trasmittanza termica periodica |Yie|", "—", "", SenzaC, "—"},
                  {"Requisito estivo", "Ms = 202 kg/m²", "",
                   "dati mancanti: orientamento, irradianza Im,s", "—"},
              }));
}

// Unheated space with btr 0,5: 0,498·0,5 = 0,249 <= 0,28; the acoustic row says what it
// needs, the surface mass does not need it. A
// partition category D needs R'w 55 > 44; zone missing: no outcome, no mark.
TEST(RigheVerifiche, UnheatedSpaceChecksNotRunAndMissingData) {
    Esercizio e = PareteVerifiche(false);
    e.Verifiche.Elemento = ElementoParete::NonClimatizzato;
    e.Verifiche.Btr = "0,5";
    EXPECT_EQ(Righe(e), (std::vector<RigaVerifica>{
                            {UEsercizio, "0,517 W/m²K", "", "", "—"},
                            {ULegge, "0,498 W/m²K (Rsi = 0,13, Rse = 0,13 m²K/W)", "", "", "—"},
                            {"U·btr (btr = 0,5)", "0,249 W/m²K", "Limite ≤ 0,280 W/m²K" + Fonte,
                             "verificata", "✔"},
                            {RwEmpirico, "—", "", "richiede il calcolo acustico", "—"},
                            {Ms, "202 kg/m²", "", "", "—"},
                            {"Trasmittanza termica periodica |Yie|", "—", "", SenzaC, "—"},
                            {"Requisito estivo", "Ms = 202 kg/m²", "",
                             "dati mancanti: orientamento, irradianza Im,s", "—"},
                        }));

    e = PareteVerifiche(true);
    e.Verifiche.Zona.reset();
    e.Verifiche.Elemento = ElementoParete::Divisorio;
    e.Verifiche.Categoria = CategoriaEdificio::D;
    e.Termico = false;
    AggiornaCaselleVisibili(e, false);
    const auto righe = Righe(e);
    ASSERT_EQ(righe.size(), 6u);
    EXPECT_EQ(righe[0], (RigaVerifica{ULegge, "—", "", "richiede il calcolo termico", "—"}));
    EXPECT_EQ(righe[2],
              (RigaVerifica{RwEmpirico, "44 dB", "R'w ≥ 55 dB (DPCM 5/12/1997, categoria D)",
                            "verifica indicativa non superata", "✘"}));

    e = PareteVerifiche(false);
    e.Verifiche.Zona.reset();
    EXPECT_EQ(Righe(e)[1], (RigaVerifica{ULegge, "0,521 W/m²K (Rsi = 0,13, Rse = 0,04 m²K/W)", "",
                                         "dati mancanti: zona climatica", "—"}));
}

TEST(RigheVerifiche, NotesOfTheChecksThatRan) {
    Esercizio e = PareteVerifiche(false);
    const RisultatiCalcolo r = prova::Calcola(e);
    const auto soloTermico = NoteVerifiche(CalcolaVerifiche(e, r));
    ASSERT_EQ(soloTermico.size(), 1u);
    EXPECT_NE(soloTermico[0].find("ponti termici"), std::string::npos);
    e = PareteVerifiche(true);
    EXPECT_EQ(NoteVerifiche(CalcolaVerifiche(e, prova::Calcola(e))).size(), 3u);
}

TEST(TabellaTabulata, CellsByTabsRowsByLineFeedsAndNoSeparatorInsideACell) {
    EXPECT_EQ(TabellaTabulata({{"✔", "U", "0,25 W/m²K"}, {"a\tb", "c\r\nd", ""}}),
              "✔\tU\t0,25 W/m²K\na b\tc  d\t\n");
    EXPECT_EQ(TabellaTabulata({}), "");
}
