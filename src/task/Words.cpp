#include "task/Words.h"

#include <algorithm>

#include "text/Utf8.h"

namespace task::words {

namespace {

// Small letters without their Polish marks: "Wierzchołka" as "wierzcholka".
std::u32string folded(std::u32string_view letters) {
    static constexpr std::u32string_view polish = U"ąćęłńóśźż", plain = U"acelnoszz";
    std::u32string out;
    for (const char32_t c : letters) {
        const char32_t lower = text::Lower(c);
        const auto at = polish.find(lower);
        out += at == std::u32string_view::npos ? lower : plain[at];
    }
    return out;
}

}  // namespace

const Entry* Find(std::u32string_view letters) {
    const std::u32string key = folded(letters);
    const auto found = std::find_if(std::begin(table), std::end(table), [&](const Entry& e) { return folded(e.form) == key; });
    return found == std::end(table) ? nullptr : found;
}

}  // namespace task::words
