#include <gtest/gtest.h>

#include "core/window/percorso_esercizio.h"

using namespace paretix;

TEST(ElaboraStringa, DropsTheExtensionOfTheFileNameOnly) {
    EXPECT_EQ(ElaboraStringa("/home/ing/Esercizi/muro.txt"), "/home/ing/Esercizi/muro");
    EXPECT_EQ(ElaboraStringa("C:\\Esercizi\\muro.css"), "C:\\Esercizi\\muro");
    EXPECT_EQ(ElaboraStringa("/home/ing/muro.v2.css"), "/home/ing/muro.v2");
    // A dot only in a folder name: the file has no extension and keeps its whole path.
    EXPECT_EQ(ElaboraStringa("/home/ing/lavori.2026/muro"), "/home/ing/lavori.2026/muro");
    EXPECT_EQ(ElaboraStringa("C:\\lavori.2026\\muro"), "C:\\lavori.2026\\muro");
    EXPECT_EQ(ElaboraStringa("muro"), "muro");
}

TEST(ConEstensioneEsercizio, AppendsCssUnlessItIsThereInAnyCase) {
    EXPECT_EQ(ConEstensioneEsercizio("/tmp/muro"), "/tmp/muro.css");
    EXPECT_EQ(ConEstensioneEsercizio("/tmp/MURO.CSS"), "/tmp/MURO.CSS");
    EXPECT_EQ(ConEstensioneEsercizio("/tmp/muro.Css"), "/tmp/muro.Css");
    EXPECT_EQ(ConEstensioneEsercizio("/tmp/muro.txt"), "/tmp/muro.txt.css");
    EXPECT_EQ(ConEstensioneEsercizio("css"), "css.css");
    EXPECT_EQ(ConEstensioneEsercizio(".css"), ".css");
}
