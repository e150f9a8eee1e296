#pragma once

#include <string>
#include <string_view>

// Text as code points: what the task reader reads and the line breaker keeps
// together both see characters, not bytes.
namespace text {

// The characters of UTF-8 TEXT; a byte that is no UTF-8 becomes U+FFFD.
std::u32string Decode(std::string_view text);
std::string Encode(std::u32string_view text);

// Latin letters, Polish ones among them; not signs such as × and ÷.
bool IsLetter(char32_t c);
bool IsLower(char32_t c);
char32_t Lower(char32_t c);  // "W" → "w", "Ś" → "ś"  // a small letter: a variable, never a point's name

}  // namespace text
