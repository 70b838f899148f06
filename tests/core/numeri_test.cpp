#include <gtest/gtest.h>

#include "core/model/numeri.h"

using namespace paretix;

TEST(ConvertiNumero, AcceptsItalianNumbers) {
    const std::pair<const char*, double> casi[] = {
        {"12,5", 12.5},  {"1.000,5", 1000.5}, {"1.00", 100.0}, {" 1", 1.0},
        {"1 ", 1.0},     {"1,0", 1.0},        {"-3", -3.0},    {"+3", 3.0},
        {"2E3", 2000.0}, {"2e-3", 0.002},     {",5", 0.5},     {"5,", 5.0},
        {"0,1", 0.1},    {"187,52", 187.52},  {"1E-400", 0.0}, // too small to hold: zero
    };
    for (const auto& [testo, valore] : casi) {
        EXPECT_EQ(ConvertiNumero(testo), valore) << '"' << testo << '"';
    }
    EXPECT_EQ(ConvertiNumeroOZero("abc"), 0.0);
}

TEST(ConvertiNumero, RefusesWhatIsNotANumber) {
    for (const char* t : {"",   " ",  "-",    "+",  ",",  "1,2,3", "1 2", "abc", "0x10", "1E400",
                          "1E", "E5", "1..0", ".5", "5.", "1.,5",  "12a", "1E+", "--1",  "1\t"}) {
        EXPECT_FALSE(ConvertiNumero(t).has_value()) << '"' << t << '"';
    }
}

TEST(FormaGenerale, WritesTheShortestFifteenDigitForm) {
    const std::pair<double, const char*> casi[] = {
        {0.1, "0,1"},
        {10.0, "10"},
        {1e-06, "1E-06"},
        {1e20, "1E+20"},
        {-0.0, "0"},
        {0.16, "0,16"},
        {-2.5, "-2,5"},
        {1.0 / 3.0, "0,333333333333333"},
        {123456789012345678.0, "1,23456789012346E+17"},
        {0.0001, "0,0001"},
        {0.00001, "1E-05"},
    };
    for (const auto& [valore, testo] : casi) {
        EXPECT_EQ(FormaGenerale(valore), testo) << valore;
    }
}

TEST(LetturaNumeroIniziale, ReadsTheLeadingNumberWithADecimalPoint) {
    const std::pair<const char*, double> casi[] = {
        {"20,5", 20.0}, {"-2.5x", -2.5}, {"abc", 0.0}, {"  15", 15.0}, {"100,5", 100.0},
        {"", 0.0},      {"-", 0.0},      {"7.", 7.0},  {"-.5", -0.5},
    };
    for (const auto& [testo, valore] : casi) {
        EXPECT_EQ(LetturaNumeroIniziale(testo), valore) << '"' << testo << '"';
    }
}
