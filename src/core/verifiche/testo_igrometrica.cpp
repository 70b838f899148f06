#include "core/verifiche/testo_igrometrica.h"

#include "core/model/numeri.h"
#include "core/model/unita_misura.h"

namespace paretix {

namespace {

constexpr const char* Nessuno = "—";
constexpr const char* UnitàGrammi = " g/m²";

// The columns of the year's table: the month left-aligned, the numbers right-aligned.
constexpr int LarghezzaMese = 10;
constexpr std::array<int, 8> Larghezze{7, 5, 7, 7, 7, 9, 10, 10};
constexpr std::array<const char*, 8> Intestazioni{"θe",  "φe",       "θi", "pi",
                                                  "θsi", "fRsi,min", "gc", "Ma"};
constexpr std::array<const char*, 8> Unità{"°C", "%", "°C", "Pa", "°C", "", "g/m²", "g/m²"};

// The characters of a UTF-8 text, for the alignment of columns holding θ, φ and ².
std::size_t Caratteri(const std::string& testo) {
    std::size_t n = 0;
    for (char c : testo) {
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return n;
}

void ADestra(std::string& riga, const std::string& testo, int larghezza) {
    const std::size_t n = Caratteri(testo);
    if (n < static_cast<std::size_t>(larghezza)) {
        riga.append(static_cast<std::size_t>(larghezza) - n, ' ');
    }
    riga += testo;
}

void ASinistra(std::string& riga, const std::string& testo, int larghezza) {
    riga += testo;
    const std::size_t n = Caratteri(testo);
    if (n < static_cast<std::size_t>(larghezza)) {
        riga.append(static_cast<std::size_t>(larghezza) - n, ' ');
    }
}

template <typename Testi> std::string Intestazione(const Testi& testi, const char* primo) {
    std::string riga;
    ASinistra(riga, primo, LarghezzaMese);
    for (std::size_t c = 0; c < testi.size(); ++c) {
        ADestra(riga, testi[c], Larghezze[c]);
    }
    // No blanks at the end of a line of the report.
    while (riga.ends_with(' ')) {
        riga.pop_back();
    }
    return riga;
}

std::string TraGliStrati(int k) {
    return "tra gli strati " + std::to_string(k) + " e " + std::to_string(k + 1);
}

} // namespace

std::string TestoCondizioniInterne(const VerificaIgrometrica& v) {
    if (v.ClasseUmidità == 0) {
        return "Condizioni interne: θi e φi digitati mese per mese";
    }
    return "Condizioni interne: classe di umidità " + std::to_string(v.ClasseUmidità) + " (" +
           NomiClasseUmidità[static_cast<std::size_t>(v.ClasseUmidità - 1)] +
           "), θi = 20 °C, pi = pe + 1,10·Δp";
}

std::string TestoInizioCiclo(const RisultatoIgrometriaMensile& r) {
    if (r.Esito == EsitoCondensa::Assente) {
        return "";
    }
    return std::string("Ciclo annuale da ") + NomiMesi[static_cast<std::size_t>(r.MeseInizio)];
}

std::vector<RigaMese> CelleTabellaMensile(const RisultatoIgrometriaMensile& r) {
    std::vector<RigaMese> celle;
    for (int m = 0; m < MesiAnno; ++m) {
        const MeseIgrometrico& mese = r.Mesi[static_cast<std::size_t>(m)];
        celle.push_back({NomiMesi[static_cast<std::size_t>(m)], Decimali(mese.Te, 1),
                         Decimali(mese.Ue, 0), Decimali(mese.Ti, 1), Decimali(mese.Pi, 0),
                         Decimali(mese.Tsi, 1), mese.FRsiMin ? Decimali(*mese.FRsiMin, 3) : Nessuno,
                         Decimali(mese.FlussoTotale, 1), Decimali(mese.AccumuloTotale, 1)});
    }
    return celle;
}

std::vector<std::string> RigheTabellaMensile(const RisultatoIgrometriaMensile& r) {
    std::vector<std::string> righe{Intestazione(Intestazioni, "Mese"), Intestazione(Unità, "")};
    for (const RigaMese& celle : CelleTabellaMensile(r)) {
        std::string riga;
        ASinistra(riga, celle[0], LarghezzaMese);
        for (std::size_t c = 0; c < Larghezze.size(); ++c) {
            ADestra(riga, celle[c + 1], Larghezze[c]);
        }
        righe.push_back(riga);
    }
    return righe;
}

std::string TestoFRsi(const RisultatoIgrometriaMensile& r) {
    return Decimali(r.FRsi, 3);
}

std::string TestoMargineMuffa(const RisultatoIgrometriaMensile& r) {
    if (!r.FRsiMax) {
        return "nessun mese con l'interno più caldo dell'esterno";
    }
    return "fRsi,max = " + Decimali(*r.FRsiMax, 3) + " (" +
           NomiMesi[static_cast<std::size_t>(r.MeseCritico)] + "), margine " +
           Decimali(r.FRsi - *r.FRsiMax, 3);
}

std::string EsitoMuffa(const RisultatoIgrometriaMensile& r) {
    return r.MuffaEvitata ? "verificata" : "non verificata";
}

std::string TestoCondensa(const RisultatoIgrometriaMensile& r) {
    if (r.Esito == EsitoCondensa::Assente) {
        return "nessuna condensa in alcun mese";
    }
    return Decimali(r.AccumuloMassimo, 1) + UnitàGrammi + " (" +
           NomiMesi[static_cast<std::size_t>(r.MeseAccumuloMassimo)] + ", " +
           TraGliStrati(r.InterfacciaAccumuloMassimo) + "), " +
           (r.EvaporaTutta ? "evapora entro l'anno" : "non evapora entro l'anno");
}

std::string RequisitoCondensa(const RisultatoIgrometriaMensile& r) {
    return "Ma,max ≤ " + FormaGenerale(r.Ammissibile) + UnitàGrammi +
           " ed evaporazione completa entro l'anno (" + CriterioCondensa + ")";
}

std::string EsitoCondensaTesto(EsitoCondensa esito) {
    switch (esito) {
    case EsitoCondensa::Assente:
        return "assente";
    case EsitoCondensa::Ammissibile:
        return "ammissibile";
    case EsitoCondensa::NonVerificata:
        break;
    }
    return "non verificata";
}

std::string TestoFreno(const VerificaIgrometrica& v) {
    const std::string dove =
        (v.InterfacciaFreno == 0 ? std::string("sul lato interno dello strato 1")
                                 : TraGliStrati(v.InterfacciaFreno)) +
        ": ";
    if (!v.SdFreno) {
        return dove + "nessun sd fino a " + FormaGenerale(SdMassimoFreno) +
               " m basta, serve una barriera al vapore o un'altra stratigrafia";
    }
    return dove + "sd ≥ " + Decimali(*v.SdFreno, 1) + " m";
}

std::string TestoSpessoreMuffa(const VerificaIgrometrica& v) {
    if (!v.SpessoreMuffa) {
        return v.StratoIsolante == 0
                   ? "nessuno strato isolante da ispessire"
                   : "nessuno spessore dello strato " + std::to_string(v.StratoIsolante) + " basta";
    }
    return "strato " + std::to_string(v.StratoIsolante) + ": " +
           Decimali(*v.SpessoreMuffa * CentimetriPerMetro, 1) + " cm";
}

} // namespace paretix
