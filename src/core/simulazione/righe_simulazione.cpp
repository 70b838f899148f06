#include "core/simulazione/righe_simulazione.h"

#include "core/model/numeri.h"
#include "core/simulazione/valutazione_simulazione.h"

namespace paretix {

namespace {

constexpr int CifreAcqua = 3;
constexpr int CifreIndice = 2;
constexpr int CifreUmidità = 1;

const char* Segno(bool verificato) {
    return verificato ? SegnoSuperata : SegnoNonSuperata;
}

} // namespace

std::vector<RigaVerifica> RigheSimulazione(const SimulazioneEseguita& s) {
    const RisultatoSimulazione& r = s.Risultato;
    std::vector<RigaVerifica> righe;
    const std::string grandezzaAcqua = "Simulazione dinamica, " + std::to_string(s.Giorni) +
                                       " giorni: contenuto d'acqua della parete";
    if (const auto a = ValutaAndamento(r)) {
        righe.push_back({grandezzaAcqua,
                         "variazione nell'ultimo anno " + Decimali(a->UltimoAnno, CifreAcqua) +
                             " kg/m², nel primo " + Decimali(a->PrimoAnno, CifreAcqua) + " kg/m²",
                         "non accumula acqua; " + CriterioEquilibrio(),
                         "la parete " + TestoAndamento(a->Esito),
                         Segno(a->Esito != Andamento::Accumula)});
    } else {
        righe.push_back({grandezzaAcqua,
                         "a fine simulazione " + Decimali(r.AcquaFinale, CifreAcqua) + " kg/m²", "",
                         "andamento non determinabile: servono almeno due anni simulati",
                         SegnoNessunEsito});
    }
    if (r.ClasseMuffa) {
        const std::string limite =
            "M < " + FormaGenerale(IndiceMuffaAmmesso) + " (modello VTT, materiale " +
            std::string(TestiSensibilità[static_cast<std::size_t>(*r.ClasseMuffa)]) + ")";
        for (const MuffaPunto& p : r.Muffa) {
            const bool ok = p.Massimo < IndiceMuffaAmmesso;
            righe.push_back({"Indice di muffa massimo, " + LuogoMuffa(p),
                             Decimali(p.Massimo, CifreIndice), limite, TestoEsito(ok), Segno(ok)});
        }
    }
    for (const LegnoStrato& l : r.Legno) {
        const bool ok = l.UmiditàMassima <= UmiditàLegnoAmmessa;
        righe.push_back({"Umidità massima del legno, strato " + std::to_string(l.Strato),
                         Decimali(l.UmiditàMassima, CifreUmidità) + " % in massa",
                         "≤ " + FormaGenerale(UmiditàLegnoAmmessa) + " % in massa", TestoEsito(ok),
                         Segno(ok)});
    }
    return righe;
}

} // namespace paretix
