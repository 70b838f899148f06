#pragma once
// The materials database in memory: an ordered list of rows of five texts, and the specific
// heat of the rows that have one.

#include <string>
#include <vector>

#include "core/model/numeri.h"

namespace paretix {

struct VoceAbaco {
    std::string Materiale;
    std::string Densità;
    std::string Conduttività;
    std::string Permeabilità;
    std::string FatAssorbimento;
    std::string CaloreSpecifico = ""; // J/(kg K), as typed; empty when unknown

    // A row whose four data texts are blank is a group title ("Metalli"), not a material.
    bool TitoloGruppo() const {
        return TogliSpazi(Densità).empty() && TogliSpazi(Conduttività).empty() &&
               TogliSpazi(Permeabilità).empty() && TogliSpazi(FatAssorbimento).empty();
    }

    bool operator==(const VoceAbaco&) const = default;
};

using Abaco = std::vector<VoceAbaco>;

} // namespace paretix
