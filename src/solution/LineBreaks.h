#pragma once

#include <string>
#include <string_view>

namespace solution {

// TEXT with every blank a line must not break at made a no-break space, and
// word joiners where the toolkit would break without a blank, so that a
// number, a root, "· 10ⁿ" or anything in brackets stays on one line.
// Lines may still break after ", ", "= ", "≈ ", ": " and "∪ " outside
// brackets, between two words and after "; " (in brackets too), and before a word that stands alone ("i",
// "lub", "jest") unless a sign binds it to what stands before.
std::string KeepTogether(std::string_view text);

}  // namespace solution
