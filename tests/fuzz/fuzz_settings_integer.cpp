// Reading the position from any settings file: never misbehaves, and a value read is what an
// integer setting of that text says.
#include "IniText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char* key : {"Left", "Top"}) {
        const auto value = ini::value(text, "MainForm", key);
        const int n = value ? ini::integer(*value, 217) : 217;
        // Whatever was read is a decimal or hexadecimal integer that reads back the same.
        if (value && n != 217 && ini::integer(std::to_string(n), -1) != n)
            std::abort();
    }
    ini::integer(text, 0);
    return 0;
}
