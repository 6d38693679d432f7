#include "IniText.h"

#include <algorithm>
#include <cstdint>

namespace ini {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A stray CR counts as a blank, so a value keeps reading the same whatever ends its line.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

// One line of the text: [begin, end) without its CR LF or LF, `next` where the following line
// starts.
struct Line {
    std::size_t begin, end, next;
};

enum class Kind { Blank, Comment, Section, Key, Other };

struct Parsed {
    Kind kind;
    std::string_view name;  // section or key name
    std::size_t valueBegin; // Key: offset in the text of the value, blanks before it skipped
};

Parsed parse(std::string_view text, const Line& line) {
    std::size_t begin = line.begin;
    if (begin == 0 && text.substr(0, 3) == kUtf8Bom)
        begin = std::min<std::size_t>(3, line.end);
    const std::string_view content = text.substr(begin, line.end - begin);
    const std::string_view t = trimmed(content);
    if (t.empty())
        return {Kind::Blank, {}, 0};
    if (t.front() == ';')
        return {Kind::Comment, {}, 0};
    if (t.front() == '[') {
        const std::size_t close = t.rfind(']');
        if (close != std::string_view::npos)
            return {Kind::Section, trimmed(t.substr(1, close - 1)), 0};
    }
    const std::size_t eq = content.find('=');
    if (eq == std::string_view::npos)
        return {Kind::Other, {}, 0};
    std::size_t valueBegin = begin + eq + 1;
    while (valueBegin < line.end && isBlank(text[valueBegin]))
        ++valueBegin;
    return {Kind::Key, trimmed(content.substr(0, eq)), valueBegin};
}

// Calls f(line) for every line of the text, in order, until it returns false.
template <class F> void forEachLine(std::string_view text, F&& f) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t lf = text.find('\n', begin);
        const std::size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
        std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        if (end > begin && text[end - 1] == '\r')
            --end;
        if (!f(Line{begin, end, next}))
            return;
        begin = next;
    }
}

} // namespace

bool isText(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos)
        return false;
    // UTF-16 (and UTF-32) files begin with FF FE or FE FF.
    return !(bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF");
}

std::optional<std::string_view> value(std::string_view text, std::string_view section,
                                      std::string_view key) {
    std::optional<std::string_view> found;
    bool inSection = false, sectionSeen = false;
    forEachLine(text, [&](const Line& line) {
        const Parsed p = parse(text, line);
        if (p.kind == Kind::Section) {
            if (sectionSeen)
                return false; // only the first section of the name counts
            inSection = sectionSeen = sameName(p.name, section);
        } else if (inSection && p.kind == Kind::Key && sameName(p.name, key)) {
            std::string_view v = trimmed(text.substr(p.valueBegin, line.end - p.valueBegin));
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.substr(1, v.size() - 2);
            found = v;
            return false;
        }
        return true;
    });
    return found;
}

std::vector<Edit> edits(std::string_view text, std::string_view section,
                        const std::vector<Entry>& entries) {
    const std::size_t firstLf = text.find('\n');
    const std::string_view eol =
        firstLf != std::string_view::npos && firstLf > 0 && text[firstLf - 1] == '\r' ? "\r\n"
                                                                                      : "\n";

    // Where each entry's value stands ([begin, end) of the text), and where missing keys go.
    struct Span {
        std::size_t begin = std::string_view::npos, end = 0;
    };
    std::vector<Span> spans(entries.size());
    bool inSection = false, sectionSeen = false;
    std::size_t insertAt = std::string_view::npos; // after the section's last key or header
    bool insertAtLineEnd = false;                  // that line has no line end: one comes first
    forEachLine(text, [&](const Line& line) {
        const Parsed p = parse(text, line);
        if (p.kind == Kind::Section) {
            if (sectionSeen)
                return false;
            inSection = sectionSeen = sameName(p.name, section);
        }
        if (!inSection)
            return true;
        if (p.kind == Kind::Key) {
            for (std::size_t i = 0; i < entries.size(); ++i)
                if (spans[i].begin == std::string_view::npos && sameName(p.name, entries[i].key)) {
                    // Blanks after the value stay as they are, like any foreign byte.
                    std::size_t end = line.end;
                    while (end > p.valueBegin && isBlank(text[end - 1]))
                        --end;
                    spans[i] = {p.valueBegin, end};
                    break;
                }
        }
        if (p.kind != Kind::Blank && p.kind != Kind::Comment) {
            insertAt = line.next;
            insertAtLineEnd = line.next == text.size() && text.back() != '\n';
        }
        return true;
    });

    std::string added;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (spans[i].begin == std::string_view::npos)
            ((added += entries[i].key) += '=', added += entries[i].value) += eol;

    std::vector<Edit> out;
    if (insertAt == std::string_view::npos) {
        // No such section: a new one at the end, after a blank line.
        std::string insert;
        const std::string_view body = text.substr(0, 3) == kUtf8Bom ? text.substr(3) : text;
        if (!body.empty()) {
            if (body.back() != '\n')
                insert += eol;
            std::string_view last = body; // the last line, without its line end
            if (last.back() == '\n')
                last.remove_suffix(last.size() >= 2 && last[last.size() - 2] == '\r' ? 2 : 1);
            const std::size_t lf = last.rfind('\n');
            if (lf != std::string_view::npos)
                last = last.substr(lf + 1);
            if (!trimmed(last).empty())
                insert += eol;
        }
        ((insert += '[') += section, insert += ']') += eol;
        insert += added;
        out.push_back({text.size(), 0, std::move(insert)});
        return out;
    }

    // Replacements in text order, then the added keys: every value set stands in a key line
    // at or before the line they follow.
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (spans[i].begin != std::string_view::npos)
            out.push_back({spans[i].begin, spans[i].end - spans[i].begin, entries[i].value});
    std::sort(out.begin(), out.end(), [](const Edit& a, const Edit& b) { return a.at < b.at; });
    if (!added.empty())
        out.push_back({insertAt, 0, insertAtLineEnd ? std::string(eol) + added : added});
    return out;
}

std::string withValues(std::string_view text, std::string_view section,
                       const std::vector<Entry>& entries) {
    std::string out;
    std::size_t at = 0;
    for (const Edit& edit : edits(text, section, entries)) {
        out.append(text.substr(at, edit.at - at));
        out += edit.insert;
        at = edit.at + edit.erase;
    }
    out.append(text.substr(at));
    return out;
}

int integer(std::string_view text, int fallback) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() >= 2 && text[0] == '0' && lower(text[1]) == 'x') {
        base = 16;
        text.remove_prefix(2);
    } else if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty())
        return fallback;
    std::int64_t magnitude = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && lower(c) >= 'a' && lower(c) <= 'f')
            digit = lower(c) - 'a' + 10;
        else
            return fallback;
        magnitude = magnitude * base + digit;
        if (magnitude > std::int64_t(INT32_MAX) + 1)
            return fallback;
    }
    const std::int64_t v = negative ? -magnitude : magnitude;
    return v < INT32_MIN || v > INT32_MAX ? fallback : static_cast<int>(v);
}

} // namespace ini
