#pragma once
// Small text rules shared by the whole program: number display and input, blank test,
// letter normalisation, and the Windows-1252 conversion used at the file boundary.

#include <optional>
#include <string>
#include <string_view>

namespace marklow {

// The general number format with 3 significant digits, rounded half away from zero on the
// shortest decimal form of the double (85.25 gives 85.3, as a teacher rounds).
std::string FormatNumber(double value);

// The shortest text that ConvertNumber reads back as the same double ("99.04",
// "86.66666666666667").
std::string ExactNumberText(double value);
// The same without an exponent, for a spreadsheet or text editor: "0.00001", not "1e-05".
// Values that are not finite give an empty text.
std::string ExactPlainNumberText(double value);

// The standard decimal conversion of the whole text: optional sign, digits, optional "."
// and fraction, optional exponent. Returns nothing when the text does not convert entirely.
std::optional<double> ConvertNumber(std::string_view text);

// ConvertNumber of the text without its surrounding blanks, or 0 when it is not a number.
double ParseNumber(std::string_view text);

// The number that FormatNumber(value) shows: value rounded to 3 significant digits. What a
// field showing numbers that way stores, so no digit is kept that the teacher cannot see.
// Values that are not finite come back as they are.
double ShownNumber(double value);

// Empty, or blanks only.
bool IsBlank(std::string_view text);

// Upper case (a-z only), blanks removed from both ends.
std::string NormalizeLetter(std::string_view text);

// Blanks removed from both ends.
std::string_view TrimBlanks(std::string_view text);

// UTF-8 <-> Windows-1252. The encoder reports whether any character had no Windows-1252
// form (such characters become '?').
// Whether every byte is ASCII (nearly every text of a gradebook is).
bool IsAscii(std::string_view s);
std::string Utf8ToCp1252(std::string_view utf8, bool* lost = nullptr);
std::string Cp1252ToUtf8(std::string_view cp1252);

// The longest start of the text whose Windows-1252 form takes at most maxBytes bytes, cut
// between characters (each character is one byte there, a malformed byte too).
std::string_view CutToFileText(std::string_view utf8, size_t maxBytes);

// A name taken from pasted text: control characters become blanks, bytes that are not UTF-8
// become "?", blanks around it go, and it is cut to what a file's short text holds.
std::string CleanPastedName(std::string_view text, size_t maxBytes = 255);

// Today's date as a day number (days since 1899-12-30), time of day 0.
double TodayDate();

} // namespace marklow
