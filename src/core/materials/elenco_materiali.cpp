#include "core/materials/elenco_materiali.h"

#include <algorithm>

#include "core/materials/maiuscolo.h"
#include "core/materials/modo_abaco.h"

namespace paretix {

namespace {

// Each grid row starts 240 twips below the one above and is 255 high: they overlap by 15.
constexpr int AltoGriglia = 720;
constexpr int PassoRiga = 240;
constexpr int AltezzaCella = 255;
constexpr int LarghezzaPrimaColonna = 5295;
constexpr int LarghezzaColonna = 1695;
constexpr std::array<int, 6> SinistraColonna = {0, 5280, 6960, 8640, 10320, 12000};
constexpr int FondoGriglia = AltoGriglia + (RigheGriglia - 1) * PassoRiga + AltezzaCella;
constexpr int LarghezzaVScroll = 255;
constexpr int AltoInfo = FondoGriglia + 120;
constexpr int AltezzaInfo = 780;
constexpr int AltoChiudi = AltoInfo + AltezzaInfo + 120;
constexpr int LarghezzaChiudi = 1455;
constexpr int AltezzaChiudi = 375;

int LarghezzaDiColonna(int c) {
    return c == 1 ? LarghezzaPrimaColonna : LarghezzaColonna;
}

int FineGriglia(int colonne) {
    return SinistraColonna[static_cast<std::size_t>(colonne - 1)] + LarghezzaColonna;
}

int LarghezzaForm(int colonne) {
    return FineGriglia(colonne) + LarghezzaVScroll + 30;
}

} // namespace

const std::array<VoceMenuAbaco, 8> MenuNascosto = {{
    {"InserireNuovoMateriale", "Inserire nuovo materiale", nullptr, nullptr},
    {"PrinaDelSelezionato", "Prina del selezionato", "InserireNuovoMateriale",
     ModificaAbacoAggiungiPrima},
    {"DopoIlSelezionato", "Dopo il selezionato", "InserireNuovoMateriale",
     ModificaAbacoAggiungiDopo},
    {"CancellareMateriale", "Cancellare materiale", nullptr, ModificaAbacoCancella},
    {"ModificareMateriale", "Modificare materiale", nullptr, ModificaAbacoModifica},
    {"InserisciTitoloGruppoMateriali", "Inserisci titolo gruppo materiali", nullptr, nullptr},
    {"InserisciTitoloGruppoMaterialiSopra", "Sopra il rigo selezionato",
     "InserisciTitoloGruppoMateriali", ModificaAbacoGruppoSopra},
    {"InserisciTitoloGruppoMaterialiSotto", "Sotto il rigo selezionato",
     "InserisciTitoloGruppoMateriali", ModificaAbacoGruppoSotto},
}};

bool IndiceCellaValido(int k, int colonne) {
    return k >= 1 && k < RigheGriglia * 10 && k % 10 >= 1 && k % 10 <= colonne;
}

RettangoloTwips PosizioneLabelMat(int k) {
    const int r = k / 10;
    const int c = k % 10;
    return {SinistraColonna[static_cast<std::size_t>(c - 1)], AltoGriglia + PassoRiga * r,
            LarghezzaDiColonna(c), AltezzaCella};
}

RettangoloTwips PosizioneIntestazione(int c) {
    return {SinistraColonna[static_cast<std::size_t>(c - 1)], 60, LarghezzaDiColonna(c),
            AltoGriglia - 90};
}

RettangoloTwips PosizioneInfo(int colonne) {
    return {60, AltoInfo, FineGriglia(colonne) + LarghezzaVScroll - 60, AltezzaInfo};
}

RettangoloTwips PosizioneChiudi(int colonne) {
    return {(LarghezzaForm(colonne) - LarghezzaChiudi) / 2, AltoChiudi, LarghezzaChiudi,
            AltezzaChiudi};
}

RettangoloTwips PosizioneVScroll1(int colonne) {
    return {FineGriglia(colonne) + 15, AltoGriglia, LarghezzaVScroll, FondoGriglia - AltoGriglia};
}

RettangoloTwips DimensioneElencoMateriali(int colonne) {
    return {0, 0, LarghezzaForm(colonne), AltoChiudi + AltezzaChiudi + 180};
}

ElencoMateriali::ElencoMateriali(Abaco abaco, std::string modo)
    : abaco_(std::move(abaco)), modo_(std::move(modo)) {
    Prosegui2();
}

ElencoMateriali ElencoMateriali::Consulta(Abaco abaco, Caricamento carica) {
    ElencoMateriali f(std::move(abaco), ConsultaAbaco);
    f.carica_ = std::move(carica);
    return f;
}

ElencoMateriali ElencoMateriali::Modifica(Abaco abaco, Salvataggio salva) {
    ElencoMateriali f(std::move(abaco), ModificaAbaco);
    f.salva_ = std::move(salva);
    return f;
}

void ElencoMateriali::MostraCaloreSpecifico(bool mostra) {
    conCalore_ = mostra;
    RidisegnaDa(vscrollValore_);
}

const VoceAbaco* ElencoMateriali::Voce(int r) const {
    if (r < 0 || r > UltimoIndice()) {
        return nullptr;
    }
    return &abaco_[static_cast<std::size_t>(r)];
}

int ElencoMateriali::RigheVisibili() const {
    return std::min(UltimoIndice(), RigheGriglia - 1);
}

const CellaAbaco& ElencoMateriali::LabelMat(int k) const {
    return celle_.at(static_cast<std::size_t>(k));
}

CellaAbaco& ElencoMateriali::Cella(int k) {
    return celle_.at(static_cast<std::size_t>(k));
}

int ElencoMateriali::RigaSelezionata() const {
    return cellaCliccata_ / 10 + (vscrollVisibile_ ? vscrollValore_ : 0);
}

void ElencoMateriali::MostraRiga(int rigaGriglia, int i) {
    const VoceAbaco& v = abaco_[static_cast<std::size_t>(i)];
    const int base = 10 * rigaGriglia;
    Cella(base + 2).Caption = v.Densità;
    Cella(base + 3).Caption = v.Conduttività;
    Cella(base + 4).Caption = v.Permeabilità;
    Cella(base + 5).Caption = v.FatAssorbimento;
    Cella(base + 6).Caption = conCalore_ ? v.CaloreSpecifico : std::string();
    CellaAbaco& nome = Cella(base + 1);
    const bool titolo = v.TitoloGruppo();
    nome.ColoreTesto = titolo ? ColoreRosso : ColoreNero;
    nome.Grassetto = titolo;
    nome.Caption = titolo ? Maiuscolo(v.Materiale) : v.Materiale;
}

void ElencoMateriali::Prosegui2() {
    for (int r = 0; r <= RigheVisibili(); ++r) {
        MostraRiga(r, r);
    }
    for (int r = UltimoIndice() + 1; r < RigheGriglia; ++r) {
        for (int c = 1; c <= ColonneGrigliaConCalore; ++c) {
            Cella(10 * r + c).Caption.clear();
        }
    }
    vscrollVisibile_ = UltimoIndice() > RigheGriglia - 1;
    if (vscrollVisibile_) {
        vscrollMax_ = UltimoIndice() - (RigheGriglia - 1);
    }
}

void ElencoMateriali::VScroll1_Change(int valore) {
    // The top row can go no further than to show the last row in the bottom grid row.
    vscrollValore_ = std::clamp(valore, 0, std::max(0, UltimoIndice() - (RigheGriglia - 1)));
    for (int r = 0; r <= RigheVisibili(); ++r) {
        MostraRiga(r, vscrollValore_ + r);
    }
}

void ElencoMateriali::LabelMat_MouseMove(int k) {
    const int rigaEvidenziata = k / 10;
    for (int r = 0; r < RigheGriglia; ++r) {
        for (int c = 1; c <= ColonneGrigliaConCalore; ++c) {
            Cella(10 * r + c).ColoreSfondo = r == rigaEvidenziata ? ColoreGiallo : ColoreBianco;
        }
    }
}

void ElencoMateriali::TuttoBianco() {
    for (CellaAbaco& c : celle_) {
        c.ColoreSfondo = ColoreBianco;
    }
}

ElencoMateriali::EsitoClic ElencoMateriali::LabelMat_Click(int k) {
    cellaCliccata_ = k;
    return ModoConsulta(modo_) ? EsitoClic::ApriDialogoMateriale : EsitoClic::MostraMenu;
}

DialogoAbaco ElencoMateriali::MenuNascosto_Click(const VoceMenuAbaco& voce) {
    if (voce.Modo != nullptr) { // a sub-menu entry changes nothing
        modo_ = voce.Modo;
    }
    return modo_ == ModificaAbacoCancella ? DialogoAbaco::Materiale : DialogoAbaco::Modifica;
}

void ElencoMateriali::RidisegnaDa(int v) {
    Prosegui2();
    vscrollValore_ = 0;
    VScroll1_Change(v);
}

void ElencoMateriali::SalvaAbaco() const {
    if (salva_) {
        salva_(abaco_);
    }
}

void ElencoMateriali::Carica(int r) {
    const VoceAbaco* voce = Voce(r);
    if (!carica_ || voce == nullptr) {
        return;
    }
    carica_(*voce);
    caricato_ = true;
}

void ElencoMateriali::Cancella(int r) {
    if (Voce(r) == nullptr) {
        return;
    }
    abaco_.erase(abaco_.begin() + r);
    RidisegnaDa(std::max(0, vscrollValore_ - 1));
    SalvaAbaco();
}

void ElencoMateriali::ModificaVoce(int r, VoceAbaco voce) {
    if (Voce(r) == nullptr) {
        return;
    }
    abaco_[static_cast<std::size_t>(r)] = std::move(voce);
    RidisegnaDa(vscrollValore_);
    SalvaAbaco();
}

void ElencoMateriali::Inserisci(int r, VoceAbaco voce) {
    const bool dopo = modo_ == ModificaAbacoAggiungiDopo || modo_ == ModificaAbacoGruppoSotto;
    // A row beyond the last (an empty grid row) appends, so an empty list can get its first row.
    const int p = std::clamp(dopo ? r + 1 : r, 0, UltimoIndice() + 1);
    abaco_.insert(abaco_.begin() + p, std::move(voce));
    RidisegnaDa(vscrollValore_);
    SalvaAbaco();
}

} // namespace paretix
