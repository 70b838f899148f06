#include "core/model/numeri.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace paretix {

namespace {

bool Cifra(char c) {
    return c >= '0' && c <= '9';
}

// Parses a plain "digits.digits" text with optional exponent, as built by the callers.
std::optional<double> Leggi(std::string_view semplice, int esponenteStimato) {
    double valore = 0.0;
    const char* fine = semplice.data() + semplice.size();
    auto [ptr, ec] = std::from_chars(semplice.data(), fine, valore);
    if (ptr != fine) {
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range) {
        // Too small to represent is zero; too large is not a number.
        if (esponenteStimato < 0) {
            return semplice.front() == '-' ? -0.0 : 0.0;
        }
        return std::nullopt;
    }
    if (ec != std::errc() || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return valore;
}

// The digits of a plain decimal as an integer, and how many follow the comma. With at most 15
// significant digits and 22 decimals both the integer and the power of ten are exact doubles,
// so one division, rounded once as every operation is, gives the nearest double: what the full
// conversion gives, at a fraction of its cost.
struct Mantissa {
    static constexpr int CifreEsatte = 15;
    static constexpr int DecimaliEsatti = 22;
    static constexpr std::array<double, DecimaliEsatti + 1> Potenze{
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

    std::uint64_t Cifre = 0;
    int Significative = 0;
    int Decimali = 0;

    void Aggiungi(char c) {
        if (Significative > CifreEsatte) {
            return;
        }
        Cifre = Cifre * 10 + static_cast<std::uint64_t>(c - '0');
        Significative += Cifre != 0;
    }
    bool Esatta() const { return Significative <= CifreEsatte && Decimali <= DecimaliEsatti; }
    double Valore() const {
        // A whole number needs no division, and most typed numbers are whole.
        const double intero = static_cast<double>(Cifre);
        return Decimali == 0 ? intero : intero / Potenze[static_cast<std::size_t>(Decimali)];
    }
};

// A plain decimal as read: its sign and its digits.
struct DecimaleLetto {
    bool Negativo = false;
    Mantissa Cifre;

    double Valore() const { return Negativo ? -Cifre.Valore() : Cifre.Valore(); }
};

// Reads the text into d as a plain decimal, the way ConvertiNumero reads it (a sign, digits with
// digit-group points, a decimal comma and digits), and tells whether Mantissa holds it exactly;
// when not, the full reading decides. An out-parameter rather than an optional keeps the result
// in registers: this runs for every number of every calculation.
bool LetturaDecimaleSemplice(std::string_view t, DecimaleLetto& d) {
    std::size_t i = 0;
    d.Negativo = !t.empty() && t[0] == '-';
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        ++i;
    }
    Mantissa& m = d.Cifre;
    bool qualcheCifra = false;
    for (; i < t.size(); ++i) {
        if (Cifra(t[i])) {
            m.Aggiungi(t[i]);
            qualcheCifra = true;
        } else if (!(t[i] == '.' && qualcheCifra && i + 1 < t.size() && Cifra(t[i + 1]))) {
            break;
        }
    }
    if (i < t.size() && t[i] == ',') {
        for (++i; i < t.size() && Cifra(t[i]); ++i) {
            m.Aggiungi(t[i]);
            ++m.Decimali;
            qualcheCifra = true;
        }
    }
    return i == t.size() && qualcheCifra && m.Esatta();
}

// Writes the digits `cifre` (no leading or trailing zeros) of a number whose first digit has the
// decimal exponent `esponente`, in the general form with 15 significant digits: fixed from
// 1E-04 up to below 1E+15, otherwise with an exponent of at least two digits.
void AggiungiCifreFormaGenerale(std::string& testo, std::string_view cifre, int esponente) {
    if (esponente < -4 || esponente >= Mantissa::CifreEsatte) {
        testo.push_back(cifre.front());
        if (cifre.size() > 1) {
            testo.push_back(',');
            testo.append(cifre.substr(1));
        }
        testo.append(esponente < 0 ? "E-" : "E+");
        const int assoluto = esponente < 0 ? -esponente : esponente;
        if (assoluto < 10) {
            testo.push_back('0');
        }
        char numero[4];
        testo.append(numero, std::to_chars(numero, numero + sizeof numero, assoluto).ptr);
    } else if (esponente < 0) {
        testo.append("0,");
        testo.append(static_cast<std::size_t>(-esponente - 1), '0');
        testo.append(cifre);
    } else {
        const std::size_t intere = static_cast<std::size_t>(esponente) + 1;
        if (cifre.size() <= intere) {
            testo.append(cifre);
            testo.append(intere - cifre.size(), '0');
        } else {
            testo.append(cifre.substr(0, intere));
            testo.push_back(',');
            testo.append(cifre.substr(intere));
        }
    }
}

} // namespace

std::string_view TogliSpazi(std::string_view testo) {
    // A plain loop: most texts have no blank at all, and every number read passes here.
    std::size_t inizio = 0;
    std::size_t fine = testo.size();
    while (inizio < fine && testo[inizio] == ' ') {
        ++inizio;
    }
    while (fine > inizio && testo[fine - 1] == ' ') {
        --fine;
    }
    return testo.substr(inizio, fine - inizio);
}

std::optional<double> ConvertiNumero(std::string_view testo) {
    const std::string_view t = TogliSpazi(testo);
    if (DecimaleLetto d; LetturaDecimaleSemplice(t, d)) {
        return d.Valore();
    }
    // Written by index into room sized once: every number of every calculation passes here.
    std::string spazio(t.size(), '\0');
    std::size_t n = 0;
    const auto Scrivi = [&spazio, &n](char c) { spazio[n++] = c; };
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') {
            Scrivi('-');
        }
        ++i;
    }
    int cifreIntere = 0;  // significant digits before the decimal comma
    int zeriDecimali = 0; // zeros right after the comma while the integer part is zero
    bool qualcheCifra = false;
    bool soloZeri = true;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (Cifra(c)) {
            Scrivi(c);
            qualcheCifra = true;
            if (c != '0' || !soloZeri) {
                soloZeri = false;
                ++cifreIntere;
            }
        } else if (c == '.' && qualcheCifra && i + 1 < t.size() && Cifra(t[i + 1])) {
            continue; // a digit-group separator
        } else {
            break;
        }
    }
    if (i < t.size() && t[i] == ',') {
        Scrivi('.');
        ++i;
        for (; i < t.size() && Cifra(t[i]); ++i) {
            Scrivi(t[i]);
            qualcheCifra = true;
            if (soloZeri) {
                if (t[i] == '0') {
                    ++zeriDecimali;
                } else {
                    soloZeri = false;
                }
            }
        }
    }
    if (!qualcheCifra) {
        return std::nullopt;
    }
    long esponente = 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        Scrivi('e');
        ++i;
        bool negativo = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            negativo = t[i] == '-';
            Scrivi(t[i]);
            ++i;
        }
        const std::size_t inizioEsponente = i;
        for (; i < t.size() && Cifra(t[i]); ++i) {
            Scrivi(t[i]);
            if (esponente < 100000) {
                esponente = esponente * 10 + (t[i] - '0');
            }
        }
        if (i == inizioEsponente) {
            return std::nullopt;
        }
        if (negativo) {
            esponente = -esponente;
        }
    }
    if (i != t.size()) {
        return std::nullopt;
    }
    const long stima = esponente + (cifreIntere > 0 ? cifreIntere : -zeriDecimali);
    return Leggi(std::string_view(spazio.data(), n), static_cast<int>(stima));
}

double ConvertiNumeroOZero(std::string_view testo) {
    return ConvertiNumero(testo).value_or(0.0);
}

void AggiungiFormaGenerale(std::string& testo, double valore) {
    if (valore == 0.0) {
        testo.push_back('0');
        return;
    }
    // The longest form, "-2.22507385850720e-308", takes 22 characters. The point and the letters
    // are rewritten over the whole fixed-size buffer without a branch, which the compiler turns
    // into a few vector instructions, then the written part is appended at once.
    constexpr std::size_t Spazio = 32;
    char buffer[Spazio]{};
    auto [fine, ec] =
        std::to_chars(buffer, buffer + Spazio, valore, std::chars_format::general, 15);
    for (char& c : buffer) {
        c = c == '.' ? ',' : c;
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    testo.append(buffer, fine);
    (void)ec;
}

// The typed decimal T has at most 15 significant digits, and valore is T rounded to a double
// and divided by 10^spostamento: at most two roundings, each within 2^-53 of the value, so
// valore is within 2.3E-16 of T / 10^spostamento in relative terms. Half a unit of the 15th
// digit is at least 5E-16 of the value, so the 15-digit form of valore is T / 10^spostamento
// itself: the typed digits, with the comma moved. The check that valore is that quotient keeps
// every other value on the full conversion.
void AggiungiFormaGeneraleDigitata(std::string& testo, double valore, std::string_view digitato,
                                   int spostamento) {
    DecimaleLetto d;
    if (!LetturaDecimaleSemplice(TogliSpazi(digitato), d) || spostamento < 0 ||
        spostamento > Mantissa::DecimaliEsatti || valore == 0.0 ||
        d.Valore() / Mantissa::Potenze[static_cast<std::size_t>(spostamento)] != valore) {
        AggiungiFormaGenerale(testo, valore);
        return;
    }
    char cifre[24];
    char* fine = std::to_chars(cifre, cifre + sizeof cifre, d.Cifre.Cifre).ptr;
    int esponenteUltima = -d.Cifre.Decimali - spostamento;
    while (fine[-1] == '0') {
        --fine;
        ++esponenteUltima;
    }
    const std::string_view significative(cifre, static_cast<std::size_t>(fine - cifre));
    if (d.Negativo) {
        testo.push_back('-');
    }
    AggiungiCifreFormaGenerale(testo, significative,
                               esponenteUltima + static_cast<int>(significative.size()) - 1);
}

std::string FormaGenerale(double valore) {
    std::string testo;
    AggiungiFormaGenerale(testo, valore);
    return testo;
}

double LetturaNumeroIniziale(std::string_view testo) {
    std::size_t i = testo.find_first_not_of(' ');
    if (i == std::string_view::npos) {
        return 0.0;
    }
    std::string semplice;
    if (testo[i] == '+' || testo[i] == '-') {
        if (testo[i] == '-') {
            semplice.push_back('-');
        }
        ++i;
    }
    bool qualcheCifra = false;
    for (; i < testo.size() && Cifra(testo[i]); ++i) {
        semplice.push_back(testo[i]);
        qualcheCifra = true;
    }
    if (i < testo.size() && testo[i] == '.') {
        semplice.push_back('.');
        for (++i; i < testo.size() && Cifra(testo[i]); ++i) {
            semplice.push_back(testo[i]);
            qualcheCifra = true;
        }
    }
    if (!qualcheCifra) {
        return 0.0;
    }
    if (semplice.back() == '.') {
        semplice.pop_back();
    }
    double valore = 0.0;
    const auto [ptr, ec] =
        std::from_chars(semplice.data(), semplice.data() + semplice.size(), valore);
    (void)ptr;
    if (ec == std::errc::result_out_of_range || !std::isfinite(valore)) {
        return 0.0;
    }
    return valore;
}

std::string Decimali(double valore, int cifre) {
    // Room for the largest finite number written out in full.
    char buffer[400];
    const auto [fine, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, valore, std::chars_format::fixed, cifre);
    (void)ec;
    std::string testo(buffer, fine);
    for (char& c : testo) {
        if (c == '.') {
            c = ',';
        }
    }
    if (testo.starts_with('-') && testo.find_first_not_of("-0,") == std::string::npos) {
        testo.erase(0, 1);
    }
    return testo;
}

} // namespace paretix
