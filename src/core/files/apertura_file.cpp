#include "core/files/apertura_file.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_set>

#include "core/files/dati_aggiuntivi.h"
#include "core/files/formato_esercizio.h"
#include "core/files/lettura_file.h"
#include "core/files/righe.h"
#include "core/files/win1252.h"
#include "core/model/a_capo.h"
#include "core/model/camera_aria.h"
#include "core/model/numeri.h"

namespace paretix {

namespace {

inline constexpr const char* ImpossibileLeggere = "Impossibile leggere il file";
inline constexpr const char* FileNonValido =
    "File esercizio non valido o formato del file non supportato.";
inline constexpr const char* SoloVersione1 = "Si possono aprire soltanto file versione 1.00";
// Added after the other lines when one line of the additional data is wrong.
inline constexpr const char* PrefissoRigaNonValida = "Dato non valido alla riga ";
// Or when the file could not be read, or is of a later version, the cause.
inline constexpr const char* CausaAssente = "Il file non esiste.";
inline constexpr const char* CausaCartella = "Il percorso è una cartella, non un file.";
inline constexpr const char* CausaNonRegolare = "Il percorso non è un file ordinario.";
inline constexpr const char* CausaNonPermesso = "Non si ha il permesso di leggere il file.";
inline constexpr const char* CausaTroppoGrande = "Il file supera i 16 MB: non è un esercizio.";
inline constexpr const char* CausaErroreLettura = "Errore di lettura del file.";
inline constexpr const char* CausaVersioneSuccessiva =
    "Il file è stato scritto da una versione successiva di Paretix LT (versione ";
// The last version this program reads.
constexpr double UltimaVersione = 2;

// Reads the file one line at a time. Once a line is missing every later read fails too, so a
// field is only ever set from the line that belongs to it.
class Lettore {
  public:
    explicit Lettore(std::string_view contenuto) : righe_(contenuto) {}

    std::optional<std::string> Riga() {
        const auto riga = Grezza();
        if (!riga) {
            return std::nullopt;
        }
        return Win1252AUtf8(*riga);
    }
    // The number of the last line read, from 1.
    int NumeroRiga() const { return numeroRiga_; }

    // Title and separator lines are dropped unread.
    void Salta(int righe) {
        for (int i = 0; i < righe; ++i) {
            Grezza();
        }
    }
    void Testo(std::string& campo) {
        if (auto riga = Riga()) {
            campo = std::move(*riga);
        }
    }
    // An on/off value: any non-zero number is on.
    std::optional<bool> SiNo() {
        const auto riga = Riga();
        if (!riga) {
            return std::nullopt;
        }
        const auto numero = ConvertiNumero(*riga);
        if (!numero) {
            return std::nullopt;
        }
        return *numero != 0.0;
    }
    void SiNo(bool& campo) {
        if (const auto valore = SiNo()) {
            campo = *valore;
        }
    }
    // A colour: a number rounded to a 32-bit integer; blanks around it do not matter.
    void Colore(std::int32_t& campo) {
        const auto riga = Riga();
        if (!riga) {
            return;
        }
        const auto numero = ConvertiNumero(*riga);
        if (!numero) {
            return;
        }
        const double intero = std::nearbyint(*numero);
        if (intero >= std::numeric_limits<std::int32_t>::min() &&
            intero <= std::numeric_limits<std::int32_t>::max()) {
            campo = static_cast<std::int32_t>(intero);
        }
    }

  private:
    std::optional<std::string_view> Grezza() {
        if (finito_) {
            return std::nullopt;
        }
        const auto riga = righe_.Prossima();
        finito_ = !riga;
        if (riga) {
            ++numeroRiga_;
        }
        return riga;
    }

    LettoreRighe righe_;
    bool finito_ = false;
    int numeroRiga_ = 0;
};

void LeggiCasella(Lettore& l, Casella& c) {
    l.Salta(1); // title
    l.Testo(c.Testo);
    l.Testo(c.Suggerimento);
    l.Colore(c.ColoreSfondo);
    l.SiNo(c.Bloccato);
    l.Salta(1); // separator
}

void LeggiStrato(Lettore& l, Strato& s) {
    l.Salta(2); // separator, title
    l.Testo(s.TipoStrato);
    l.Testo(s.Materiale);
    l.Colore(s.ColoreTipo);
    l.Salta(1);
    LeggiCasella(l, s.Densità);
    l.Salta(1);
    l.Testo(s.Spessore.Testo);
    l.Testo(s.Spessore.Suggerimento);
    l.Salta(1);
    LeggiCasella(l, s.Conduttività);
    LeggiCasella(l, s.Permeabilità);
    LeggiCasella(l, s.FatAssorbimento);
}

// The layer count of line 10: a whole number from 1 to 15.
std::optional<int> NumeroStratiValido(const std::optional<std::string>& riga) {
    if (!riga) {
        return std::nullopt;
    }
    const auto numero = ConvertiNumero(*riga);
    if (!numero || *numero < 1 || *numero > NumeroStratiMax || *numero != std::floor(*numero)) {
        return std::nullopt;
    }
    return static_cast<int>(*numero);
}

// The state every opened exercise starts from, whatever the file said about the boxes.
void StatoAperto(Esercizio& e) {
    if (e.Igrometrico) {
        e.Termico = true;
    }
    for (Strato& s : e.Strati) {
        // The file stores no colour nor read-only flag for the thickness: it is always typed.
        s.Spessore.ColoreSfondo = ColoreFinestra;
        s.Spessore.Bloccato = false;
        s.StileRiempimento = RiempimentoTratteggio;
        s.ConduttivitàVisibile = e.Termico;
        s.FatAssorbimentoVisibile = false;
    }
    for (int k = 1; k <= e.NumeroStrati(); ++k) {
        if (TogliSpazi(e.strato(k).TipoStrato) == TipoCameraAria) {
            CameraAria1(e, k);
        } else {
            e.strato(k).TipoStrato = TipoMateriale;
        }
    }
}

// The section of the additional data, from its title to its separator. Nothing when it is
// whole and right, otherwise the number of the wrong line, or 0 when the title is missing. A file
// that ends before the title has no additional data; one that ends inside the section lacks its
// separator, the line after the last.
std::optional<int> LeggiDatiAggiuntivi(Lettore& l, Esercizio& e) {
    const auto titolo = l.Riga();
    if (!titolo) {
        return std::nullopt;
    }
    if (*titolo != TitoloDatiAggiuntivi) {
        return 0; // no section at all: the file is not of version 2
    }
    // A set, so that a file of many unknown keys reads in linear time.
    std::unordered_set<std::string> chiavi;
    while (true) {
        const auto riga = l.Riga();
        if (!riga) {
            return l.NumeroRiga() + 1;
        }
        if (*riga == SeparatoreEsercizio) {
            return std::nullopt;
        }
        auto chiave = ApplicaRigaDatiAggiuntivi(e, *riga);
        if (!chiave || !chiavi.insert(std::move(*chiave)).second) {
            return l.NumeroRiga();
        }
    }
}

const char* Causa(MotivoLettura motivo) {
    switch (motivo) {
    case MotivoLettura::Assente:
        return CausaAssente;
    case MotivoLettura::Cartella:
        return CausaCartella;
    case MotivoLettura::NonRegolare:
        return CausaNonRegolare;
    case MotivoLettura::NonPermesso:
        return CausaNonPermesso;
    case MotivoLettura::TroppoGrande:
        return CausaTroppoGrande;
    case MotivoLettura::Errore:
        break;
    }
    return CausaErroreLettura;
}

// The version of line 2 when it is a whole number above the last one this program reads
// ("1.00" reads 100 as a number with digit groups: no version of the program's own).
std::optional<double> VersioneSuccessiva(std::string_view contenuto) {
    LettoreRighe righe(contenuto);
    righe.Prossima();
    const auto riga = righe.Prossima();
    if (!riga || riga->find_first_of(".,") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto versione = ConvertiNumero(*riga);
    if (versione && *versione > UltimaVersione) {
        return versione;
    }
    return std::nullopt;
}

std::string ConCausa(const std::string& NomeFile, const std::string& causa) {
    return MessaggioErroreDiApertura(NomeFile) + ACapo + causa;
}

} // namespace

std::string MessaggioErroreDiApertura(const std::string& NomeFile) {
    return NomeFile + ACapo + ImpossibileLeggere + ACapo + FileNonValido + ACapo + SoloVersione1;
}

std::string MessaggioErroreDiApertura(const std::string& NomeFile, int riga) {
    return MessaggioErroreDiApertura(NomeFile) + "\r\n" + PrefissoRigaNonValida +
           std::to_string(riga);
}

bool LetturaEsercizio(std::string_view contenuto, Esercizio& e) {
    int riga = 0;
    return LetturaEsercizio(contenuto, e, riga);
}

bool LetturaEsercizio(std::string_view contenuto, Esercizio& e, int& RigaNonValida) {
    RigaNonValida = 0;
    Lettore l(contenuto);
    l.Salta(1);
    const auto versione = l.Riga();
    const double numeroVersione =
        versione ? ConvertiNumero(*versione).value_or(0.0) : 0.0; // 0: no version
    l.Salta(2);
    const auto termico = l.SiNo();
    const auto igrometrico = l.SiNo();
    const auto acustico = l.SiNo();
    l.Salta(2);
    const auto numeroStrati = NumeroStratiValido(l.Riga());
    const bool versione2 = numeroVersione == 2.0;
    if ((numeroVersione != 1.0 && !versione2) || !numeroStrati) {
        e = Esercizio{};
        return false;
    }
    if (termico) {
        e.Termico = *termico;
    }
    if (igrometrico) {
        e.Igrometrico = *igrometrico;
    }
    if (acustico) {
        e.Acustico = *acustico;
    }
    e.Strati.resize(static_cast<std::size_t>(*numeroStrati));
    // The additional data come from the file's own section only, never from before.
    e.Verifiche = DatiVerifiche{};
    for (Strato& s : e.Strati) {
        s.Intonaco = false;
        s.CaloreSpecifico.clear();
    }

    l.Salta(2);
    l.Testo(e.LiminariInterno);
    l.Testo(e.LiminariEsterno);
    l.Salta(2);
    l.Testo(e.TInterna);
    l.Testo(e.TEsterna);
    l.Salta(2);
    l.Testo(e.UInterna);
    l.Testo(e.UEsterna);
    l.Salta(2);
    // The unit comes before the value: a file that ends in between leaves the value at zero
    // rather than carry over a number meant for another unit.
    e.DistSonoro = "0";
    if (l.SiNo().value_or(false)) {
        e.UnitaDistSonoro = UnitaSuono::Decibel;
    }
    if (l.SiNo().value_or(false)) {
        e.UnitaDistSonoro = UnitaSuono::Watt;
    }
    l.Testo(e.DistSonoro);
    l.Salta(1);

    for (Strato& s : e.Strati) {
        LeggiStrato(l, s);
    }
    StatoAperto(e);
    if (versione2) {
        if (const auto errata = LeggiDatiAggiuntivi(l, e)) {
            RigaNonValida = *errata;
            e = Esercizio{};
            return false;
        }
    }

    l.Salta(1); // notes title
    if (auto appunti = l.Riga()) {
        while (const auto riga = l.Riga()) {
            appunti->append(ACapo);
            appunti->append(*riga);
        }
        e.Appunti = std::move(*appunti);
    }
    return true;
}

std::optional<std::string> AperturaFile(const std::string& NomeFile, Esercizio& e) {
    MotivoLettura motivo{};
    const auto contenuto = LeggiFile(NomeFile, DimensioneMassimaFileEsercizio, motivo);
    int riga = 0;
    if (contenuto && LetturaEsercizio(*contenuto, e, riga)) {
        return std::nullopt;
    }
    e = Esercizio{};
    if (!contenuto) {
        return ConCausa(NomeFile, Causa(motivo));
    }
    if (riga > 0) {
        return MessaggioErroreDiApertura(NomeFile, riga);
    }
    if (const auto versione = VersioneSuccessiva(*contenuto)) {
        return ConCausa(NomeFile, CausaVersioneSuccessiva + FormaGenerale(*versione) + ").");
    }
    return MessaggioErroreDiApertura(NomeFile);
}

} // namespace paretix
