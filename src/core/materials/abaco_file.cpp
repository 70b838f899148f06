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

bool IniziaConIlTitolo(std::string_view coda) {
    LettoreRighe righe(coda);
    const auto titolo = righe.Prossima();
    return titolo && TogliSpazi(*titolo) == TitoloCaloriSpecifici;
}

// The section of specific heats at the start of coda, when there is one, read into the rows of
// the same name; what follows the section. A section followed by what would read as a row is
// not taken: the whole tail stays tail, so that rows and tail written again read back the same.
std::string_view LeggiCaloriSpecifici(std::string_view coda, Abaco& voci) {
    if (!IniziaConIlTitolo(coda)) {
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
        const std::string valore(TogliSpazi(Win1252AUtf8(riga->substr(uguale + 1))));
        const auto righeNome = perNome.find(nome);
        if (righeNome != perNome.end() &&
            righeNome->second.Prossima < righeNome->second.Righe.size()) {
            lette[righeNome->second.Righe[righeNome->second.Prossima++]].CaloreSpecifico = valore;
        }
    }
}

void AggiungiRiga(std::string& testo, std::string_view riga) {
    testo.append(riga).append(ACapo);
}

bool UnaRiga(std::string_view testo) {
    return testo.find_first_of("\r\n") == std::string::npos;
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
            letto.Coda =
                std::string(LeggiCaloriSpecifici(contenuto.substr(inizioRiga), letto.Voci));
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
    // A row without a value gets an empty line only where a later row of its name has one,
    // so that each line goes back to its own row. A tail that itself starts with the title, or
    // that would open the file with a UTF-8 marker, keeps a section title before it, so that it
    // is read back as tail and the file as Windows-1252.
    // Which rows need that empty line, found from the last row back in one pass.
    std::vector<bool> segnaposto(abaco.size(), false);
    std::unordered_set<std::string_view> conValoreDopo;
    for (std::size_t i = abaco.size(); i-- > 0;) {
        const std::string_view nome = TogliSpazi(abaco[i].Materiale);
        if (!TogliSpazi(abaco[i].CaloreSpecifico).empty()) {
            conValoreDopo.insert(nome);
        } else {
            segnaposto[i] = conValoreDopo.contains(nome);
        }
    }
    bool titolo = false;
    for (std::size_t i = 0; i < abaco.size(); ++i) {
        const std::string_view nome = TogliSpazi(abaco[i].Materiale);
        const std::string_view valore = TogliSpazi(abaco[i].CaloreSpecifico);
        if (!UnaRiga(valore) || valore.find('=') != std::string_view::npos) {
            return std::nullopt;
        }
        if (valore.empty() && !segnaposto[i]) {
            continue;
        }
        if (!titolo) {
            AggiungiRiga(testo, TitoloCaloriSpecifici);
            titolo = true;
        }
        testo.append(nome).append("=");
        AggiungiRiga(testo, valore);
    }
    if (!titolo && (IniziaConIlTitolo(coda) || (abaco.empty() && LettaInUtf8(coda)))) {
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
