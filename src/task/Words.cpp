#include "task/Words.h"

#include <algorithm>
#include <vector>

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
    // Longer than any word of the table: not one of them, whatever its letters.
    if (letters.size() > 20) return nullptr;
    // The table's forms folded once, in its order; never changed after.
    static const std::vector<std::u32string> forms = [] {
        std::vector<std::u32string> all;
        for (const Entry& e : table) all.push_back(folded(e.form));
        return all;
    }();
    const std::u32string key = folded(letters);
    const auto found = std::find(forms.begin(), forms.end(), key);
    return found == forms.end() ? nullptr : &table[found - forms.begin()];
}

}  // namespace task::words
