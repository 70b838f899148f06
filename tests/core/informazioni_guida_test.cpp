#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "core/window/guida.h"
#include "core/window/informazioni.h"
#include "support/aperture_registrate.h"
#include "support/cartella_temporanea.h"

using namespace paretix;

// The link under the mouse is red, the other at rest; they open the site and a message.
TEST(Informazioni, LinksLightUpAndOpenTheSiteAndAMessageToTheAuthor) {
    test::ApertureRegistrate aperture;
    InformazioniQt form(aperture);
    EXPECT_NE(ColoreCollegamentoNormale, ColoreCollegamentoAttivo);
    form.Label38_MouseMove();
    EXPECT_EQ(form.ColoreLabel38(), 255);
    EXPECT_EQ(form.ColoreLabel40(), ColoreCollegamentoNormale);
    form.Label40_MouseMove();
    EXPECT_EQ(form.ColoreLabel38(), ColoreCollegamentoNormale);
    EXPECT_EQ(form.ColoreLabel40(), 255);
    form.Form_MouseMove();
    EXPECT_EQ(form.ColoreLabel38(), ColoreCollegamentoNormale);
    EXPECT_EQ(form.ColoreLabel40(), ColoreCollegamentoNormale);

    form.Label38_Click();
    form.Label40_Click();
    EXPECT_EQ(aperture.Indirizzi,
              (std::vector<std::string>{IndirizzoSitoProgramma, IndirizzoPostaAutore}));
    EXPECT_TRUE(aperture.File.empty());
}

TEST(Informazioni, OpensBesideTheMainWindow) {
    EXPECT_EQ(InformazioniQt::Posizione({200, 30}), (Punto{300, 110}));
}

TEST(Guida, OpensTheHelpFileOnlyWhenItIsThere) {
    const test::CartellaTemporanea temporanea;
    const std::filesystem::path cartella = temporanea.Percorso();
    test::ApertureRegistrate aperture;

    GuidaInLinea(aperture, cartella.string());
    EXPECT_TRUE(aperture.File.empty());

    std::ofstream(cartella / "ITAHelp.chm") << "guida";
    GuidaInLinea(aperture, cartella.string());
    ASSERT_EQ(aperture.File.size(), 1u);
    EXPECT_EQ(aperture.File[0], (cartella / "ITAHelp.chm").string());
    EXPECT_EQ(PercorsoGuida(cartella.string()), (cartella / "ITAHelp.chm").string());
    EXPECT_TRUE(aperture.Indirizzi.empty());
}
