#pragma once
// The vertical value scale shared by the three charts: the range of the values fills the
// surface height but a margin of 557.5 twips above and below.

namespace paretix {

constexpr double MargineBanda = 557.5;        // free space above and below the band
constexpr double MarginiBandaTotali = 1115.0; // both margins

class ScalaValori {
  public:
    // Vmax and Vmin start at the first value; Includi widens them to take in another.
    ScalaValori(double altezzaSuperficie, double primoValore)
        : H(altezzaSuperficie), Vmax(primoValore), Vmin(primoValore) {}

    void Includi(double valore);

    // The height of a value: the largest lies 557.5 below the top, the smallest 557.5 above
    // the bottom. When every value is equal, all lie at the bottom of the band.
    double y(double valore) const;

    double Minimo() const { return Vmin; }
    double Massimo() const { return Vmax; }

  private:
    double H;
    double Vmax, Vmin;
};

} // namespace paretix
