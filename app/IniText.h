#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The settings file's text, read and edited line by line as INI files behave on the platform the
// program comes from: section and key names compared without regard to ASCII case, blanks
// around names and values ignored, the first section and the first key of a name counting.
// Only bytes are handled, so any encoding whose ASCII bytes mean ASCII (UTF-8, GBK) passes.
namespace ini {

// Whether the bytes can be an INI text at all: no NUL byte and no UTF-16 or UTF-32 byte-order
// mark (such files are never rewritten).
bool isText(std::string_view bytes);

// The value of `key` in `section`, blanks around it and one pair of enclosing quotes removed;
// none when the section or key is absent.
std::optional<std::string_view> value(std::string_view text, std::string_view section,
                                      std::string_view key);

struct Entry {
    std::string key, value;
};

// One change to a text: `erase` bytes at `at` replaced by `insert`.
struct Edit {
    std::size_t at, erase;
    std::string insert;
};

// The changes that set each entry's key in `section`, in text order: an existing key's value
// replaced where it stands, a missing key added after the last key or header line of its
// section, a missing section added at the end of the text. Every other byte is kept; new lines
// end the way the text's first line does (CR LF or LF).
std::vector<Edit> edits(std::string_view text, std::string_view section,
                        const std::vector<Entry>& entries);

// `text` with those changes made.
std::string withValues(std::string_view text, std::string_view section,
                       const std::vector<Entry>& entries);

// An integer setting: decimal, or hexadecimal after "0x", "0X" or "$", optionally signed, blanks
// around it allowed; anything else (or beyond 32 bits) gives `fallback`.
int integer(std::string_view text, int fallback);

} // namespace ini
