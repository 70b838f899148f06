#pragma once
// The program's number texts. Numbers are typed and shown the Italian way, whatever the
// system locale: decimal comma, full stop as digit-group separator.

#include <optional>
#include <string>
#include <string_view>

namespace paretix {

// Text to number: optional blanks at both ends, an optional sign, digits in which a "."
// between two digits only groups them, an optional "," with decimals, an optional exponent.
// Anything else, or a value that is not finite, is not a number.
std::optional<double> ConvertiNumero(std::string_view testo);

// Like ConvertiNumero, but a text that is not a number reads as 0. Used where a run reads a
// box that validation did not test because it is hidden.
double ConvertiNumeroOZero(std::string_view testo);

// The general number form: up to 15 significant digits, decimal comma, no grouping, no
// trailing zeros, exponent as "E-06"; a negative zero is "0".
std::string FormaGenerale(double valore);

// valore with cifre decimals after the comma, rounded; never "-0". For the figures of the
// compliance checks and their chart, written as an engineer writes them.
std::string Decimali(double valore, int cifre);

// Appends the general number form of valore to testo, without a temporary string.
void AggiungiFormaGenerale(std::string& testo, double valore);

// The same for a number read from a typed text: when valore is the number in `digitato` divided
// by 10^spostamento, its digits are copied from the text instead of converted again.
void AggiungiFormaGeneraleDigitata(std::string& testo, double valore, std::string_view digitato,
                                   int spostamento);

// The leading-number reading of spin buttons and labels: leading blanks skipped, then an
// optional sign, digits and an optional "." with digits; it stops at the first other
// character. No digits read as 0, so "20,5" reads 20.
double LetturaNumeroIniziale(std::string_view testo);

// Removes blanks (spaces only) at both ends.
std::string_view TogliSpazi(std::string_view testo);

} // namespace paretix
