#include "core/relazione/relazione.h"

#include <array>

#include "core/charts/cornici.h"
#include "core/charts/grafici_calcolo.h"
#include "core/model/numeri.h"
#include "core/model/unita_misura.h"
#include "core/relazione/blocchi_relazione.h"
#include "core/relazione/sezione_parete.h"
#include "core/verifiche/righe_verifiche.h"
#include "core/verifiche/testo_igrometrica.h"
#include "core/window/grafici_verifiche.h"

namespace paretix {

namespace {

using namespace blocchi;

constexpr const char* Assente = "—";

// The rounding of the document: U and resistances to the thousandth, temperatures to the
// tenth of a degree, pressures to the pascal, sound levels to the tenth of a decibel.
constexpr int CifreResistenza = 3;
constexpr int CifreTemperatura = 1;
constexpr int CifrePressione = 0;
constexpr int CifreSuono = 1;
constexpr int CifreFlusso = 2;

std::string OTrattino(const std::string& testo) {
    return TogliSpazi(testo).empty() ? Assente : std::string(TogliSpazi(testo));
}

// "superficie interna", "tra gli strati 1 e 2", ..., "superficie esterna".
std::string NomeConfine(const Esercizio& e, int i) {
    if (i == 0) {
        return "superficie interna";
    }
    if (i == e.NumeroStrati()) {
        return "superficie esterna";
    }
    return "tra gli strati " + std::to_string(i) + " e " + std::to_string(i + 1);
}

void Stratigrafia(std::vector<Blocco>& blocchi, const Esercizio& e, const RisultatiCalcolo& r) {
    blocchi.push_back(Sezione("Stratigrafia della parete (dall'interno all'esterno)"));
    // Each unit goes on a line of its own under its symbol, and holds no-break spaces, so that
    // a heading never breaks inside a unit.
    Blocco t = Tavola({"N.", "Materiale", "d\n(cm)", "λ\n(W/(m\u00A0K))", "ρ\n(kg/m³)",
                       "δ\n(10⁻¹²\u00A0kg/(s\u00A0m\u00A0Pa))", "sd\n(m)", "R\n(m²\u00A0K/W)"});
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        const Strato& s = e.strato(k);
        const auto slot = static_cast<std::size_t>(k);
        const bool aria = s.CameraAria();
        // An air cavity's conductivity is the equivalent one the run found.
        const std::string lambda =
            aria ? (e.Termico ? Decimali(r.Ki[slot], CifreResistenza) : std::string(Assente))
                 : OTrattino(s.Conduttività.Testo);
        t.Righe.push_back({std::to_string(k), aria ? MaterialeCameraAria : s.Materiale,
                           OTrattino(s.Spessore.Testo), lambda,
                           aria ? Assente : OTrattino(s.Densità.Testo),
                           aria ? Assente : OTrattino(s.Permeabilità.Testo), OTrattino(s.Sd),
                           e.Termico ? Decimali(r.ResistenzaStrato[slot], CifreResistenza)
                                     : std::string(Assente)});
    }
    blocchi.push_back(std::move(t));
    blocchi.push_back(Disegno("Sezione della parete", SezioneParete(e)));
}

void Condizioni(std::vector<Blocco>& blocchi, const Esercizio& e, const RisultatiCalcolo& r) {
    blocchi.push_back(Sezione("Condizioni al contorno"));
    Blocco t = Tavola({"Grandezza", "Valore"});
    if (e.Termico) {
        t.Righe.push_back({"Adduttanza interna hi (W/(m² K))", FormaGenerale(r.hi)});
        t.Righe.push_back({"Adduttanza esterna he (W/(m² K))", FormaGenerale(r.he)});
        t.Righe.push_back({"Temperatura interna θi (°C)", Decimali(r.Ti, CifreTemperatura)});
        t.Righe.push_back({"Temperatura esterna θe (°C)", Decimali(r.Te, CifreTemperatura)});
    }
    if (e.Igrometrico) {
        t.Righe.push_back({"Umidità relativa interna φi (%)", FormaGenerale(r.Ui)});
        t.Righe.push_back({"Umidità relativa esterna φe (%)", FormaGenerale(r.Ue)});
    }
    if (e.Acustico) {
        const bool decibel = e.UnitaDistSonoro == UnitaSuono::Decibel;
        t.Righe.push_back(
            {decibel ? "Disturbo sonoro incidente (dB)" : "Disturbo sonoro incidente (W/m²)",
             FormaGenerale(r.DistSonoro)});
    }
    blocchi.push_back(std::move(t));
}

void Termico(std::vector<Blocco>& blocchi, const Esercizio& e, const RisultatiCalcolo& r) {
    blocchi.push_back(Sezione("Risultati del calcolo termico"));
    Blocco sintesi = Tavola({"Grandezza", "Valore"});
    sintesi.Righe.push_back({"Trasmittanza U (W/(m² K))", Decimali(r.H, CifreResistenza)});
    sintesi.Righe.push_back(
        {"Resistenza totale, superfici comprese (m² K/W)", Decimali(1 / r.H, CifreResistenza)});
    sintesi.Righe.push_back({"Flusso termico q (W/m²)", Decimali(r.FI, CifreFlusso)});
    blocchi.push_back(std::move(sintesi));
    Blocco t = Tavola({"Confine", "θ (°C)"});
    for (int i = 0; i <= e.NumeroStrati(); ++i) {
        t.Righe.push_back(
            {NomeConfine(e, i), Decimali(r.T[static_cast<std::size_t>(i)], CifreTemperatura)});
    }
    blocchi.push_back(std::move(t));
}

std::string Pascal(double ettopascal) {
    return Decimali(ettopascal * PascalPerEttopascal, CifrePressione);
}

void Igrometrico(std::vector<Blocco>& blocchi, const Esercizio& e, const RisultatiCalcolo& r) {
    blocchi.push_back(Sezione("Risultati del calcolo igrometrico"));
    Blocco t = Tavola({"Confine", "Ps (Pa)", "Pv (Pa)", "Condensa"});
    t.Righe.push_back({"ambiente interno", Pascal(r.Pvsi), Pascal(r.Pvi), ""});
    for (int i = 0; i <= e.NumeroStrati(); ++i) {
        const auto slot = static_cast<std::size_t>(i);
        t.Righe.push_back({NomeConfine(e, i), Pascal(r.Pvs[slot]), Pascal(r.Pv[slot]),
                           r.Pvs[slot] < r.Pv[slot] ? "sì" : "no"});
    }
    t.Righe.push_back({"ambiente esterno", Pascal(r.Pvse), Pascal(r.Pve), ""});
    blocchi.push_back(std::move(t));
}

void Acustico(std::vector<Blocco>& blocchi, const RisultatiCalcolo& r) {
    blocchi.push_back(Sezione("Risultati del calcolo acustico"));
    Blocco t = Tavola({"Frequenza (Hz)", "Potere fonoisolante R (dB)", "Energia trasmessa (dB)"});
    for (std::size_t f = 0; f < FrequenzeOttava.size(); ++f) {
        t.Righe.push_back({std::to_string(FrequenzeOttava[f]),
                           Decimali(r.PotereFonoisolanteParete[f], CifreSuono),
                           Decimali(r.EnergiaTrasmessa[f], CifreSuono)});
    }
    blocchi.push_back(std::move(t));
}

void Diagrammi(std::vector<Blocco>& blocchi, const Esercizio& e, RisultatiCalcolo& r) {
    Grafici g = GraficiAzzerati(e.Igrometrico);
    DisegnaGraficiDelCalcolo(g, e, r);
    blocchi.push_back(Sezione("Grafici"));
    if (e.Termico) {
        blocchi.push_back(Disegno("Temperature nella parete (°C)", g.Grafico1));
    }
    if (e.Igrometrico) {
        blocchi.push_back(Disegno("Pressioni di vapore nella parete (hPa)", g.Grafico2));
    }
    if (e.Acustico) {
        blocchi.push_back(Disegno("Energia sonora trasmessa (dB)", g.Grafico3));
    }
}

void Verifiche(std::vector<Blocco>& blocchi, const Esercizio& e, const RisultatiVerifiche& v) {
    blocchi.push_back(Sezione("Verifiche di legge"));
    Blocco t = Tavola({IntestazioniVerifiche.begin(), IntestazioniVerifiche.end()});
    for (const RigaVerifica& riga : RigheVerifiche(v)) {
        t.Righe.push_back({riga.Segno, riga.Grandezza, riga.Valore, riga.Limite, riga.Esito});
    }
    blocchi.push_back(std::move(t));
    for (const std::string& nota : NoteVerifiche(v)) {
        blocchi.push_back(Paragrafo(nota));
    }
    const GraficiVerifiche grafici = GraficiDelleVerifiche(e, v);
    if (!grafici.Mesi.empty()) {
        blocchi.push_back(Sezione(TitoloIgrometrica));
        Blocco mesi = Tavola({ColonneTabellaMensile.begin(), ColonneTabellaMensile.end()});
        for (const RigaMese& m : grafici.Mesi) {
            mesi.Righe.emplace_back(m.begin(), m.end());
        }
        blocchi.push_back(std::move(mesi));
    }
    if (grafici.Accumulo) {
        blocchi.push_back(
            Disegno("Condensa accumulata Ma mese per mese (g/m²)", *grafici.Accumulo));
    }
    if (grafici.Sfasamento) {
        blocchi.push_back(Sezione("Caratteristiche periodiche (UNI EN ISO 13786)"));
        blocchi.push_back(
            Disegno("Onda termica giornaliera attraverso la parete (°C)", *grafici.Sfasamento));
    }
}

} // namespace

Relazione ComponiRelazione(const Esercizio& e, RisultatiCalcolo& r,
                           const std::optional<RisultatiVerifiche>& v, const std::string& file,
                           const std::string& data) {
    Relazione rel;
    const DatiProgetto& p = e.Verifiche.Progetto;
    const std::array<std::pair<const char*, const std::string*>, 4> progetto{
        {{"Progetto", &p.Titolo},
         {"Committente", &p.Committente},
         {"Indirizzo", &p.Indirizzo},
         {"Tecnico", &p.Tecnico}}};
    for (const auto& [etichetta, valore] : progetto) {
        if (!valore->empty()) {
            rel.Intestazione.emplace_back(etichetta, *valore);
        }
    }
    rel.Intestazione.emplace_back("File", file);
    rel.Intestazione.emplace_back("Data", data);

    Stratigrafia(rel.Blocchi, e, r);
    Condizioni(rel.Blocchi, e, r);
    if (e.Termico) {
        Termico(rel.Blocchi, e, r);
    }
    if (e.Igrometrico) {
        Igrometrico(rel.Blocchi, e, r);
    }
    if (e.Acustico) {
        Acustico(rel.Blocchi, r);
    }
    Diagrammi(rel.Blocchi, e, r);
    if (v) {
        Verifiche(rel.Blocchi, e, *v);
    }
    return rel;
}

std::string TestoPagina(int pagina, int pagine) {
    return "Pagina " + std::to_string(pagina) + " di " + std::to_string(pagine);
}

} // namespace paretix
