#include <gtest/gtest.h>

#include "core/materials/abaco_file.h"
#include "core/materials/ricerca_materiali.h"

using namespace paretix;

// The comparison form: lower case, the accents of the file's character set dropped, blanks
// tidied; what is not a letter stays as it came.
TEST(FormaDiRicerca, LowerCasePlainLettersTidyBlanks) {
    EXPECT_EQ(FormaDiRicerca("  Piètra   SERENA "), "pietra serena");
    EXPECT_EQ(FormaDiRicerca("ÀÉÎÕÜ àéîõü Çç Ññ Ýÿ Ÿ"), "aeiou aeiou cc nn yy y");
    EXPECT_EQ(FormaDiRicerca("Æ æ Œ œ ß Š ž Ø"), "ae ae oe oe ss s z o");
    EXPECT_EQ(FormaDiRicerca("× ÷ µ € 1,5 °C"), "× ÷ µ € 1,5 °c");
    EXPECT_EQ(FormaDiRicerca("a\xC3 \xE8z"), "a\xC3 \xE8z"); // bytes outside UTF-8 kept
    EXPECT_EQ(FormaDiRicerca("\t "), "");
}

TEST(FiltroMateriali, FindsWordsWhateverTheirCaseAccentsAndOrder) {
    EXPECT_TRUE(TrovatoDalFiltro("Calcestruzzo", "calcestruzzo"));
    EXPECT_TRUE(TrovatoDalFiltro("Calcestruzzo armato", "CALCESTRUZZO"));
    EXPECT_TRUE(TrovatoDalFiltro("Piètra", "pietra"));
    EXPECT_TRUE(TrovatoDalFiltro("pietra", "Piètra"));
    EXPECT_TRUE(TrovatoDalFiltro("Calcestruzzo armato", " armato  calc"));
    EXPECT_TRUE(TrovatoDalFiltro("Mattoni pieni", "ton"));
    EXPECT_FALSE(TrovatoDalFiltro("Calcestruzzo armato", "calcestruzzo leggero"));
    EXPECT_TRUE(TrovatoDalFiltro("Qualsiasi", ""));
    EXPECT_TRUE(TrovatoDalFiltro("", "  "));
    EXPECT_FALSE(TrovatoDalFiltro("", "a"));
}

// Singular and plural find each other, and so does a word with one letter wrong, missing or
// added; a short word or a different one does not.
TEST(FiltroMateriali, FindsSingularPluralAndSmallTypos) {
    struct Caso {
        const char *nome, *filtro;
        bool trovato;
    };
    const Caso casi[] = {
        {"Mattoni pieni", "mattone", true},
        {"Mattone forato", "mattoni", true},
        {"Mattoni pieni", "matone", true},
        {"Mattoni pieni", "mattomi", true},
        {"Mattoni pieni", "mmattoni", true},
        {"Lastre di gesso", "lastra gesso", true},
        {"Pietra calcarea", "pietre", true},
        {"Calcestruzzo", "calcestruzo", true},
        {"Mattoni pieni", "matoni pieno", true},
        {"Mattoni pieni", "mattonelle", false},
        {"Mattoni pieni", "legno", false},
        {"Mattoni pieni", "pini", false},
        {"Sughero", "sugo", false},
        {"Gesso", "geso", false}, // a word of four letters is found only as it is
        {"Lana di roccia", "lana di vetro", false},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(TrovatoDalFiltro(c.nome, c.filtro), c.trovato) << c.nome << " / " << c.filtro;
    }
}

// The database file is Windows-1252: "è" is the byte 0xE8 there, and the reader turns it into
// the UTF-8 that the filter compares.
TEST(FiltroMateriali, FindsANameReadFromTheWindows1252File) {
    const ContenutoAbaco letto =
        LetturaAbaco("\xB6\r\nPI\xC8TRA SERENA\r\n2600\r\n3,5\r\n5\r\n-\r\n"
                     "\xB6\r\nPi\xE8tra leccese\r\n1800\r\n1,2\r\n10\r\n-\r\n");
    ASSERT_EQ(letto.Voci.size(), 2u);
    EXPECT_EQ(letto.Voci[1].Materiale, "Pi\xC3\xA8tra leccese");
    EXPECT_TRUE(TrovatoDalFiltro(letto.Voci[0].Materiale, "pietra"));
    EXPECT_TRUE(TrovatoDalFiltro(letto.Voci[1].Materiale, "pietra"));
    EXPECT_TRUE(TrovatoDalFiltro(letto.Voci[1].Materiale, "PIETRA LECC"));
    EXPECT_FALSE(TrovatoDalFiltro(letto.Voci[0].Materiale, "leccese"));
}
