#include "core/materials/abaco_file.h"
#include "core/model/a_capo.h"

#include <array>

#include "core/files/lettura_file.h"
#include "core/files/righe.h"
#include "core/files/scrittura_atomica.h"
#include "core/files/win1252.h"
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

} // namespace

ContenutoAbaco LetturaAbaco(std::string_view contenuto) {
    ContenutoAbaco letto;
    LettoreRighe righe(contenuto);
    for (;;) {
        const std::size_t inizioRiga = righe.Posizione();
        auto voce = LeggiVoce(righe);
        if (!voce) {
            letto.Coda = std::string(contenuto.substr(inizioRiga));
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
            if (campo->find_first_of("\r\n") != std::string::npos) {
                return std::nullopt;
            }
            testo.append(TogliSpazi(*campo));
            testo.append(" ");
            testo.append(ACapo);
        }
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
