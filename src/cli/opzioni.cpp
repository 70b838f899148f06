#include "cli/opzioni.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace paretix::cli {

namespace {

// How an option was read: nothing when right; otherwise the message, empty when the usage
// line says enough.
using Lettura = std::optional<std::string>;

struct Opzione {
    std::string_view Nome;
    bool ConValore = false;
    bool Attaccato = false;     // the value may follow the name in the same argument (-j4)
    bool Ripetibile = false;    // may be given more than once
    bool SoloScansione = false; // only with --varia
    bool SoloInTesta = false;   // outside a sweep, only as the first argument
    bool SoloCsv = false;       // only with --csv
    Lettura (*Leggi)(std::string_view valore, Richiesta& r) = nullptr;
};

Lettura ScegliModo(Richiesta& r, Uscita modo) {
    if (r.Modo != Uscita::Resoconto) {
        return std::string();
    }
    r.Modo = modo;
    return std::nullopt;
}

Lettura LeggiJson(std::string_view, Richiesta& r) {
    return ScegliModo(r, Uscita::Json);
}

Lettura LeggiCsv(std::string_view, Richiesta& r) {
    return ScegliModo(r, Uscita::Csv);
}

// The separator of --sep: one character that is not a quote or a line end.
Lettura LeggiSeparatore(std::string_view valore, Richiesta& r) {
    if (valore.size() != 1 || valore[0] == '"' || valore[0] == '\r' || valore[0] == '\n') {
        return std::string();
    }
    r.Formato.Separatore = valore[0];
    return std::nullopt;
}

Lettura LeggiPunto(std::string_view, Richiesta& r) {
    r.Formato.VirgolaDecimale = false;
    return std::nullopt;
}

Lettura LeggiRelazione(std::string_view valore, Richiesta& r) {
    r.Relazione = std::string(valore);
    return std::nullopt;
}

Lettura LeggiVaria(std::string_view valore, Richiesta& r) {
    Variazione v;
    if (auto errore = LeggiVariazione(valore, v)) {
        return errore;
    }
    r.Scansione->Variazioni.push_back(std::move(v));
    return std::nullopt;
}

Lettura LeggiMigliore(std::string_view valore, Richiesta& r) {
    DatiScansione& s = *r.Scansione;
    s.TestoCondizione = valore;
    Condizione c;
    if (auto errore = LeggiCondizione(s.TestoCondizione, c)) {
        return errore;
    }
    s.Condizione = c;
    return std::nullopt;
}

// The number of threads of -j: a whole number from 1 to MassimoFili, given once.
Lettura LeggiFili(std::string_view valore, Richiesta& r) {
    unsigned n = 0;
    const auto [fine, errore] = std::from_chars(valore.data(), valore.data() + valore.size(), n);
    if (r.Scansione->Fili || errore != std::errc{} || fine != valore.data() + valore.size() ||
        n < 1 || n > MassimoFili) {
        return "-j: il numero di processori è un intero da 1 a " + std::to_string(MassimoFili) +
               ", dato una volta";
    }
    r.Scansione->Fili = n;
    return std::nullopt;
}

Lettura LeggiParteScansione(std::string_view valore, Richiesta& r) {
    const auto parte = LeggiParte(valore);
    if (!parte) {
        return "--parte: K/N con 1 ≤ K ≤ N ≤ " + std::to_string(PartiMassime);
    }
    r.Scansione->Parte = *parte;
    return std::nullopt;
}

constexpr std::array Opzioni{
    Opzione{.Nome = "--json", .SoloInTesta = true, .Leggi = LeggiJson},
    Opzione{.Nome = "--csv", .SoloInTesta = true, .Leggi = LeggiCsv},
    Opzione{.Nome = "--relazione", .ConValore = true, .SoloInTesta = true, .Leggi = LeggiRelazione},
    Opzione{.Nome = "--sep", .ConValore = true, .SoloCsv = true, .Leggi = LeggiSeparatore},
    Opzione{.Nome = "--punto", .SoloCsv = true, .Leggi = LeggiPunto},
    Opzione{.Nome = "--varia",
            .ConValore = true,
            .Ripetibile = true,
            .SoloScansione = true,
            .Leggi = LeggiVaria},
    Opzione{.Nome = "--migliore", .ConValore = true, .SoloScansione = true, .Leggi = LeggiMigliore},
    Opzione{.Nome = "-j",
            .ConValore = true,
            .Attaccato = true,
            .Ripetibile = true, // LeggiFili says why a second one is wrong
            .SoloScansione = true,
            .Leggi = LeggiFili},
    Opzione{
        .Nome = "--parte", .ConValore = true, .SoloScansione = true, .Leggi = LeggiParteScansione},
};

// The option that argomento names, and the value attached to it.
const Opzione* Trova(std::string_view argomento, bool scansione, std::string_view& attaccato) {
    for (const Opzione& o : Opzioni) {
        if (o.SoloScansione && !scansione) {
            continue;
        }
        if (argomento == o.Nome) {
            return &o;
        }
        if (o.Attaccato && argomento.size() > o.Nome.size() && argomento.starts_with(o.Nome)) {
            attaccato = argomento.substr(o.Nome.size());
            return &o;
        }
    }
    return nullptr;
}

bool ConVaria(const std::vector<std::string_view>& argomenti) {
    return std::ranges::find(argomenti, std::string_view("--varia")) != argomenti.end();
}

} // namespace

std::optional<Richiesta> LeggiRichiesta(const std::vector<std::string_view>& argomenti,
                                        std::string& messaggio) {
    Richiesta r;
    if (argomenti.size() == 1 && argomenti[0] == "--help") {
        r.Aiuto = true;
        return r;
    }
    const bool scansione = ConVaria(argomenti);
    if (scansione) {
        r.Scansione.emplace();
    }
    std::array<bool, Opzioni.size()> date{};
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string_view a = argomenti[i];
        std::string_view valore;
        const Opzione* o = scansione || r.File.empty() ? Trova(a, scansione, valore) : nullptr;
        if (o == nullptr) {
            if (a.empty() || a[0] == '-') {
                return std::nullopt;
            }
            r.File.emplace_back(a);
            continue;
        }
        const auto n = static_cast<std::size_t>(o - Opzioni.data());
        if ((date[n] && !o->Ripetibile) || (o->SoloInTesta && !scansione && i != 0)) {
            return std::nullopt;
        }
        if (o->ConValore && valore.empty()) {
            if (i + 1 >= argomenti.size()) {
                return std::nullopt;
            }
            valore = argomenti[++i];
        }
        date[n] = true;
        if (auto errore = o->Leggi(valore, r)) {
            messaggio = std::move(*errore);
            return std::nullopt;
        }
    }
    if (scansione && r.Relazione) {
        return std::nullopt;
    }
    if (scansione && (r.Modo == Uscita::Resoconto || r.File.size() != 1)) {
        messaggio = "--varia: servono un solo file e --csv oppure --json";
        return std::nullopt;
    }
    if (scansione && r.Scansione->Parte.N > 1 && r.Scansione->Condizione) {
        messaggio = "--parte: non si combina con --migliore, che sceglie tra tutte le varianti";
        return std::nullopt;
    }
    for (std::size_t n = 0; n < Opzioni.size(); ++n) {
        if (date[n] && Opzioni[n].SoloCsv && r.Modo != Uscita::Csv) {
            return std::nullopt;
        }
    }
    if (r.File.empty() || (r.Modo == Uscita::Resoconto && r.File.size() != 1)) {
        return std::nullopt;
    }
    return r;
}

} // namespace paretix::cli
