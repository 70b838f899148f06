#include "core/window/schema_strati.h"

#include <algorithm>

#include "core/model/caselle_visibili.h"

namespace paretix {

namespace {

constexpr int SinistraCorniciInterne = 105;
constexpr int LarghezzaCorniceCondizioni = 1095;
constexpr int AltezzaCorniceCondizioni = 660;
constexpr int AltezzaCorniceSuono = 930;
constexpr int LarghezzaCorniceSuono = 1170;
constexpr int ScostamentoEtichetteEsterne = 280;

// Tops of the boundary-condition frames for one combination of calculations; 0 leaves a
// frame where it is (it is hidden in that combination).
struct AltiCornici {
    int TInterna = 0;
    int TEsterna = 0;
    int UInterna = 0;
    int UEsterna = 0;
    int Suono = 0;
};

AltiCornici AltiPer(const Esercizio& e) {
    if (e.Termico && e.Igrometrico && e.Acustico) {
        return {960, 480, 2280, 1680, 2880};
    }
    if (e.Termico && e.Igrometrico) {
        return {960, 960, 2280, 2280, 0};
    }
    if (e.Termico && e.Acustico) {
        return {1680, 906, 0, 0, 2280};
    }
    if (e.Termico) {
        return {1680, 1680, 0, 0, 0};
    }
    if (e.Acustico) {
        return {0, 0, 0, 0, 1680};
    }
    return {};
}

void Colloca(CorniceNera& c, int alto, bool visibile) {
    if (alto != 0) {
        c.Alto = alto;
    }
    c.Visibile = visibile;
}

} // namespace

std::string CaptionEtichettaConfine(EtichettaConfine e, int k) {
    static constexpr std::array<const char*, 3> prefissi{"T", "Pvs", "Pv"};
    return prefissi[static_cast<std::size_t>(e)] + std::to_string(k);
}

std::optional<unsigned> SfondoRGB(std::int32_t colore) {
    if (colore == ColoreFinestra) {
        return std::nullopt;
    }
    // Stored as 0x00BBGGRR.
    const auto c = static_cast<std::uint32_t>(colore);
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

int LarghezzaCornice(int indice) {
    switch (indice) {
    case CorniceEtichetteTEsterna:
    case CorniceEtichettePEsterna:
        return 600;
    case CorniceSimboli:
        return LarghezzaStrato;
    case CorniceSuono:
        return LarghezzaCorniceSuono;
    default:
        return LarghezzaCorniceCondizioni;
    }
}

int AltezzaCornice(int indice) {
    switch (indice) {
    case CorniceEtichetteTEsterna:
        return AltezzaEtichettaConfine;
    case CorniceEtichettePEsterna:
        return 2 * AltezzaEtichettaConfine;
    case CorniceSimboli:
        return AltoRiga(RigaSchema::FatAssorbimento) + AltezzaCasella -
               AltoRiga(RigaSchema::Densità) + 90;
    case CorniceSuono:
        return AltezzaCorniceSuono;
    default:
        return AltezzaCorniceCondizioni;
    }
}

int DestraSchema(int n) {
    int destra = SinistraCorniciEsterne(n) + ScostamentoEtichetteEsterne +
                 LarghezzaCornice(CorniceEtichetteTEsterna);
    for (int i : {CorniceSimboli, CorniceTEsterna, CorniceUEsterna, CorniceSuono}) {
        destra = std::max(destra, SinistraCorniciEsterne(n) + LarghezzaCornice(i));
    }
    return destra;
}

SchemaStrati SchemaIniziale() {
    SchemaStrati s;
    s.FrameNero[CorniceTInterna] = {SinistraCorniciInterne, 960, false};
    s.FrameNero[CorniceUInterna] = {SinistraCorniciInterne, 2280, false};
    s.FrameNero[CorniceTEsterna].Alto = 480;
    s.FrameNero[CorniceUEsterna].Alto = 1680;
    s.FrameNero[CorniceSuono].Alto = 2880;
    s.FrameNero[CorniceSimboli].Alto = AltoRiga(RigaSchema::Densità) - 45;
    s.FrameNero[CorniceEtichetteTEsterna].Alto = AltoEtichettaConfine(EtichettaConfine::T);
    s.FrameNero[CorniceEtichettePEsterna].Alto = AltoEtichettaConfine(EtichettaConfine::Pvs);
    VisualizzaSchema(s, Esercizio{});
    return s;
}

void VisualizzaSchema(SchemaStrati& s, const Esercizio& e) {
    const int esterne = SinistraCorniciEsterne(e.NumeroStrati());
    for (int i : {CorniceTEsterna, CorniceUEsterna, CorniceSuono, CorniceSimboli}) {
        s.FrameNero[i].Sinistra = esterne;
    }
    s.FineLinee = esterne;
    for (int i : {CorniceEtichetteTEsterna, CorniceEtichettePEsterna}) {
        s.FrameNero[i].Sinistra = esterne + ScostamentoEtichetteEsterne;
        s.FrameNero[i].Visibile = true;
    }
    s.FrameNero[CorniceSimboli].Visibile = true;

    const AltiCornici alti = AltiPer(e);
    Colloca(s.FrameNero[CorniceTInterna], alti.TInterna, TemperatureVisibili(e));
    Colloca(s.FrameNero[CorniceTEsterna], alti.TEsterna, TemperatureVisibili(e));
    Colloca(s.FrameNero[CorniceUInterna], alti.UInterna, UmiditàVisibili(e));
    Colloca(s.FrameNero[CorniceUEsterna], alti.UEsterna, UmiditàVisibili(e));
    Colloca(s.FrameNero[CorniceSuono], alti.Suono, DistSonoroVisibile(e));

    s.RigaVisibile[static_cast<int>(RigaSchema::TipoStrato)] = true;
    s.RigaVisibile[static_cast<int>(RigaSchema::Densità)] = DensitàVisibile(e);
    s.RigaVisibile[static_cast<int>(RigaSchema::Spessore)] = true;
    s.RigaVisibile[static_cast<int>(RigaSchema::Conduttività)] = e.Termico;
    s.RigaVisibile[static_cast<int>(RigaSchema::Permeabilità)] = PermeabilitàVisibile(e);
    s.RigaVisibile[static_cast<int>(RigaSchema::FatAssorbimento)] = e.Termico;
    s.EtichetteUmiditàVisibili = UmiditàVisibili(e);
}

bool CasellaVisibile(const Esercizio& e, int k, RigaSchema r) {
    const Strato& s = e.strato(k);
    switch (r) {
    case RigaSchema::TipoStrato:
    case RigaSchema::Spessore:
        return true;
    case RigaSchema::Densità:
        return DensitàVisibile(e);
    case RigaSchema::Conduttività:
        return s.ConduttivitàVisibile;
    case RigaSchema::Permeabilità:
        return PermeabilitàVisibile(e);
    case RigaSchema::FatAssorbimento:
        return s.FatAssorbimentoVisibile;
    }
    return false;
}

} // namespace paretix
