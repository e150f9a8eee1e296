#include "text/Utf8.h"

namespace text {

std::string Encode(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xc0 | (c >> 6));
            out += char(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            out += char(0xe0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3f));
            out += char(0x80 | (c & 0x3f));
        } else {
            out += char(0xf0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3f));
            out += char(0x80 | ((c >> 6) & 0x3f));
            out += char(0x80 | (c & 0x3f));
        }
    }
    return out;
}

std::u32string Decode(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : (byte >> 3) == 30 ? 4 : 0;
        char32_t c = length == 1 ? byte : length == 2 ? byte & 0x1f : length == 3 ? byte & 0x0f : byte & 0x07;
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xc0) == 0x80;
            c = (c << 6) | (next & 0x3f);
        }
        out += valid ? c : U'\ufffd';
        i += valid ? std::size_t(length) : 1;
    }
    return out;
}

bool IsLetter(char32_t c) {
    static constexpr std::u32string_view polish = U"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || polish.find(c) != std::u32string_view::npos;
}

char32_t Lower(char32_t c) {
    static constexpr std::u32string_view upper = U"ĄĆĘŁŃÓŚŹŻ", lower = U"ąćęłńóśźż";
    if (c >= U'A' && c <= U'Z') return c - U'A' + U'a';
    const auto at = upper.find(c);
    return at == std::u32string_view::npos ? c : lower[at];
}

bool IsLower(char32_t c) {
    static constexpr std::u32string_view polish = U"ąćęłńóśźż";
    return (c >= U'a' && c <= U'z') || polish.find(c) != std::u32string_view::npos;
}

}  // namespace text
