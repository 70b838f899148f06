#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

#include "core/window/guida.h"
#include "core/window/informazioni.h"
#include "support/aperture_registrate.h"
#include "support/cartella_temporanea.h"
#include "support/dialoghi_solo_messaggi.h"

using namespace paretix;

namespace {

void Scrivi(const std::filesystem::path& percorso) {
    std::filesystem::create_directories(percorso.parent_path());
    std::ofstream(percorso) << "<html></html>";
}

} // namespace

// The link is red under the mouse and at rest elsewhere; a click opens the guide, as the menu.
TEST(Informazioni, TheLinkLightsUpAndOpensTheGuide) {
    const test::CartellaTemporanea temporanea;
    const std::filesystem::path cartella = temporanea.Percorso();
    Scrivi(cartella / "guida.html");
    test::ApertureRegistrate aperture;
    DialoghiSoloMessaggi dialoghi;
    InformazioniQt form(aperture, dialoghi, cartella.string());
    EXPECT_NE(ColoreCollegamentoNormale, ColoreCollegamentoAttivo);
    EXPECT_EQ(form.ColoreLabel38(), ColoreCollegamentoNormale);
    form.Label38_MouseMove();
    EXPECT_EQ(form.ColoreLabel38(), 255);
    form.Form_MouseMove();
    EXPECT_EQ(form.ColoreLabel38(), ColoreCollegamentoNormale);

    form.Label38_Click();
    EXPECT_EQ(aperture.File, (std::vector<std::string>{(cartella / "guida.html").string()}));
    EXPECT_TRUE(aperture.Indirizzi.empty());
    EXPECT_TRUE(dialoghi.Messaggi.empty());
    EXPECT_EQ(InformazioniQt::Posizione({200, 30}), (Punto{300, 110})); // beside the main window
}

// A folder of its own keeps the guide beside the program; an installed program in
// <prefix>/bin finds it in <prefix>/share/doc/paretix. The first place wins.
TEST(Guida, FoundBesideTheProgramOrInTheInstalledDocFolder) {
    const test::CartellaTemporanea temporanea;
    const std::filesystem::path prefisso = temporanea.Percorso();
    const std::filesystem::path bin = prefisso / "bin";
    const std::filesystem::path installata = prefisso / "share/doc/paretix/guida.html";
    std::filesystem::create_directories(bin);
    EXPECT_EQ(PosizioniGuida(bin.string()),
              (std::vector<std::string>{(bin / "guida.html").string(), installata.string()}));
    EXPECT_EQ(PercorsoGuida(bin.string()), "");

    Scrivi(installata);
    EXPECT_EQ(PercorsoGuida(bin.string()), installata.string());
    Scrivi(bin / "guida.html");
    EXPECT_EQ(PercorsoGuida(bin.string()), (bin / "guida.html").string());

    std::filesystem::remove(bin / "guida.html");
    std::filesystem::create_directory(bin / "guida.html"); // a folder is not the guide
    EXPECT_EQ(PercorsoGuida(bin.string()), installata.string());
}

TEST(Guida, OpensTheGuideOrSaysWhereItWasLookedFor) {
    const test::CartellaTemporanea temporanea;
    const std::filesystem::path cartella = temporanea.Percorso();
    test::ApertureRegistrate aperture;
    DialoghiSoloMessaggi dialoghi;

    GuidaInLinea(aperture, dialoghi, cartella.string());
    EXPECT_TRUE(aperture.File.empty());
    ASSERT_EQ(dialoghi.Messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi[0].Titolo, "Guida in linea");
    EXPECT_EQ(dialoghi.Messaggi[0].Tipo, Icona::Esclamazione);
    const std::string& testo = dialoghi.Messaggi[0].Testo;
    EXPECT_EQ(testo.rfind("La guida in linea non è stata trovata.", 0), 0u);
    EXPECT_NE(testo.find("\r\n" + (cartella / "guida.html").string()), std::string::npos);
    EXPECT_NE(testo.find("share/doc/paretix/guida.html"), std::string::npos);

    Scrivi(cartella / "guida.html");
    GuidaInLinea(aperture, dialoghi, cartella.string());
    EXPECT_EQ(aperture.File, (std::vector<std::string>{(cartella / "guida.html").string()}));
    EXPECT_EQ(dialoghi.Messaggi.size(), 1u);
    EXPECT_TRUE(aperture.Indirizzi.empty());
    EXPECT_TRUE(aperture.Mostrati.empty());

    // No browser: the user is told, and the guide opens in the program's own window.
    aperture.DesktopApre = false;
    GuidaInLinea(aperture, dialoghi, cartella.string());
    ASSERT_EQ(dialoghi.Messaggi.size(), 2u);
    EXPECT_EQ(dialoghi.Messaggi[1].Testo, MessaggioGuidaNelProgramma);
    EXPECT_EQ(aperture.Mostrati, (std::vector<std::string>{(cartella / "guida.html").string()}));
}

// The guide opens in any browser, also without a network: nothing it shows comes from
// elsewhere, and every link inside it points to one of its own sections.
TEST(Guida, TheShippedGuideIsSelfContained) {
    std::ifstream file(PARETIX_GUIDA);
    ASSERT_TRUE(file.good());
    std::stringstream contenuto;
    contenuto << file.rdbuf();
    const std::string html = contenuto.str();
    for (const char* esterno :
         {"http:", "https:", "<link", "<script", "<img", "<iframe", "url(", "@import", "src="}) {
        EXPECT_EQ(html.find(esterno), std::string::npos) << esterno;
    }
    const std::regex collegamento("href=\"([^\"]*)\"");
    int collegamenti = 0;
    for (auto i = std::sregex_iterator(html.begin(), html.end(), collegamento);
         i != std::sregex_iterator(); ++i, ++collegamenti) {
        const std::string destinazione = (*i)[1];
        ASSERT_EQ(destinazione.rfind('#', 0), 0u) << destinazione;
        EXPECT_NE(html.find("id=\"" + destinazione.substr(1) + "\""), std::string::npos)
            << destinazione;
    }
    EXPECT_GT(collegamenti, 10);
    EXPECT_NE(html.find("<html lang=\"it\">"), std::string::npos);
    for (const char* argomento : {"Glaser", "legge di massa", "DM 26/06/2015", "13786", "13788",
                                  "DPCM 5/12/1997", "paretix-report", "abaco", ".css"}) {
        EXPECT_NE(html.find(argomento), std::string::npos) << argomento;
    }
}
