#include "core/materials/abaco_file.h"

#include <array>

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

// The section of specific heats at the start of coda, when there is one, read into the rows of
// the same name; what follows the section.
std::string_view LeggiCaloriSpecifici(std::string_view coda, Abaco& voci) {
    LettoreRighe righe(coda);
    const auto titolo = righe.Prossima();
    if (!titolo || TogliSpazi(*titolo) != TitoloCaloriSpecifici) {
        return coda;
    }
    for (;;) {
        const std::size_t inizioRiga = righe.Posizione();
        const auto riga = righe.Prossima();
        const std::size_t uguale = riga ? riga->rfind('=') : std::string_view::npos;
        if (uguale == std::string_view::npos) {
            return coda.substr(inizioRiga);
        }
        const std::string nome(TogliSpazi(Win1252AUtf8(riga->substr(0, uguale))));
        const std::string valore(TogliSpazi(Win1252AUtf8(riga->substr(uguale + 1))));
        for (VoceAbaco& voce : voci) {
            if (voce.Materiale == nome && voce.CaloreSpecifico.empty()) {
                voce.CaloreSpecifico = valore;
                break;
            }
        }
    }
}

void AggiungiRiga(std::string& testo, std::string_view riga) {
    testo.append(riga).append(ACapo);
}

bool UnaRiga(std::string_view testo) {
    return testo.find_first_of("\r\n") == std::string::npos;
}

} // namespace

ContenutoAbaco LetturaAbaco(std::string_view contenuto) {
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

std::optional<ContenutoAbaco> Prosegui(const std::string& percorso) {
    const auto contenuto = LeggiFile(percorso, DimensioneMassimaAbaco);
    if (!contenuto) {
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
    bool titolo = false;
    for (const VoceAbaco& voce : abaco) {
        const std::string_view valore = TogliSpazi(voce.CaloreSpecifico);
        if (valore.empty()) {
            continue;
        }
        if (!UnaRiga(valore) || valore.find('=') != std::string_view::npos) {
            return std::nullopt;
        }
        if (!titolo) {
            AggiungiRiga(testo, TitoloCaloriSpecifici);
            titolo = true;
        }
        testo.append(TogliSpazi(voce.Materiale)).append("=");
        AggiungiRiga(testo, valore);
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
