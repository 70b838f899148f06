#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/window/guida.h"
#include "core/window/informazioni.h"
#include "support/cartella_temporanea.h"

using namespace paretix;

namespace {

class ApertureRegistra : public ApertureEsterne {
  public:
    std::vector<std::string> indirizzi;
    std::vector<std::string> files;
    void ApriIndirizzo(const std::string& indirizzo) override { indirizzi.push_back(indirizzo); }
    void ApriFile(const std::string& percorso) override { files.push_back(percorso); }
};

} // namespace

TEST(Informazioni, TheLinkUnderTheMouseIsRedTheOtherAtRest) {
    ApertureRegistra aperture;
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
}

TEST(Informazioni, LinksOpenTheSiteAndAMessageToTheAuthor) {
    ApertureRegistra aperture;
    InformazioniQt form(aperture);
    form.Label38_Click();
    form.Label40_Click();
    EXPECT_EQ(aperture.indirizzi,
              (std::vector<std::string>{IndirizzoSitoProgramma, IndirizzoPostaAutore}));
    EXPECT_TRUE(aperture.files.empty());
}

TEST(Informazioni, OpensBesideTheMainWindow) {
    EXPECT_EQ(InformazioniQt::Posizione({200, 30}), (Punto{300, 110}));
}

TEST(Guida, OpensTheHelpFileOnlyWhenItIsThere) {
    const test::CartellaTemporanea temporanea;
    const std::filesystem::path cartella = temporanea.Percorso();
    ApertureRegistra aperture;

    GuidaInLinea(aperture, cartella.string());
    EXPECT_TRUE(aperture.files.empty());

    std::ofstream(cartella / "ITAHelp.chm") << "guida";
    GuidaInLinea(aperture, cartella.string());
    ASSERT_EQ(aperture.files.size(), 1u);
    EXPECT_EQ(aperture.files[0], (cartella / "ITAHelp.chm").string());
    EXPECT_EQ(PercorsoGuida(cartella.string()), (cartella / "ITAHelp.chm").string());
    EXPECT_TRUE(aperture.indirizzi.empty());
}
