#include <gtest/gtest.h>

#include "core/materials/abaco_file.h"
#include "core/materials/ricerca_materiali.h"
#include "tabella_casi.h"

using namespace paretix;

// The comparison form: lower case, the accents of the file's character set dropped, blanks
// tidied; what is not a letter stays as it came.
TEST(FormaDiRicerca, LowerCasePlainLettersTidyBlanks) {
    test::ExpectTabella("core-h2/forma-di-ricerca.txt",
                        [](const std::string& t) { return FormaDiRicerca(t); });
}

// Each input is "name|filter": words are found whatever their case, accents and order; singular
// and plural find each other, and so does a word with one letter wrong, missing or added; a
// short word or a different one does not.
TEST(FiltroMateriali, FindsWordsSingularPluralAndSmallTypos) {
    test::ExpectTabella("core-h2/filtro-materiali.txt", [](const std::string& t) {
        const std::size_t barra = t.find('|');
        return TrovatoDalFiltro(t.substr(0, barra), t.substr(barra + 1)) ? "trovato" : "no";
    });
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
    EXPECT_TRUE(TrovatoDalFiltro(letto.Voci[1].Materiale, "PIETRA LECC"));
    EXPECT_FALSE(TrovatoDalFiltro(letto.Voci[0].Materiale, "leccese"));
}
