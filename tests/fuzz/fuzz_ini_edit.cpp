// The settings file editor on any text: every line of the file is kept (only the values of the
// keys it sets change), what it wrote reads back, and a second edit changes nothing.
#include "IniText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

// The lines of a text without their LF (a CR before it stays).
std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t begin = 0; begin < text.size();) {
        const std::size_t lf = text.find('\n', begin);
        const std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        out.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!ini::isText(text))
        return 0;
    const std::vector<ini::Entry> entries{
        {"Left", "5"}, {"Top", "-6"}, {"Width", "700"}, {"Height", "80"}, {"PageIndex", "1"}};
    const std::string edited = ini::withValues(text, "MainForm", entries);
    for (const ini::Entry& e : entries) {
        const auto value = ini::value(edited, "MainForm", e.key);
        check(value && *value == e.value);
    }
    check(ini::withValues(edited, "MainForm", entries) == edited);

    // Each old line is found, in order, among the new ones: unchanged (a last line may have
    // gained its CR LF), or, for a line whose value was set, unchanged up to its "=" and then
    // the new value. The lines in between are the keys, blank line and section added.
    const auto kept = [](std::string_view old, std::string_view now) {
        if (now == old || (now.size() == old.size() + 1 && now.substr(0, old.size()) == old &&
                           now.back() == '\r'))
            return true;
        const std::size_t eq = old.find('=');
        return eq != std::string_view::npos && now.substr(0, eq + 1) == old.substr(0, eq + 1) &&
               now.substr(eq + 1).find_first_not_of(" \t\r-0123456789") == std::string_view::npos;
    };
    // A byte-order mark stays in front of everything.
    const std::string_view bom = "\xEF\xBB\xBF";
    const std::size_t skip = text.substr(0, 3) == bom ? 3 : 0;
    check(std::string_view(edited).substr(0, skip) == text.substr(0, skip));
    const std::vector<std::string_view> before = lines(text.substr(skip)),
                                        after = lines(std::string_view(edited).substr(skip));
    std::size_t j = 0;
    for (std::string_view line : before) {
        while (j < after.size() && !kept(line, after[j]))
            ++j;
        check(j < after.size());
        ++j;
    }
    check(after.size() <= before.size() + entries.size() + 2);
    return 0;
}
