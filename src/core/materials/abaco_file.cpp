#include "core/materials/abaco_file.h"

#include <array>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/files/lettura_file.h"
#include "core/files/righe.h"
#include "core/files/scrittura_atomica.h"
#include "core/files/win1252.h"
#include "core/model/a_capo.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

constexpr std::string_view Marcatore = "\xB6"; // "¶" in Windows-1252
constexpr std::string_view MarcatoreUtf8 = "¶";

// The five values of a row, in the order of their lines.
std::array<std::string*, 5> Campi(VoceAbaco& v) {
    return {&v.Materiale, &v.Densità, &v.Conduttività, &v.Permeabilità, &v.FatAssorbimento};
}
std::array<const std::string*, 5> Campi(const VoceAbaco& v) {
    return {&v.Materiale, &v.Densità, &v.Conduttività, &v.Permeabilità, &v.FatAssorbimento};
}

// One row: its marker and five lines. Nothing when the marker is not there or the file ends
// before the row does.
std::optional<VoceAbaco> LeggiVoce(LettoreRighe& righe) {
    const auto marcatore = righe.Prossima();
    if (!marcatore || TogliSpazi(*marcatore) != Marcatore) {
        return std::nullopt;
    }
    VoceAbaco voce;
    for (std::string* campo : Campi(voce)) {
        const auto riga = righe.Prossima();
        if (!riga) {
            return std::nullopt;
        }
        *campo = std::string(TogliSpazi(Win1252AUtf8(*riga)));
    }
    return voce;
}

bool IniziaCon(std::string_view coda, std::string_view titolo) {
    LettoreRighe righe(coda);
    const auto prima = righe.Prossima();
    return prima && TogliSpazi(*prima) == titolo;
}

bool UnaRiga(std::string_view testo) {
    return testo.find_first_of("\r\n") == std::string::npos;
}

// The four moisture data in the order of their values on a line.
std::array<std::string*, 4> CampiUmidità(UmiditàAbaco& u) {
    return {&u.Porosità, &u.W80, &u.Wf, &u.Assorbimento};
}
std::array<const std::string*, 4> CampiUmidità(const UmiditàAbaco& u) {
    return {&u.Porosità, &u.W80, &u.Wf, &u.Assorbimento};
}

// A section of values after the rows, one line "name=value" per row that has one: its title,
// the value of a row as the line holds it (empty for none; nothing when the line could not hold
// it) and the reading of a line's value into its row.
struct Sezione {
    std::string_view Titolo;
    std::optional<std::string> (*Valore)(const VoceAbaco&);
    void (*Leggi)(VoceAbaco&, std::string_view);
};

std::optional<std::string> ValoreCalore(const VoceAbaco& v) {
    const std::string_view valore = TogliSpazi(v.CaloreSpecifico);
    if (!UnaRiga(valore) || valore.find('=') != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(valore);
}

void LeggiCalore(VoceAbaco& v, std::string_view valore) {
    v.CaloreSpecifico = std::string(TogliSpazi(valore));
}

std::optional<std::string> ValoreUmidità(const VoceAbaco& v) {
    if (v.Umidità.Vuota()) {
        return std::string();
    }
    std::string testo;
    for (const std::string* campo : CampiUmidità(v.Umidità)) {
        const std::string_view valore = TogliSpazi(*campo);
        if (!UnaRiga(valore) || valore.find_first_of("=;") != std::string_view::npos) {
            return std::nullopt;
        }
        if (campo != &v.Umidità.Porosità) {
            testo.push_back(';');
        }
        testo.append(valore);
    }
    return testo;
}

void LeggiUmidità(VoceAbaco& v, std::string_view valore) {
    for (std::string* campo : CampiUmidità(v.Umidità)) {
        const std::size_t fine = valore.find(';');
        *campo = std::string(TogliSpazi(valore.substr(0, fine)));
        valore = fine == std::string_view::npos ? std::string_view() : valore.substr(fine + 1);
    }
}

// In the order they follow the rows.
const std::array<Sezione, 2> Sezioni{{{TitoloCaloriSpecifici, ValoreCalore, LeggiCalore},
                                      {TitoloUmidità, ValoreUmidità, LeggiUmidità}}};

// The section at the start of coda, when there is one, read into the rows of the same name;
// what follows the section. A section followed by what would read as a row is not taken: the
// whole tail stays tail, so that rows and tail written again read back the same.
std::string_view LeggiSezione(std::string_view coda, const Sezione& sezione, Abaco& voci) {
    if (!IniziaCon(coda, sezione.Titolo)) {
        return coda;
    }
    LettoreRighe righe(coda);
    righe.Prossima();
    Abaco lette = voci;
    // The rows of each name in order and the first of them no line has taken yet, so that a
    // long section reads in linear time.
    struct RigheDelNome {
        std::vector<std::size_t> Righe;
        std::size_t Prossima = 0;
    };
    std::unordered_map<std::string, RigheDelNome> perNome;
    for (std::size_t i = 0; i < lette.size(); ++i) {
        perNome[lette[i].Materiale].Righe.push_back(i);
    }
    for (;;) {
        const std::size_t inizioRiga = righe.Posizione();
        const auto riga = righe.Prossima();
        const std::size_t uguale = riga ? riga->rfind('=') : std::string_view::npos;
        if (uguale == std::string_view::npos) {
            const std::string_view resto = coda.substr(inizioRiga);
            LettoreRighe dopo(resto);
            const auto prima = dopo.Prossima();
            if (prima && TogliSpazi(*prima) == Marcatore) {
                return coda;
            }
            voci = std::move(lette);
            return resto;
        }
        const std::string nome(TogliSpazi(Win1252AUtf8(riga->substr(0, uguale))));
        const auto righeNome = perNome.find(nome);
        if (righeNome != perNome.end() &&
            righeNome->second.Prossima < righeNome->second.Righe.size()) {
            sezione.Leggi(lette[righeNome->second.Righe[righeNome->second.Prossima++]],
                          Win1252AUtf8(riga->substr(uguale + 1)));
        }
    }
}

// Appends the section's title and lines when a row has a value. A row without a value gets an
// empty line only where a later row of its name has one, so that each line goes back to its
// own row. False when a value cannot be stored; *scritta tells whether the section was written.
bool AggiungiSezione(std::string& testo, const Abaco& abaco, const Sezione& sezione,
                     bool& scritta) {
    std::vector<std::string> valori;
    valori.reserve(abaco.size());
    for (const VoceAbaco& voce : abaco) {
        auto valore = sezione.Valore(voce);
        if (!valore) {
            return false;
        }
        valori.push_back(std::move(*valore));
    }
    // Which rows need that empty line, found from the last row back in one pass.
    std::vector<bool> segnaposto(abaco.size(), false);
    std::unordered_set<std::string_view> conValoreDopo;
    for (std::size_t i = abaco.size(); i-- > 0;) {
        const std::string_view nome = TogliSpazi(abaco[i].Materiale);
        if (!valori[i].empty()) {
            conValoreDopo.insert(nome);
        } else {
            segnaposto[i] = conValoreDopo.contains(nome);
        }
    }
    scritta = false;
    for (std::size_t i = 0; i < abaco.size(); ++i) {
        if (valori[i].empty() && !segnaposto[i]) {
            continue;
        }
        if (!scritta) {
            testo.append(sezione.Titolo).append(ACapo);
            scritta = true;
        }
        testo.append(TogliSpazi(abaco[i].Materiale)).append("=").append(valori[i]).append(ACapo);
    }
    return true;
}

void AggiungiRiga(std::string& testo, std::string_view riga) {
    testo.append(riga).append(ACapo);
}

// Whether another editor saved the database as UTF-8: its first marker the two bytes of "¶",
// perhaps after a byte-order mark, which is dropped from contenuto.
bool InUtf8(std::string_view& contenuto) {
    constexpr std::string_view Bom = "\xEF\xBB\xBF";
    std::string_view testo = contenuto;
    if (testo.starts_with(Bom)) {
        testo.remove_prefix(Bom.size());
    }
    LettoreRighe righe(testo);
    const auto primo = righe.Prossima();
    if (!primo || TogliSpazi(*primo) != MarcatoreUtf8) {
        return false;
    }
    contenuto = testo;
    return true;
}

// Whether a file that opens with testo is read as UTF-8.
bool LettaInUtf8(std::string_view testo) {
    return InUtf8(testo);
}

// A database in UTF-8 as the same text in Windows-1252, the program's own encoding; nothing
// for any other file, or one with characters Windows-1252 lacks.
std::optional<std::string> DaUtf8(std::string_view contenuto) {
    if (!InUtf8(contenuto)) {
        return std::nullopt;
    }
    return Utf8AWin1252(contenuto);
}

} // namespace

std::string TestoAbacoLetto(std::string_view contenuto) {
    auto daUtf8 = DaUtf8(contenuto);
    return daUtf8 ? std::move(*daUtf8) : std::string(contenuto);
}

ContenutoAbaco LetturaAbaco(std::string_view contenuto) {
    const auto daUtf8 = DaUtf8(contenuto);
    if (daUtf8) {
        contenuto = *daUtf8;
    }
    ContenutoAbaco letto;
    LettoreRighe righe(contenuto);
    for (;;) {
        const std::size_t inizioRiga = righe.Posizione();
        auto voce = LeggiVoce(righe);
        if (!voce) {
            std::string_view resto = contenuto.substr(inizioRiga);
            for (const Sezione& sezione : Sezioni) {
                resto = LeggiSezione(resto, sezione, letto.Voci);
            }
            letto.Coda = std::string(resto);
            return letto;
        }
        letto.Voci.push_back(std::move(*voce));
    }
}

std::optional<ContenutoAbaco> Prosegui(const std::string& percorso, bool* caratteriUtf8) {
    const auto contenuto = LeggiFile(percorso, DimensioneMassimaAbaco);
    if (!contenuto) {
        return std::nullopt;
    }
    std::string_view testo = *contenuto;
    if (InUtf8(testo) && !RappresentabileWin1252(testo)) {
        if (caratteriUtf8 != nullptr) {
            *caratteriUtf8 = true;
        }
        return std::nullopt;
    }
    return LetturaAbaco(*contenuto);
}

std::optional<std::string> ContenutoFileAbaco(const Abaco& abaco, std::string_view coda) {
    std::string testo;
    for (const VoceAbaco& voce : abaco) {
        testo.append(MarcatoreUtf8);
        testo.append(ACapo);
        for (const std::string* campo : Campi(voce)) {
            // A line break inside a value would shift every row after it.
            if (!UnaRiga(*campo)) {
                return std::nullopt;
            }
            testo.append(TogliSpazi(*campo));
            testo.append(" ");
            testo.append(ACapo);
        }
    }
    bool calori = false;
    bool umidità = false;
    if (!AggiungiSezione(testo, abaco, Sezioni[0], calori) ||
        !AggiungiSezione(testo, abaco, Sezioni[1], umidità)) {
        return std::nullopt;
    }
    // A tail that itself starts with a section's title keeps an empty section before it, so
    // that it is read back as tail: the moisture data's title whenever that section was not
    // written, the specific heats' title when no section was. So does a tail that would open
    // the file with a UTF-8 marker, so that the file reads back as Windows-1252.
    if (!umidità && IniziaCon(coda, TitoloUmidità)) {
        AggiungiRiga(testo, TitoloUmidità);
    } else if (!calori && !umidità &&
               (IniziaCon(coda, TitoloCaloriSpecifici) || (abaco.empty() && LettaInUtf8(coda)))) {
        AggiungiRiga(testo, TitoloCaloriSpecifici);
    }
    auto byte = Utf8AWin1252(testo);
    if (byte) {
        byte->append(coda);
    }
    return byte;
}

EsitoScrittura SalvaAbaco(const std::string& percorso, const Abaco& abaco, std::string_view coda) {
    const auto contenuto = ContenutoFileAbaco(abaco, coda);
    if (!contenuto) {
        return {MotivoErrore::Altro};
    }
    return ScritturaAtomica(percorso, *contenuto);
}

} // namespace paretix
