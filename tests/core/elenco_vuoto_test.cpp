// The materials browser on rows without a material: when the filter finds nothing the first
// row says so, and in consult mode the hover bar lights only rows that show a material (in
// edit mode an empty row is where an insertion appends, and it lights up).

#include <gtest/gtest.h>

#include "core/materials/elenco_materiali.h"
#include "support/abaco_di_prova.h"

using namespace paretix;

TEST(ElencoVuoto, NothingFoundIsSaidAndEmptyRowsStayUnlit) {
    ElencoMateriali f = ElencoMateriali::Consulta(test::Righe(3), [](const VoceAbaco&) {});
    f.LabelMat_MouseMove(52); // grid row 5, below the three materials
    EXPECT_EQ(f.LabelMat(51).ColoreSfondo, ColoreBianco);
    f.LabelMat_MouseMove(22);
    EXPECT_EQ(f.LabelMat(21).ColoreSfondo, ColoreGiallo);

    f.ImpostaFiltro("zzz");
    EXPECT_EQ(f.LabelMat(1).Caption, AvvisoNessunMateriale);
    f.LabelMat_MouseMove(1);
    EXPECT_EQ(f.LabelMat(1).ColoreSfondo, ColoreBianco);
    f.ImpostaFiltro("m1");
    EXPECT_EQ(f.LabelMat(1).Caption, "M1");
    EXPECT_EQ(f.LabelMat(11).Caption, "");

    ElencoMateriali m = ElencoMateriali::Modifica(test::Righe(3), [](const Abaco&) {});
    m.LabelMat_MouseMove(52);
    EXPECT_EQ(m.LabelMat(51).ColoreSfondo, ColoreGiallo);
}
