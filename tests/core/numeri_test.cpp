#include <gtest/gtest.h>

#include <cmath>

#include "core/model/numeri.h"

using namespace paretix;

TEST(ConvertiNumero, AcceptsItalianNumbers) {
    EXPECT_EQ(ConvertiNumero("12,5"), 12.5);
    EXPECT_EQ(ConvertiNumero("1.000,5"), 1000.5);
    EXPECT_EQ(ConvertiNumero("1.00"), 100.0);
    EXPECT_EQ(ConvertiNumero(" 1"), 1.0);
    EXPECT_EQ(ConvertiNumero("1 "), 1.0);
    EXPECT_EQ(ConvertiNumero("1,0"), 1.0);
    EXPECT_EQ(ConvertiNumero("-3"), -3.0);
    EXPECT_EQ(ConvertiNumero("+3"), 3.0);
    EXPECT_EQ(ConvertiNumero("2E3"), 2000.0);
    EXPECT_EQ(ConvertiNumero("2e-3"), 0.002);
    EXPECT_EQ(ConvertiNumero(",5"), 0.5);
    EXPECT_EQ(ConvertiNumero("5,"), 5.0);
    EXPECT_EQ(ConvertiNumero("0,1"), 0.1);
    EXPECT_EQ(ConvertiNumero("187,52"), 187.52);
}

TEST(ConvertiNumero, RefusesWhatIsNotANumber) {
    for (const char* t : {"",   " ",  "-",    "+",  ",",  "1,2,3", "1 2", "abc", "0x10", "1E400",
                          "1E", "E5", "1..0", ".5", "5.", "1.,5",  "12a", "1E+", "--1",  "1\t"}) {
        EXPECT_FALSE(ConvertiNumero(t).has_value()) << '"' << t << '"';
    }
}

TEST(ConvertiNumero, TinyValuesReadAsZero) {
    EXPECT_EQ(ConvertiNumero("1E-400"), 0.0);
    EXPECT_EQ(ConvertiNumeroOZero("abc"), 0.0);
}

TEST(FormaGenerale, WritesTheShortestFifteenDigitForm) {
    EXPECT_EQ(FormaGenerale(0.1), "0,1");
    EXPECT_EQ(FormaGenerale(10.0), "10");
    EXPECT_EQ(FormaGenerale(1e-06), "1E-06");
    EXPECT_EQ(FormaGenerale(1e20), "1E+20");
    EXPECT_EQ(FormaGenerale(-0.0), "0");
    EXPECT_EQ(FormaGenerale(0.16), "0,16");
    EXPECT_EQ(FormaGenerale(-2.5), "-2,5");
    EXPECT_EQ(FormaGenerale(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(FormaGenerale(123456789012345678.0), "1,23456789012346E+17");
    EXPECT_EQ(FormaGenerale(0.0001), "0,0001");
    EXPECT_EQ(FormaGenerale(0.00001), "1E-05");
}

TEST(LetturaNumeroIniziale, ReadsTheLeadingNumberWithADecimalPoint) {
    EXPECT_EQ(LetturaNumeroIniziale("20,5"), 20.0);
    EXPECT_EQ(LetturaNumeroIniziale("-2.5x"), -2.5);
    EXPECT_EQ(LetturaNumeroIniziale("abc"), 0.0);
    EXPECT_EQ(LetturaNumeroIniziale("  15"), 15.0);
    EXPECT_EQ(LetturaNumeroIniziale("100,5"), 100.0);
    EXPECT_EQ(LetturaNumeroIniziale(""), 0.0);
    EXPECT_EQ(LetturaNumeroIniziale("-"), 0.0);
    EXPECT_EQ(LetturaNumeroIniziale("7."), 7.0);
    EXPECT_EQ(LetturaNumeroIniziale("-.5"), -0.5);
}
