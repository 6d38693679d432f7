// Number texts: reading never misbehaves, a formatted value reads back to the same text, and
// the error box shows any offending text visibly and boundedly.
#include "ErrorText.h"
#include "FloatEnv.h"
#include "NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

// The shown text holds no control character but line breaks, and no direction character.
void checkShown(const std::string& shown) {
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto c = static_cast<unsigned char>(shown[i]);
        check(c >= 0x20 || c == '\n');
        check(c != 0x7F);
        if (c == 0xE2 && i + 2 < shown.size()) // U+2000 to U+2FFF
            check(!(shown[i + 1] == '\x80' && static_cast<unsigned char>(shown[i + 2]) >= 0xAA &&
                    static_cast<unsigned char>(shown[i + 2]) <= 0xAE));
    }
    // 400 characters of at most 6 bytes each as escapes, a line break per 60, "…" and ".".
    check(shown.size() <= calc::kMessageChars * 6 + calc::kMessageChars / 10 + 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<long double> value = calc::readNumber(text);
    if (!value) {
        try {
            calc::parseNumber(text);
            check(false);
        } catch (const calc::CalcError& e) {
            checkShown(calc::errorBoxText(e.what()));
        }
        return 0;
    }
    check(!std::isnan(*value));
    const std::string formatted = calc::formatGeneral(*value);
    if (std::isinf(*value)) {
        check(formatted == "INF" || formatted == "-INF");
        return 0;
    }
    const std::optional<long double> back = calc::readNumber(formatted);
    check(back.has_value());
    check(calc::formatGeneral(*back) == formatted);
    check(std::signbit(*back) == (formatted.front() == '-'));
    return 0;
}
