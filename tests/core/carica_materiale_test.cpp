#include <gtest/gtest.h>

#include "core/materials/carica_materiale.h"
#include "core/materials/maiuscolo.h"
#include "core/model/camera_aria.h"

using namespace paretix;

TEST(CaricaMateriale, GivenValuesYellowAndReadOnlyDashOrBlankStayTyped) {
    Esercizio e;
    e.Strati.resize(3);
    CameraAria1(e, 2);
    e.strato(2).Spessore = {"4", "4", ColoreFinestra, false};
    CaricaMateriale(e, 2, {"Laterizio", "1800", "0,72", " ", "-"});
    const Strato& s = e.strato(2);
    EXPECT_EQ(s.TipoStrato, "M");
    EXPECT_EQ(s.Materiale, "Laterizio");
    EXPECT_EQ(s.ColoreTipo, ColoreGiallo);
    EXPECT_EQ(s.StileRiempimento, RiempimentoTratteggio);
    EXPECT_EQ(s.Densità, (Casella{"1800", "1800", ColoreGiallo, true}));
    EXPECT_EQ(s.Conduttività, (Casella{"0,72", "0,72", ColoreGiallo, true}));
    EXPECT_EQ(s.Permeabilità, (Casella{" ", " ", ColoreFinestra, false}));
    EXPECT_EQ(s.FatAssorbimento, (Casella{"-", "-", ColoreFinestra, false}));
    EXPECT_EQ(s.Spessore, (Casella{"4", "4", ColoreFinestra, false}));

    // Loading again over loaded values turns a now missing value back into a typed one.
    CaricaMateriale(e, 2, {"Sughero", "-", " 0,04 ", "18,75", "0,9"});
    EXPECT_EQ(e.strato(2).Densità, (Casella{"-", "-", ColoreFinestra, false}));
    EXPECT_EQ(e.strato(2).Conduttività, (Casella{" 0,04 ", " 0,04 ", ColoreGiallo, true}));
}

TEST(Maiuscolo, AccentedLettersOfTheFileCharacterSet) {
    EXPECT_EQ(Maiuscolo("Unità murarie"), "UNITÀ MURARIE");
    EXPECT_EQ(Maiuscolo("perché ÿ œ š ž ñ ø"), "PERCHÉ Ÿ Œ Š Ž Ñ Ø");
    // No capital of its own, or not a letter: unchanged.
    EXPECT_EQ(Maiuscolo("ß ÷ µ € 1,5"), "ß ÷ µ € 1,5");
    // Bytes that are not UTF-8 pass through.
    EXPECT_EQ(Maiuscolo("a\xC3"), "A\xC3");
    EXPECT_EQ(Maiuscolo("\xC0\x80z"), "\xC0\x80Z");
}
