#include "core/verifiche/csv_risultati.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/calc/igrometrico.h"
#include "core/model/a_capo.h"
#include "core/model/numeri.h"
#include "core/verifiche/indice_acustico.h"
#include "core/verifiche/testo_igrometrica.h"

namespace paretix {

namespace {

constexpr std::array<const char*, 23> Colonne{
    "file",
    "U (W/m²K)",
    "R (m²K/W)",
    "flusso (W/m²)",
    "condensa interstiziale",
    "Rw (dB)",
    "U confrontata (W/m²K)",
    "U limite (W/m²K)",
    "esito trasmittanza",
    "Rw legge empirica (dB)",
    "requisito acustico (dB)",
    "esito acustico",
    "Ms (kg/m²)",
    "Yie (W/m²K)",
    "esito estivo",
    "fRsi",
    "fRsi,max",
    "esito muffa",
    "Ma,max (g/m²)",
    "esito condensa",
    "D2m,nT,w (dB)",
    "ΔUf (W/m²K)",
    "errore",
};
constexpr const char* Sì = "sì";
constexpr const char* NoCondensa = "no";

using Celle = std::array<std::string, Colonne.size()>;

std::string Numero(const FormatoCsv& formato, double valore) {
    std::string testo = FormaGenerale(valore);
    if (!formato.VirgolaDecimale) {
        std::replace(testo.begin(), testo.end(), ',', '.');
    }
    return testo;
}

std::string Campo(const FormatoCsv& formato, const std::string& testo) {
    if (testo.find_first_of(std::string{formato.Separatore, '"', '\r', '\n'}) ==
        std::string::npos) {
        return testo;
    }
    std::string citato = "\"";
    for (char c : testo) {
        citato += c;
        if (c == '"') {
            citato += '"';
        }
    }
    return citato + "\"";
}

std::string Riga(const FormatoCsv& formato, const Celle& celle) {
    std::string riga;
    for (std::size_t i = 0; i < celle.size(); ++i) {
        if (i > 0) {
            riga += formato.Separatore;
        }
        riga += Campo(formato, celle[i]);
    }
    return riga + ACapo;
}

} // namespace

std::string NumeroCsv(const FormatoCsv& formato, double valore) {
    return Numero(formato, valore);
}

std::string CelleIniziali(const FormatoCsv& formato, const std::vector<std::string>& celle) {
    std::string testo;
    for (const std::string& c : celle) {
        testo += Campo(formato, c);
        testo += formato.Separatore;
    }
    return testo;
}

std::string IntestazioneCsv(const FormatoCsv& formato) {
    Celle celle;
    std::copy(Colonne.begin(), Colonne.end(), celle.begin());
    return Riga(formato, celle);
}

std::string RigaCsv(const FormatoCsv& formato, const std::string& file, const Esercizio& e,
                    const RisultatiCalcolo& r, const std::optional<RisultatiVerifiche>& verifiche) {
    Celle c;
    c[0] = file;
    if (e.Termico) {
        c[1] = Numero(formato, r.H);
        c[2] = Numero(formato, 1 / r.H);
        c[3] = Numero(formato, r.FI);
    }
    if (e.Igrometrico) {
        bool condensa = false;
        for (int k = 0; k <= e.NumeroStrati(); ++k) {
            condensa = condensa || CondensaAlConfine(r, k);
        }
        c[4] = condensa ? Sì : NoCondensa;
    }
    if (e.Acustico) {
        std::array<double, 5> R{};
        std::copy_n(r.PotereFonoisolanteParete.begin(), R.size(), R.begin());
        c[5] = std::to_string(ValutazioneInOttave(R).Rw);
    }
    if (verifiche) {
        if (const auto& t = verifiche->Trasmittanza) {
            c[6] = Numero(formato, t->UConfrontata);
            c[7] = t->Limite ? Numero(formato, *t->Limite) : "";
            c[8] = t->Esito;
            c[21] = t->DeltaUf ? Numero(formato, *t->DeltaUf) : "";
        }
        if (const auto& a = verifiche->Acustica) {
            c[9] = a->RwEmpirico ? std::to_string(*a->RwEmpirico) : "";
            c[10] = a->Requisito ? std::to_string(*a->Requisito) : "";
            c[11] = a->Esito;
            c[20] = a->Facciata ? Numero(formato, a->Facciata->D2mnTw) : "";
        }
        if (verifiche->MassaSuperficiale) {
            c[12] = Numero(formato, *verifiche->MassaSuperficiale);
        }
        if (const auto& s = verifiche->Estiva) {
            c[13] = s->Yie ? Numero(formato, *s->Yie) : "";
            c[14] = s->Esito;
        }
        if (const auto& g = verifiche->Igrometrica; g && g->Risultato) {
            const RisultatoIgrometriaMensile& m = *g->Risultato;
            c[15] = Numero(formato, m.FRsi);
            c[16] = m.FRsiMax ? Numero(formato, *m.FRsiMax) : "";
            c[17] = EsitoMuffa(m);
            c[18] = Numero(formato, m.AccumuloMassimo);
            c[19] = EsitoCondensaTesto(m.Esito);
        }
    }
    return Riga(formato, c);
}

std::string RigaCsvErrore(const FormatoCsv& formato, const std::string& file,
                          const std::string& messaggio) {
    Celle c;
    c[0] = file;
    c.back() = messaggio;
    return Riga(formato, c);
}

} // namespace paretix
