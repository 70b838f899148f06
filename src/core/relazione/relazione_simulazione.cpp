#include "core/relazione/relazione_simulazione.h"

#include <string>

#include "core/model/numeri.h"
#include "core/relazione/blocchi_relazione.h"
#include "core/simulazione/grafici_simulazione.h"
#include "core/simulazione/valutazione_simulazione.h"

namespace paretix {

namespace {

using namespace blocchi;

constexpr int CifreAcqua = 3;
constexpr int CifreIndice = 2;
constexpr int CifreUmidità = 1;

// The last year at the inside surface and at the dampest interface, and the profiles at the
// end of the run, when the run kept them.
void AggiungiAndamenti(std::vector<Blocco>& blocchi, const RisultatoSimulazione& r) {
    if (r.Andamenti.empty()) {
        return;
    }
    const int dove = InterfacciaPiùUmida(r);
    const std::string luogo = dove == 0
                                  ? std::string()
                                  : " e all'interfaccia tra gli strati " + std::to_string(dove) +
                                        " e " + std::to_string(dove + 1);
    blocchi.push_back(Disegno("Temperatura nell'ultimo anno alla superficie interna" + luogo,
                              GraficoAndamento(r, dove, false)));
    blocchi.push_back(Disegno("Umidità relativa nell'ultimo anno alla superficie interna" + luogo,
                              GraficoAndamento(r, dove, true)));
    const std::size_t giorno = r.ProfiliGiornalieri.size();
    if (giorno == 0) {
        return;
    }
    const std::string fine = " attraverso la parete alla fine del giorno " + std::to_string(giorno);
    blocchi.push_back(
        Disegno("Temperatura" + fine, GraficoProfilo(r, giorno, GrandezzaProfilo::Temperatura)));
    blocchi.push_back(
        Disegno("Umidità relativa" + fine, GraficoProfilo(r, giorno, GrandezzaProfilo::Umidità)));
    blocchi.push_back(
        Disegno("Contenuto d'acqua" + fine, GraficoProfilo(r, giorno, GrandezzaProfilo::Acqua)));
}

} // namespace

void AggiungiSimulazione(Relazione& relazione, int giorni, const RisultatoSimulazione& r) {
    auto& blocchi = relazione.Blocchi;
    blocchi.push_back(Sezione("Simulazione igrotermica dinamica (UNI EN 15026)"));
    blocchi.push_back(Paragrafo("Giorni simulati: " + std::to_string(giorni) +
                                ", passi di calcolo: " + std::to_string(r.Passi) +
                                ". Errore di bilancio: umidità " +
                                FormaGenerale(r.ErroreBilancioUmidità) + ", energia " +
                                FormaGenerale(r.ErroreBilancioEnergia) + "."));

    Blocco acqua = Tavola({"Momento", "Contenuto d'acqua della parete (kg/m²)"});
    acqua.Righe.push_back({"Inizio", Decimali(r.AcquaIniziale, CifreAcqua)});
    for (std::size_t a = 0; a < r.AcquaAnnua.size(); ++a) {
        acqua.Righe.push_back(
            {"Fine anno " + std::to_string(a + 1), Decimali(r.AcquaAnnua[a], CifreAcqua)});
    }
    acqua.Righe.push_back({"Fine simulazione", Decimali(r.AcquaFinale, CifreAcqua)});
    blocchi.push_back(std::move(acqua));
    if (const auto a = ValutaAndamento(r)) {
        blocchi.push_back(
            Paragrafo("Andamento del contenuto d'acqua: la parete " + TestoAndamento(a->Esito) +
                      " (variazione nel primo anno " + Decimali(a->PrimoAnno, CifreAcqua) +
                      " kg/m², nell'ultimo anno " + Decimali(a->UltimoAnno, CifreAcqua) +
                      " kg/m²; " + CriterioEquilibrio() + ")."));
    } else {
        blocchi.push_back(Paragrafo("Andamento del contenuto d'acqua: non determinabile "
                                    "(servono almeno due anni simulati)."));
    }

    if (r.ClasseMuffa && !r.Muffa.empty()) {
        blocchi.push_back(Paragrafo(
            "Indice di muffa (modello VTT, Hukka e Viitanen 1999, classi di Ojanen e altri "
            "2010), materiale " +
            std::string(TestiSensibilità[static_cast<std::size_t>(*r.ClasseMuffa)]) +
            ": verificato se il massimo resta sotto " + FormaGenerale(IndiceMuffaAmmesso) + "."));
        Blocco muffa = Tavola({"Posizione", "Indice di muffa massimo M", "Esito"});
        for (const MuffaPunto& p : r.Muffa) {
            muffa.Righe.push_back({LuogoMuffa(p), Decimali(p.Massimo, CifreIndice),
                                   TestoEsito(p.Massimo < IndiceMuffaAmmesso)});
        }
        blocchi.push_back(std::move(muffa));
    }
    if (!r.Legno.empty()) {
        Blocco legno =
            Tavola({"Strato di legno", "Umidità massima (% in massa)", "Limite (%)", "Esito"});
        for (const LegnoStrato& l : r.Legno) {
            legno.Righe.push_back({std::to_string(l.Strato),
                                   Decimali(l.UmiditàMassima, CifreUmidità),
                                   FormaGenerale(UmiditàLegnoAmmessa),
                                   TestoEsito(l.UmiditàMassima <= UmiditàLegnoAmmessa)});
        }
        blocchi.push_back(std::move(legno));
    }
    blocchi.push_back(Disegno("Contenuto d'acqua della parete nel tempo", GraficoAcquaTotale(r)));
    if (r.ClasseMuffa && !r.Muffa.empty()) {
        blocchi.push_back(Disegno("Indice di muffa alla fine di ogni mese", GraficoMuffa(r)));
    }
    AggiungiAndamenti(blocchi, r);
}

} // namespace paretix
