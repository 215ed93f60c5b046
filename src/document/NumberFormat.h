#pragma once

#include <string>
#include <string_view>

// Number conversions of the plot file and the sample table. They behave as
// the C library's printf and sscanf conversions in the "C" locale, whatever
// locale the program runs in.

// "%g": six significant digits, no trailing zeros, exponent form from 1e+06
// up or below 1e-04.
std::string FormatNumber(float value);
// "%.3f", as sample components are written.
std::string FormatFixed3(float value);
// "%d".
std::string FormatInt(long long value);

// "%f": leading white space, a decimal (or hexadecimal) number; text after
// it is ignored. 0 when the text holds no number. Infinities and NaNs
// (also "1e999") count as no number.
float ParseFloat(std::string_view text);
// "%d": leading white space, an optionally signed decimal integer; 0 when
// the text holds no number. Values beyond the int range are clamped.
int ParseInt(std::string_view text);

// The same conversions reporting whether the text held a number; value is
// left unchanged when it did not.
bool ScanFloat(std::string_view text, float& value);
// base 10 for "%d", 0 for "%i" (0x prefix hexadecimal, leading 0 octal),
// 16 for "%x".
bool ScanInt(std::string_view text, int& value, int base = 10);

// "%d" for whole numbers that may have been written in fraction or exponent
// form ("1e+06", "2.5"): such a number is read whole and truncated toward
// zero. Clamped to the int range; 0 when the text holds no number.
int ParseWholeNumber(std::string_view text);

// A component as a person types or pastes it, whatever the locale it was
// written in. With decimalComma, a comma in a text without a point is the
// decimal mark ("12,5" is 12.5); otherwise, and in a text that also holds a
// point, commas are thousands separators ("1,234.5" is 1234.5). Then "%f".
std::string NormalizeDecimal(std::string_view text, bool decimalComma = true);
float ParseTypedNumber(std::string_view text);
// The whole text, blanks around it and a trailing '%' aside, is one finite
// number after NormalizeDecimal; thousands separators must then stand
// between groups of three digits. value is left unchanged when it is not.
bool ScanWholeNumber(std::string_view text, float& value, bool decimalComma);
