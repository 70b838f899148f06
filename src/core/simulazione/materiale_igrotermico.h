#pragma once
// What the transient simulation needs to know of a material: its dry heat capacity and, as
// functions of the relative humidity φ (0..1) or of the water content w (kg/m³), how much
// water it holds, how fast liquid water moves through it, its vapour resistance factor and its
// thermal conductivity. A material without storage holds no water and carries no liquid.

#include <functional>
#include <string>
#include <vector>

namespace paretix {

// The water held at a relative humidity and its slope dw/dφ, kg/m³.
struct Sorbimento {
    double w = 0;
    double dw = 0;
};

struct MaterialeIgrotermico {
    double CapacitàSecca = 0; // ρ·c of the dry material, J/(m³ K)
    // w(φ); empty: the material stores no water.
    std::function<Sorbimento(double φ)> Acqua;
    // The liquid conductance against φ, kg/(m s): the liquid flux is −Kφ·∂φ/∂x. Empty: no
    // liquid transport.
    std::function<double(double φ, const Sorbimento&)> Liquido;
    std::function<double(double w)> Mu;     // vapour resistance factor
    std::function<double(double w)> Lambda; // W/(m K)
};

// A table of (x, y) rows, x strictly increasing; read between its rows by straight lines and
// held at its end values outside them.
struct TabellaMateriale {
    std::vector<double> X, Y;
    double Valore(double x) const;
    double Pendenza(double x) const; // dy/dx of the segment holding x, 0 outside the rows
};

// The data of a layer as typed; a missing number is NaN, a missing table is empty.
struct DatiUmiditàStrato {
    double Densità = 0;         // kg/m³
    double CaloreSpecifico = 0; // J/(kg K)
    double Lambda = 0;          // W/(m K)
    double Mu = 1;
    double Porosità, W80, Wf, Assorbimento; // m³/m³, kg/m³, kg/m³, kg/(m² s^0,5)
    TabellaMateriale Sorbimento;            // φ (0..1) : w
    TabellaMateriale DiffusivitàLiquida;    // w : Dw, m²/s
    TabellaMateriale MuUmido;               // w : μ
    TabellaMateriale ConduttivitàUmida;     // w : λ
};

// The storage curve from the free saturation wf and w80 = w(0,8), the liquid diffusivity from
// the absorption coefficient, or the typed tables in their place. Fills the message (naming
// the key that is wrong, without the layer) and returns false when the data contradict each
// other; a layer with neither the three numbers nor a storage table stores no water.
bool CostruisciMateriale(const DatiUmiditàStrato& d, MaterialeIgrotermico& m,
                         std::string& messaggio);

// Still air: no storage, μ 1, the given equivalent conductivity.
MaterialeIgrotermico MaterialeAria(double λ);

} // namespace paretix
