#include "NumberText.h"

#include "ErrorText.h"
#include "FloatEnv.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace calc {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of a validated number text without sign that from_chars reported out of range:
// glibc's from_chars refuses subnormal results as well as real overflows and underflows, while
// strtold (in the C locale, whatever the program's locale says of the decimal point) rounds
// each correctly to infinity, a subnormal or zero.
long double readOutOfRange(std::string_view body) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const std::string text(body);
    return strtold_l(text.c_str(), nullptr, cLocale);
}

} // namespace

std::optional<long double> readNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    // Mantissa: digits with at most one point, at least one digit; then an optional exponent.
    std::size_t i = 0, digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E')
            return std::nullopt;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t expStart = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == expStart || i != text.size())
            return std::nullopt;
    }

    long double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range)
        value = readOutOfRange(text);
    else if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

long double parseNumber(std::string_view text) {
    if (const auto value = readNumber(text))
        return *value;
    throw CalcError("'" + quotedText(text) + "' is not a valid floating point value");
}

std::string formatGeneral(long double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // 18 significant digits, the most an extended value carries, then half up to 15.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
    const std::string_view sci(buf, res.ptr - buf); // d.ddddddddddddddddde[+-]xx
    std::string digits;
    digits += sci[0];
    digits += sci.substr(2, 17);
    int exponent = std::stoi(std::string(sci.substr(sci.find('e') + 1)));

    digits.resize(15 + 1);
    const bool roundUp = digits[15] >= '5';
    digits.resize(15);
    if (roundUp) {
        int k = 14;
        while (k >= 0 && digits[k] == '9')
            digits[k--] = '0';
        if (k >= 0) {
            ++digits[k];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                out += digits;
                out.append(whole - digits.size(), '0');
            } else {
                out += digits.substr(0, whole);
                out += '.';
                out += digits.substr(whole);
            }
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

} // namespace calc
