#pragma once
// The materials database in memory: an ordered list of rows of five texts, and the specific
// heat and the moisture data of the rows that have them.

#include <string>
#include <vector>

#include "core/model/numeri.h"

namespace paretix {

// The four moisture data of a material for the transient simulation, as typed; all empty when
// unknown.
struct UmiditàAbaco {
    std::string Porosità;     // m³/m³
    std::string W80;          // kg/m³, the water content at 80 % relative humidity
    std::string Wf;           // kg/m³, the free water saturation
    std::string Assorbimento; // kg/(m² s^0,5), the water absorption coefficient A

    bool Vuota() const {
        return TogliSpazi(Porosità).empty() && TogliSpazi(W80).empty() && TogliSpazi(Wf).empty() &&
               TogliSpazi(Assorbimento).empty();
    }

    bool operator==(const UmiditàAbaco&) const = default;
};

struct VoceAbaco {
    std::string Materiale;
    std::string Densità;
    std::string Conduttività;
    std::string Permeabilità;
    std::string FatAssorbimento;
    std::string CaloreSpecifico = ""; // J/(kg K), as typed; empty when unknown
    UmiditàAbaco Umidità = {};

    // A row whose four data texts are blank is a group title ("Metalli"), not a material.
    bool TitoloGruppo() const {
        return TogliSpazi(Densità).empty() && TogliSpazi(Conduttività).empty() &&
               TogliSpazi(Permeabilità).empty() && TogliSpazi(FatAssorbimento).empty();
    }

    bool operator==(const VoceAbaco&) const = default;
};

using Abaco = std::vector<VoceAbaco>;

} // namespace paretix
