#include "core/materials/form3.h"

#include <algorithm>

#include "core/materials/carica_materiale.h"
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
constexpr std::array<int, 5> SinistraColonna = {0, 5280, 6960, 8640, 10320};
constexpr int FineGriglia = 10320 + LarghezzaColonna;
constexpr int FondoGriglia = AltoGriglia + (RigheGriglia - 1) * PassoRiga + AltezzaCella;
constexpr int LarghezzaVScroll = 255;
constexpr int LarghezzaForm = FineGriglia + LarghezzaVScroll + 30;
constexpr int AltoInfo = FondoGriglia + 120;
constexpr int AltezzaInfo = 780;
constexpr int AltoChiudi = AltoInfo + AltezzaInfo + 120;
constexpr int LarghezzaChiudi = 1455;
constexpr int AltezzaChiudi = 375;

int LarghezzaDiColonna(int c) {
    return c == 1 ? LarghezzaPrimaColonna : LarghezzaColonna;
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

bool IndiceCellaValido(int k) {
    return k >= 1 && k < RigheGriglia * 10 && k % 10 >= 1 && k % 10 <= ColonneGriglia;
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

RettangoloTwips PosizioneInfo() {
    return {60, AltoInfo, FineGriglia + LarghezzaVScroll - 60, AltezzaInfo};
}

RettangoloTwips PosizioneChiudi() {
    return {(LarghezzaForm - LarghezzaChiudi) / 2, AltoChiudi, LarghezzaChiudi, AltezzaChiudi};
}

RettangoloTwips PosizioneVScroll1() {
    return {FineGriglia + 15, AltoGriglia, LarghezzaVScroll, FondoGriglia - AltoGriglia};
}

RettangoloTwips DimensioneForm3() {
    return {0, 0, LarghezzaForm, AltoChiudi + AltezzaChiudi + 180};
}

Form3::Form3(Abaco abaco, std::string modo) : abaco_(std::move(abaco)), modo_(std::move(modo)) {
    Prosegui2();
}

Form3 Form3::Consulta(Abaco abaco, Esercizio& e, int strato) {
    Form3 f(std::move(abaco), ConsultaAbaco);
    f.esercizio_ = &e;
    f.strato_ = strato;
    return f;
}

Form3 Form3::Modifica(Abaco abaco, Salvataggio salva) {
    Form3 f(std::move(abaco), ModificaAbaco);
    f.salva_ = std::move(salva);
    return f;
}

const VoceAbaco* Form3::Voce(int r) const {
    if (r < 0 || r > UltimoIndice()) {
        return nullptr;
    }
    return &abaco_[static_cast<std::size_t>(r)];
}

int Form3::RigheVisibili() const {
    return std::min(UltimoIndice(), RigheGriglia - 1);
}

const CellaAbaco& Form3::LabelMat(int k) const {
    return celle_.at(static_cast<std::size_t>(k));
}

CellaAbaco& Form3::Cella(int k) {
    return celle_.at(static_cast<std::size_t>(k));
}

int Form3::RigaSelezionata() const {
    return cellaCliccata_ / 10 + (vscrollVisibile_ ? vscrollValore_ : 0);
}

void Form3::MostraRiga(int rigaGriglia, int i) {
    const VoceAbaco& v = abaco_[static_cast<std::size_t>(i)];
    const int base = 10 * rigaGriglia;
    Cella(base + 2).Caption = v.Densità;
    Cella(base + 3).Caption = v.Conduttività;
    Cella(base + 4).Caption = v.Permeabilità;
    Cella(base + 5).Caption = v.FatAssorbimento;
    CellaAbaco& nome = Cella(base + 1);
    const bool titolo = v.TitoloGruppo();
    nome.ColoreTesto = titolo ? ColoreRosso : ColoreNero;
    nome.Grassetto = titolo;
    nome.Caption = titolo ? Maiuscolo(v.Materiale) : v.Materiale;
}

void Form3::Prosegui2() {
    for (int r = 0; r <= RigheVisibili(); ++r) {
        MostraRiga(r, r);
    }
    for (int r = UltimoIndice() + 1; r < RigheGriglia; ++r) {
        for (int c = 1; c <= ColonneGriglia; ++c) {
            Cella(10 * r + c).Caption.clear();
        }
    }
    vscrollVisibile_ = UltimoIndice() > RigheGriglia - 1;
    if (vscrollVisibile_) {
        vscrollMax_ = UltimoIndice() - (RigheGriglia - 1);
    }
}

void Form3::VScroll1_Change(int valore) {
    // The top row can go no further than to show the last row in the bottom grid row.
    vscrollValore_ = std::clamp(valore, 0, std::max(0, UltimoIndice() - (RigheGriglia - 1)));
    for (int r = 0; r <= RigheVisibili(); ++r) {
        MostraRiga(r, vscrollValore_ + r);
    }
}

void Form3::LabelMat_MouseMove(int k) {
    const int rigaEvidenziata = k / 10;
    for (int r = 0; r < RigheGriglia; ++r) {
        for (int c = 1; c <= ColonneGriglia; ++c) {
            Cella(10 * r + c).ColoreSfondo = r == rigaEvidenziata ? ColoreGiallo : ColoreBianco;
        }
    }
}

void Form3::TuttoBianco() {
    for (CellaAbaco& c : celle_) {
        c.ColoreSfondo = ColoreBianco;
    }
}

Form3::EsitoClic Form3::LabelMat_Click(int k) {
    cellaCliccata_ = k;
    return ModoConsulta(modo_) ? EsitoClic::ApriForm4 : EsitoClic::MostraMenu;
}

DialogoAbaco Form3::MenuNascosto_Click(const VoceMenuAbaco& voce) {
    if (voce.Modo != nullptr) { // a sub-menu entry changes nothing
        modo_ = voce.Modo;
    }
    return modo_ == ModificaAbacoCancella ? DialogoAbaco::MaterialeForm4
                                          : DialogoAbaco::ModificaForm5;
}

void Form3::RidisegnaDa(int v) {
    Prosegui2();
    vscrollValore_ = 0;
    VScroll1_Change(v);
}

void Form3::SalvaAbaco() const {
    if (salva_) {
        salva_(abaco_);
    }
}

void Form3::Carica(int r) {
    const VoceAbaco* voce = Voce(r);
    if (esercizio_ == nullptr || voce == nullptr) {
        return;
    }
    CaricaMateriale(*esercizio_, strato_, *voce);
    caricato_ = true;
}

void Form3::Cancella(int r) {
    if (Voce(r) == nullptr) {
        return;
    }
    abaco_.erase(abaco_.begin() + r);
    RidisegnaDa(std::max(0, vscrollValore_ - 1));
    SalvaAbaco();
}

void Form3::ModificaVoce(int r, VoceAbaco voce) {
    if (Voce(r) == nullptr) {
        return;
    }
    abaco_[static_cast<std::size_t>(r)] = std::move(voce);
    RidisegnaDa(vscrollValore_);
    SalvaAbaco();
}

void Form3::Inserisci(int r, VoceAbaco voce) {
    const bool dopo = modo_ == ModificaAbacoAggiungiDopo || modo_ == ModificaAbacoGruppoSotto;
    // A row beyond the last (an empty grid row) appends, so an empty list can get its first row.
    const int p = std::clamp(dopo ? r + 1 : r, 0, UltimoIndice() + 1);
    abaco_.insert(abaco_.begin() + p, std::move(voce));
    RidisegnaDa(vscrollValore_);
    SalvaAbaco();
}

} // namespace paretix
