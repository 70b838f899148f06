#include <gtest/gtest.h>

#include "core/materials/carica_materiale.h"
#include "core/model/camera_aria.h"

using namespace paretix;

TEST(CaricaMateriale, GivenValuesYellowAndReadOnlyDashOrBlankStayTyped) {
    Esercizio e;
    e.Strati.resize(3);
    CameraAria1(e, 2);
    e.strato(2).Spessore = {"4", "4", ColoreFinestra, false};
    const Strato vicino = e.strato(1);
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
    EXPECT_EQ(e.strato(1), vicino);

    // Loaded again, a value now missing turns back into a typed one.
    CaricaMateriale(e, 2, {"Sughero", "-", " 0,04 ", "18,75", "0,9"});
    EXPECT_EQ(e.strato(2).Densità, (Casella{"-", "-", ColoreFinestra, false}));
    EXPECT_EQ(e.strato(2).Conduttività, (Casella{" 0,04 ", " 0,04 ", ColoreGiallo, true}));
}
