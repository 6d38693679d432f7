#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How error texts are put before the user: whatever a user typed or a path holds is shown
// readably and at a bounded size, never reordered, cut short or made invisible.
namespace calc {

// Characters of an offending text an error message quotes; longer texts end in "…".
inline constexpr std::size_t kQuotedChars = 64;
// Characters of a whole error box text; longer texts are cut and end in "…".
inline constexpr std::size_t kMessageChars = 400;
// Longest run of characters without a blank on one line of the error box.
inline constexpr std::size_t kLineChars = 60;

// UTF-8 text with control characters (C0, DEL, C1), direction marks, embeddings, overrides and
// isolates, other invisible format characters and line or paragraph separators written as
// visible escapes: "\xHH" for C0/C1 characters and for bytes that are not UTF-8, "\uHHHH" for
// the others. At most `maxChars` characters of `text` are taken (a character is one code point
// or one stray byte); when more remain, "…" follows.
std::string visibleText(std::string_view text, std::size_t maxChars);

// The offending text as an error message quotes it: visibleText with kQuotedChars.
std::string quotedText(std::string_view text);

// An error text as the application's error box shows it: visibleText with kMessageChars, runs
// of more than kLineChars characters without a blank broken onto new lines (after a "/" where
// possible), then "." appended unless the text is empty or already ends in a character that sorts
// at or before
// ".".
std::string errorBoxText(std::string_view message);

} // namespace calc
