#pragma once
// A block-tridiagonal linear system with 2×2 blocks, solved by block elimination (the Thomas
// algorithm on blocks): row i reads L[i]·x[i−1] + D[i]·x[i] + U[i]·x[i+1] = r[i].

#include <array>
#include <vector>

namespace paretix {

using Blocco = std::array<double, 4>; // row major: a b / c d
using Coppia = std::array<double, 2>;

struct SistemaBlocchi {
    std::vector<Blocco> L, D, U;
    std::vector<Coppia> r;

    void Dimensiona(std::size_t n);
    // Solves in place: r becomes x. False when a pivot block is singular.
    bool Risolvi();
};

} // namespace paretix
