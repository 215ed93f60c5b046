#include "document/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

// The "C" locale, so that a decimal comma of the user's locale never reaches
// the file. Made once and kept for the life of the program.
locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// The conversions below hand strtod and strtol a terminated copy: the text
// may be a view into a longer line.
struct Terminated {
    explicit Terminated(std::string_view text)
    {
        if (text.size() < sizeof(small)) {
            text.copy(small, text.size());
            small[text.size()] = '\0';
            str = small;
        } else {
            big.assign(text);
            str = big.c_str();
        }
    }
    char small[64];
    std::string big;
    const char* str;
};

std::string ToChars(double value, std::chars_format format, int precision)
{
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value, format, precision);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string FormatNumber(float value) { return ToChars(static_cast<double>(value), std::chars_format::general, 6); }

std::string FormatFixed3(float value) { return ToChars(static_cast<double>(value), std::chars_format::fixed, 3); }

std::string FormatInt(long long value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
    return std::string(buffer, result.ptr);
}

namespace {

// A plain decimal number ("-12.5", "3e2") that from_chars reads exactly as
// the C library would; anything else (spaces, '+', hex, words) goes there.
bool PlainDecimal(std::string_view text)
{
    const std::size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
    // One pass for the x of a hexadecimal number: find_first_of would search
    // its set of two once per character, and files of many samples are read
    // here a value at a time.
    return first < text.size() && text[first] >= '0' && text[first] <= '9'
        && std::none_of(text.begin() + static_cast<std::ptrdiff_t>(first), text.end(),
            [](char c) { return c == 'x' || c == 'X'; });
}

} // namespace

bool ScanFloat(std::string_view text, float& value)
{
    // Files of many samples are mostly such numbers; from_chars rounds them
    // exactly as strtof does, without a copy of the text.
    if (PlainDecimal(text)) {
        float parsed = 0;
        const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
        if (error == std::errc() && std::isfinite(parsed)) {
            value = parsed;
            return true;
        }
    }
    const Terminated t(text);
    char* end = nullptr;
    const float parsed = strtof_l(t.str, &end, CLocale());
    // Infinities and NaNs (also from overflowing exponents) count as no
    // number: no document value may be one.
    if (end == t.str || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool ScanInt(std::string_view text, int& value, int base)
{
    if (base == 10 && PlainDecimal(text)) {
        long long parsed = 0;
        const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
        if (error == std::errc() && parsed >= INT_MIN && parsed <= INT_MAX) {
            value = static_cast<int>(parsed);
            return true;
        }
    }
    const Terminated t(text);
    char* end = nullptr;
    long long parsed = strtoll_l(t.str, &end, base, CLocale());
    if (end == t.str)
        return false;
    if (base == 16) {
        // "%x" stores into an unsigned int: keep the low 32 bits.
        value = static_cast<int>(static_cast<unsigned int>(static_cast<unsigned long long>(parsed)));
        return true;
    }
    if (parsed > INT_MAX)
        parsed = INT_MAX;
    else if (parsed < INT_MIN)
        parsed = INT_MIN;
    value = static_cast<int>(parsed);
    return true;
}

float ParseFloat(std::string_view text)
{
    float value = 0.0f;
    return ScanFloat(text, value) ? value : 0.0f;
}

int ParseInt(std::string_view text)
{
    int value = 0;
    return ScanInt(text, value) ? value : 0;
}

int ParseWholeNumber(std::string_view text)
{
    const Terminated t(text);
    const char* p = t.str;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    if (*p == '+' || *p == '-')
        ++p;
    // Only plain decimal forms take the floating-point road; "0x..", "inf"
    // and "nan" read as "%d" reads them.
    if ((*p >= '0' && *p <= '9') || *p == '.') {
        char* end = nullptr;
        const double value = strtod_l(t.str, &end, CLocale());
        const std::string_view used(t.str, static_cast<std::size_t>(end - t.str));
        if (end != t.str && used.find_first_of("xX") == std::string_view::npos && std::isfinite(value)) {
            if (value >= static_cast<double>(INT_MAX))
                return INT_MAX;
            if (value <= static_cast<double>(INT_MIN))
                return INT_MIN;
            return static_cast<int>(value);
        }
    }
    return ParseInt(text);
}

std::string NormalizeDecimal(std::string_view text, bool decimalComma)
{
    const bool commaIsDecimal = decimalComma && text.find('.') == std::string_view::npos;
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c != ',')
            out += c;
        else if (commaIsDecimal)
            out += '.';
    }
    return out;
}

float ParseTypedNumber(std::string_view text) { return ParseFloat(NormalizeDecimal(text)); }

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Every comma follows a digit and stands before exactly three digits.
bool CommasGroupThousands(std::string_view text)
{
    const auto digit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    for (std::size_t i = text.find(','); i != std::string_view::npos; i = text.find(',', i + 1)) {
        if (i == 0 || !digit(i - 1) || !digit(i + 1) || !digit(i + 2) || !digit(i + 3) || digit(i + 4))
            return false;
    }
    return true;
}

} // namespace

bool ScanWholeNumber(std::string_view text, float& value, bool decimalComma)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.back() == '%')
        text.remove_suffix(1);
    if (text.empty())
        return false;
    // Without a comma the text is its own plain form; most values of a big
    // file are read here, as strtof would, without a copy.
    if (text.find(',') == std::string_view::npos && PlainDecimal(text)) {
        float parsed = 0;
        const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
        if (error == std::errc() && ptr == text.data() + text.size() && std::isfinite(parsed)) {
            value = parsed;
            return true;
        }
    }
    const bool commaIsDecimal = decimalComma && text.find('.') == std::string_view::npos;
    if (!commaIsDecimal && !CommasGroupThousands(text))
        return false;
    const std::string plain = NormalizeDecimal(text, decimalComma);
    char* end = nullptr;
    const float parsed = strtof_l(plain.c_str(), &end, CLocale());
    if (end != plain.c_str() + plain.size() || end == plain.c_str() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}
