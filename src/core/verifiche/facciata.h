#pragma once
// The field sound insulation of a façade, D2m,nT,w, by the simplified method of UNI EN ISO
// 12354-3 from single numbers: the façade's area seen from the room, the Rw of the wall and of
// each window or door, the room's volume.

#include <optional>
#include <string>
#include <vector>

#include "core/model/dati_verifiche.h"

namespace paretix {

struct ElementoFacciata {
    double Superficie = 0; // m²
    double Rw = 0;         // dB
};

struct Facciata {
    double Superficie = 0; // S, m²
    double Volume = 0;     // V, m³
    std::vector<ElementoFacciata> Elementi;
    double Forma = 0;    // ΔLfs, dB
    double Laterali = 0; // K, dB
};

struct IsolamentoFacciata {
    double RPrimoW = 0; // R'w, dB
    double D2mnTw = 0;  // dB, unrounded
};

// R'w = -10 lg Σ (Si/S) 10^(-Rw,i/10) - K; D2m,nT,w = R'w + ΔLfs + 10 lg(V / (6 T0 S)).
IsolamentoFacciata CalcolaIsolamentoFacciata(const Facciata& f);

// Whether the exercise describes a façade (some of its data typed).
bool ConDatiFacciata(const DatiVerifiche& d);

// The façade of the exercise with the wall as its opaque part, of Rw the certified one typed or
// else rwParete (the one the acoustic check computes, none when it has none); nothing, with the
// data missing or wrong in mancanti, when it cannot be described.
std::optional<Facciata> LetturaFacciata(const DatiVerifiche& d, std::optional<int> rwParete,
                                        std::vector<std::string>& mancanti);

} // namespace paretix
