#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <ranges>
#include <string>

#include "core/model/numeri.h"
#include "tabella_casi.h"

using namespace paretix;

namespace {

// The shortest text that reads back as the value, or "rifiutato".
std::string Valore(std::optional<double> v) {
    char testo[32];
    return v ? std::string(testo, std::to_chars(testo, testo + 32, *v).ptr) : "rifiutato";
}

} // namespace

// Italian numbers: decimal comma, points between thousands, an exponent, blanks around; a value
// too small to hold is zero, one too large or any other text is refused.
TEST(ConvertiNumero, AcceptsItalianNumbersAndRefusesTheRest) {
    test::ExpectTabella("core-h2/converti-numero.txt",
                        [](const std::string& t) { return Valore(ConvertiNumero(t)); });
    EXPECT_EQ(ConvertiNumeroOZero("abc"), 0.0);
}

// A plain decimal of up to 15 significant digits is read by a shortcut; every value must be the
// full conversion's to the last bit, at the edges of the shortcut and beyond them.
TEST(ConvertiNumero, TheShortcutGivesTheFullConversionsValue) {
    const auto Completa = [](std::string testo) {
        for (char& c : testo) {
            c = c == ',' ? '.' : c;
        }
        double v = 0;
        std::from_chars(testo.data(), testo.data() + testo.size(), v);
        return v;
    };
    const auto Uguali = [&](const std::string& testo) {
        const std::optional<double> letto = ConvertiNumero(testo);
        ASSERT_TRUE(letto.has_value()) << testo;
        const double atteso = Completa(testo);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*letto), std::bit_cast<std::uint64_t>(atteso))
            << testo;
    };
    for (const char* testo :
         {"0", "-0", "-0,0", "0,1", "0,3", "999999999999999", "9999999999999999",
          "123456789012345,6", "0,000000000000000000001", "0,0000000000000000000001",
          "1,0000000000000000000000", "0,123456789012345", "0,1234567890123456", "-187,52",
          "18446744073709551615", "1,7976931348623157", "4503599627370497", "0,0035"}) {
        Uguali(testo);
    }
    EXPECT_TRUE(std::signbit(*ConvertiNumero("-0")));
    std::mt19937_64 caso(7);
    std::uniform_int_distribution<int> lunghezza(1, 18);
    std::uniform_int_distribution<int> cifra(0, 9);
    for (int i = 0; i < 200000; ++i) {
        std::string testo = i % 2 ? "-" : "";
        const int intere = lunghezza(caso) % 10;
        const int decimali = lunghezza(caso) + (i % 7 == 0 ? 10 : 0);
        for (int k = 0; k < intere; ++k) {
            testo += static_cast<char>('0' + cifra(caso));
        }
        testo += ',';
        for (int k = 0; k < decimali; ++k) {
            testo += static_cast<char>('0' + cifra(caso));
        }
        Uguali(testo);
    }
}

// The input is the value as C++ reads it.
TEST(FormaGenerale, WritesTheShortestFifteenDigitForm) {
    test::ExpectTabella("core-h2/forma-generale.txt",
                        [](const std::string& t) { return FormaGenerale(std::stod(t)); });
}

// A number read from a typed text is written from the typed digits: the text must be exactly
// what the full conversion of the value writes, for the value itself and for it divided by a
// power of ten as the thickness in metres is, at the edges of the fixed form and beyond them.
TEST(FormaGenerale, TheTypedDigitsGiveTheFullConversionsText) {
    const auto Uguali = [](const std::string& digitato, int spostamento) {
        const std::optional<double> letto = ConvertiNumero(digitato);
        ASSERT_TRUE(letto.has_value()) << digitato;
        const double valore = *letto / std::pow(10.0, spostamento);
        std::string daCifre = "x";
        AggiungiFormaGeneraleDigitata(daCifre, valore, digitato, spostamento);
        EXPECT_EQ(daCifre, "x" + FormaGenerale(valore)) << digitato << " / 1E" << spostamento;
    };
    // Separated by "|", as " 12 " has blanks of its own.
    std::string_view digitati = "12|2,5|0,0001|0,001|0,00001|999999999999999|99999999999999,9|"
                                "100000000000000|007,50|1.234,5|+3|-0,5| 12 |0|-0|0,1|0,3|"
                                "123456789012345|0,123456789012345|1234567890123456|1E3|0,035|1,9";
    for (const auto parte : std::views::split(digitati, '|')) {
        const std::string testo(parte.begin(), parte.end());
        for (int spostamento : {0, 1, 2, 5, 22}) {
            Uguali(testo, spostamento);
        }
    }
    std::mt19937_64 caso(11);
    std::uniform_int_distribution<int> lunghezza(0, 16);
    std::uniform_int_distribution<int> cifra(0, 9);
    std::uniform_int_distribution<int> spostamento(0, 4);
    for (int i = 0; i < 200000; ++i) {
        std::string testo = i % 3 == 0 ? "-" : "";
        const int intere = lunghezza(caso) + (i % 2 ? 0 : 1);
        for (int k = 0; k < intere; ++k) {
            testo += static_cast<char>('0' + cifra(caso));
        }
        if (i % 5 != 0) {
            testo += ',';
            for (int k = lunghezza(caso) / 2; k > 0; --k) {
                testo += static_cast<char>('0' + cifra(caso));
            }
        }
        if (ConvertiNumero(testo)) {
            Uguali(testo, spostamento(caso));
        }
    }
    // A value that is not the typed one is written as itself.
    std::string altro;
    AggiungiFormaGeneraleDigitata(altro, 0.25, "0,3", 0);
    EXPECT_EQ(altro, "0,25");
}

TEST(LetturaNumeroIniziale, ReadsTheLeadingNumberWithADecimalPoint) {
    test::ExpectTabella("core-h2/numero-iniziale.txt",
                        [](const std::string& t) { return Valore(LetturaNumeroIniziale(t)); });
}
