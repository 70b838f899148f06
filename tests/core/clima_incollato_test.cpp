// The climate table pasted from a spreadsheet: tab or semicolon columns, decimal comma or
// point, the month column and the heading skipped, and the rows refused with their number.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/files/clima_incollato.h"
#include "support/dati_attesi.h"
#include "tabella_casi.h"

using namespace paretix;

namespace {

// The year the pastes below hold, month by month (θe °C, φe %).
const ClimaAnno Anno{{{-0.3, 83},
                      {1.5, 79},
                      {6, 75.5},
                      {10.25, 72},
                      {15, 70},
                      {19.5, 68},
                      {22, 65},
                      {21.75, 67},
                      {17, 72},
                      {11, 80},
                      {5.5, 85},
                      {0, 100}}};

// A CSV of the Italian kind: semicolons, decimal comma, a heading and the month names.
const std::string ConVirgola = test::LeggiTutto(test::PercorsoAtteso("core/clima-virgola.csv"));

// Cells copied from a spreadsheet of the English kind: tabs, decimal point, no month column,
// a percent format on φe, empty columns copied at the end of some rows, no final line end.
const std::string ConPunto = test::LeggiTutto(test::PercorsoAtteso("core/clima-punto.txt"));

std::string Righe(int primo, int ultimo, const std::string& separatore) {
    std::string testo;
    for (int m = primo; m <= ultimo; ++m) {
        testo += "10" + separatore + "50\n";
    }
    return testo;
}

// The error for the text, checking that the year given keeps its values.
std::string Errore(const std::string& testo) {
    ClimaAnno clima = Anno;
    const auto errore = LetturaClimaIncollato(testo, clima);
    EXPECT_EQ(clima, Anno);
    return errore.value_or("accettato");
}

} // namespace

TEST(ClimaIncollato, DueStiliDecimali) {
    for (const std::string& testo : {ConVirgola, ConPunto}) {
        ClimaAnno clima;
        EXPECT_EQ(LetturaClimaIncollato(testo, clima), std::nullopt);
        EXPECT_EQ(clima, Anno);
    }
}

// The table's input is the third row of a paste whose other rows are "10;50" (or "10<tab>50",
// when the third has a tab): the error, or March as read.
TEST(ClimaIncollato, TerzaRiga) {
    test::ExpectTabella("core-h2/clima-incollato-terza-riga.txt", [](const std::string& riga) {
        const std::string separatore = riga.find('\t') != std::string::npos ? "\t" : ";";
        ClimaAnno clima = Anno;
        const auto errore = LetturaClimaIncollato(
            Righe(1, 2, separatore) + riga + "\n" + Righe(4, 12, separatore), clima);
        if (errore) {
            EXPECT_EQ(clima, Anno) << riga;
            return *errore;
        }
        std::ostringstream marzo;
        marzo << "marzo " << clima[2].Temperatura << " °C " << clima[2].Umidità << " %";
        return marzo.str();
    });
}

TEST(ClimaIncollato, ColonnaDelMese) {
    std::string numerati;
    std::string abbreviati;
    const char* nomi[] = {"Gen", "Feb", "Mar", "Apr", "Mag", "Giu",
                          "Lug", "Ago", "Set", "Ott", "Nov", "Dic"};
    for (int m = 1; m <= 12; ++m) {
        numerati += std::to_string(m) + "\t" + std::to_string(m) + "\t50\n";
        abbreviati += std::string(nomi[m - 1]) + ";" + std::to_string(-m) + ";50\n";
    }
    ClimaAnno clima;
    EXPECT_EQ(LetturaClimaIncollato(numerati, clima), std::nullopt);
    EXPECT_EQ(clima[0], (ClimaMese{1, 50}));
    EXPECT_EQ(clima[11], (ClimaMese{12, 50}));
    EXPECT_EQ(LetturaClimaIncollato(abbreviati, clima), std::nullopt);
    EXPECT_EQ(clima[2], (ClimaMese{-3, 50}));
}

TEST(ClimaIncollato, NumeroDiRighe) {
    EXPECT_EQ(Errore(""), "Incollate 0 righe di dati: attese 12, da gennaio a dicembre");
    EXPECT_EQ(Errore(Righe(1, 11, ";")),
              "Incollate 11 righe di dati: attese 12, da gennaio a dicembre");
    EXPECT_EQ(Errore("θe;φe\n" + Righe(1, 13, ";")),
              "Incollate 13 righe di dati: attese 12, da gennaio a dicembre");
    // Blank rows do not count, but the rows keep their number in the pasted text.
    EXPECT_EQ(Errore("\n \n" + Righe(1, 2, ";") + " \n" + "10;50;60;70\n" + Righe(4, 12, ";")),
              "Riga 6: attese 2 colonne (θe, φe), eventualmente precedute dal mese, trovate 4");
}
