#include "ErrorText.h"

#include <algorithm>
#include <utility>

namespace calc {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// Characters that change how the text around them is drawn, or are not drawn at all.
bool isHidden(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x180E ||
           (c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFB);
}

// The code point starting text[i] and its length in bytes; length 0 for a byte that does not
// start a well-formed UTF-8 sequence (overlong forms and surrogates included).
std::pair<char32_t, std::size_t> decode(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80)
        return {b0, 1};
    std::size_t length = 0;
    char32_t c = 0, least = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF)
        length = 2, c = b0 & 0x1F, least = 0x80;
    else if (b0 >= 0xE0 && b0 <= 0xEF)
        length = 3, c = b0 & 0x0F, least = 0x800;
    else if (b0 >= 0xF0 && b0 <= 0xF4)
        length = 4, c = b0 & 0x07, least = 0x10000;
    else
        return {0, 0};
    if (i + length > text.size())
        return {0, 0};
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return {0, 0};
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {0, 0};
    return {c, length};
}

// Inserts line breaks into runs of more than kLineChars characters without a blank or Chinese
// character, after the
// run's last "/" when there is one, so that a long path or number wraps inside the box instead
// of being cut off at its edge.
std::string breakLongRuns(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / kLineChars + 1);
    std::size_t runStart = 0, runChars = 0;
    std::size_t slash = std::string::npos; // position in `out` after the run's last "/"
    for (std::size_t i = 0; i < text.size();) {
        const auto [code, decoded] = decode(text, i);
        const std::size_t length = std::max<std::size_t>(decoded, 1);
        const char c = text[i];
        // A line may break at a blank and next to any Chinese character.
        const bool breakable = c == ' ' || c == '\n' || (code >= 0x2E80 && code <= 0xFFEF);
        if (breakable) {
            runStart = out.size() + length;
            runChars = 0;
            slash = std::string::npos;
        } else if (runChars == kLineChars) {
            const std::size_t at = slash != std::string::npos ? slash : out.size();
            out.insert(at, 1, '\n');
            runStart = at + 1;
            runChars = 0;
            for (std::size_t k = runStart; k < out.size();
                 k += std::max<std::size_t>(decode(out, k).second, 1))
                ++runChars;
            slash = std::string::npos;
        }
        out.append(text, i, length);
        if (!breakable)
            ++runChars;
        if (c == '/')
            slash = out.size();
        i += length;
    }
    return out;
}

} // namespace

std::string visibleText(std::string_view text, std::size_t maxChars) {
    std::string out;
    out.reserve(std::min(text.size(), maxChars * 4) + 8);
    std::size_t i = 0;
    for (std::size_t chars = 0; i < text.size() && chars < maxChars; ++chars) {
        const auto [c, length] = decode(text, i);
        if (length == 0 || c < 0x100) {
            if (length == 0 || isHidden(c)) {
                const auto b = static_cast<unsigned char>(length == 0 ? text[i] : c);
                out += "\\x";
                out += kHex[b >> 4];
                out += kHex[b & 0xF];
            } else {
                out.append(text.substr(i, length));
            }
            i += length == 0 ? 1 : length;
            continue;
        }
        if (isHidden(c)) {
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(c >> shift) & 0xF];
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    if (i < text.size())
        out += "…";
    return out;
}

std::string quotedText(std::string_view text) {
    return visibleText(text, kQuotedChars);
}

std::string errorBoxText(std::string_view message) {
    std::string out = breakLongRuns(visibleText(message, kMessageChars));
    // Any byte of a multi-byte character sorts after ".".
    if (!out.empty() && static_cast<unsigned char>(out.back()) > '.')
        out += '.';
    return out;
}

} // namespace calc
