#pragma once
// One share of a sweep, so that a sweep may run on many machines: "--parte K/N" takes the K-th
// of N consecutive shares of the variants, as equal as whole variants allow. The shares'
// outputs, concatenated in the order K = 1..N, are the whole sweep's output byte for byte: the
// first share alone writes the table's header.

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace paretix {

inline constexpr std::size_t PartiMassime = 1000000;

struct ParteScansione {
    std::size_t K = 1, N = 1;
};

// "K/N" with 1 ≤ K ≤ N ≤ PartiMassime, decimal digits only.
std::optional<ParteScansione> LeggiParte(std::string_view testo);

// The variants [first, last) of share p among n: from ⌊n·(K−1)/N⌋ to ⌊n·K/N⌋.
std::pair<std::size_t, std::size_t> VariantiDellaParte(std::size_t n, ParteScansione p);

} // namespace paretix
