#include "task/Sentence.h"

#include <algorithm>

#include "task/Words.h"
#include "text/Utf8.h"

namespace task::sentence {

namespace {

using lexer::ErrorAt;
using lexer::Place;
using lexer::T;
using lexer::Token;
using words::Meaning;

Meaning meaningOf(const Token& t) {
    const words::Entry* entry = words::Find(t.word);
    return entry ? entry->meaning : Meaning::Filler;
}

bool isWord(const Token& t, std::u32string_view word) { return t.type == T::Word && t.word == word; }
bool isPunctuation(T type) {
    return type == T::Comma || type == T::Semicolon || type == T::Colon || type == T::LineBreak || type == T::Stop;
}

class Reader {
public:
    explicit Reader(const std::vector<Token>& tokens) : in_(tokens) {}

    Sentence read(std::vector<Token>& out) {
        for (std::size_t i = 0; i < in_.size();) {
            const std::size_t kept = statementWords(i);
            if (kept > 0) {
                out.insert(out.end(), in_.begin() + long(i), in_.begin() + long(i + kept));
                i += kept;
                // "oś symetrii ma równanie x = 2" as "oś symetrii x = 2".
                if (isWord(in_[i - 1], U"symetrii")) i += axisConnectors(i);
            } else if (startsWords(i)) {
                i = words(i, out);
            } else if (in_[i].type == T::Stop) {
                separate(out, i + 1);
                ++i;
            } else {
                out.push_back(in_[i++]);
            }
        }
        // "ma rozwiązania": at least one, said alone.
        Wanted& w = sentence_.wanted;
        if (has_ && roots_ && w == Wanted{}) w.solvable = true;
        return sentence_;
    }

private:
    const Token& at(std::size_t i) const { return in_[std::min(i, in_.size() - 1)]; }
    bool wordAt(std::size_t i) const { return at(i).type == T::Word || at(i).type == T::Stop; }

    // How many tokens from I are words of a statement the parser reads: "dla
    // x ∈", "w przedziale ⟨", "należy do ⟨", "miejsca zerowe to −1", "oś
    // symetrii x =", "ZW =", "wierzchołek W", and "i" between two numbers.
    std::size_t statementWords(std::size_t i) const {
        const Token& t = in_[i];
        if (t.type != T::Word) return 0;
        const auto bracketAt = [&](std::size_t j) {
            const T type = at(j).type;
            return type == T::IntervalOpen || type == T::Open || (type == T::Relation && at(j).relation == Relation::Less);
        };
        if (t.word == U"w" && isWord(at(i + 1), U"przedziale") && bracketAt(i + 2)) return 2;
        if (t.word == U"dla") {
            if (at(i + 1).type == T::Letter && (at(i + 2).type == T::In || isWord(at(i + 2), U"in") || isWord(at(i + 2), U"należy"))) return 1;
            return statementWords(i + 1) > 0 && isWord(at(i + 1), U"w") ? 1 : 0;
        }
        if (t.word == U"należy" && isWord(at(i + 1), U"do") && bracketAt(i + 2)) return 2;
        if (t.word == U"in") return 1;
        if (t.word == U"i" || t.word == U"oraz") return i > 0 && !wordAt(i - 1) && !wordAt(i + 1) && at(i + 1).type != T::End ? 1 : 0;
        if (t.word == U"wierzchołek") {
            // "wierzchołek W = (1; 5)", "wierzchołek to (1; 5)"
            const std::size_t j = isWord(at(i + 1), U"to") ? i + 2 : i + 1;
            return at(j).type == T::Letter || at(j).type == T::Relation || at(j).type == T::Open ? j - i : 0;
        }
        if (t.word == U"miejsca" || t.word == U"miejsce") {
            if (!isWord(at(i + 1), U"zerowe")) return 0;
            std::size_t j = i + 2;
            if (isWord(at(j), U"to")) ++j;
            if (at(j).type == T::Colon) ++j;
            const T type = at(j).type;
            return type == T::Number || type == T::Minus || type == T::Plus || type == T::Open ? j - i : 0;
        }
        if (t.word == U"oś" && isWord(at(i + 1), U"symetrii")) {
            const std::size_t j = i + 2 + axisConnectors(i + 2);
            return at(j).type == T::Letter && at(j + 1).type == T::Relation ? 2 : 0;
        }
        if (t.word == U"ZW") return at(i + 1).type == T::Relation;
        return 0;
    }

    // How many words from I join "oś symetrii" to its equation: ":", "to", "jest", "ma równanie".
    std::size_t axisConnectors(std::size_t i) const {
        std::size_t j = i;
        while (at(j).type == T::Colon || isWord(at(j), U"to") || isWord(at(j), U"jest") || isWord(at(j), U"ma") ||
               isWord(at(j), U"równanie")) {
            ++j;
        }
        return j - i;
    }

    // A word, or a parameter declared as "m ∈ ℝ".
    bool startsWords(std::size_t i) const { return in_[i].type == T::Word || declaration(i); }
    bool declaration(std::size_t i) const {
        const Token& reals = at(i + 2);
        return at(i).type == T::Letter && at(i + 1).type == T::In &&
               (isWord(reals, U"ℝ") || (reals.type == T::Letter && reals.letter == U'R'));
    }

    // The words from I on, with the punctuation and the parameter among them:
    // read, and left out of OUT but for one comma between two formulas.
    // Where the next one begins.
    std::size_t words(std::size_t i, std::vector<Token>& out) {
        for (;;) {
            const Token& t = at(i);
            if (t.type == T::End) break;
            if (declaration(i)) {
                declare(t);
                i += 3;
            } else if (t.type == T::Word && statementWords(i) == 0) {
                i = word(i);
            } else if (isPunctuation(t.type) && (wordAt(i + 1) || declaration(i + 1) || (roots_ && at(i + 1).type == T::Root))) {
                ++i;
            } else if (functionName(i)) {
                ++i;
            } else if (t.type == T::Letter && parameterPlace(i)) {
                declare(t);
                ++i;
            } else if (count(i)) {
                sentence_.wanted.count = t.number.digits == "1" ? 1 : 2;
                ++i;
            } else if (t.type == T::Root && roots_ && (wordAt(i + 1) || at(i + 1).type == T::Comma || isWord(at(i + 1), U"i"))) {
                ++i;  // "rozwiązania x₁, x₂ spełniające …": the roots named
            } else {
                break;
            }
        }
        while (isPunctuation(at(i).type)) ++i;
        separate(out, i);
        return i;
    }

    // A comma in OUT where formulas stand before it and from NEXT on.
    void separate(std::vector<Token>& out, std::size_t next) const {
        while (!out.empty() && isPunctuation(out.back().type)) out.pop_back();
        if (out.empty() || at(next).type == T::End) return;
        Token comma;
        comma.type = T::Comma;
        comma.at = at(next).at;
        out.push_back(comma);
    }

    // Whether the letter at I names the parameter: right after "parametru", or
    // alone among words, as in "wyznacz m tak, aby".
    bool parameterPlace(std::size_t i) const {
        if (previous_ == Meaning::Parameter) return true;
        const char32_t l = at(i).letter;
        if (!text::IsLower(l) || l == U'x' || l == U'y') return false;
        return (previous_ == Meaning::Filler || previous_ == Meaning::Values) && alone(i);
    }

    // Whether the letter at I stands alone among words: "m tak, aby", "funkcji f, gdzie".
    bool alone(std::size_t i) const {
        const auto ends = [&](std::size_t j) { return wordAt(j) || at(j).type == T::End; };
        return ends(i + 1) || (isPunctuation(at(i + 1).type) && ends(i + 2));
    }

    // "funkcji f, której": a function named, its formula given elsewhere.
    bool functionName(std::size_t i) const {
        const char32_t l = at(i).letter;
        return at(i).type == T::Letter && (l == U'f' || l == U'g' || l == U'h') && alone(i);
    }

    // "ma 2 różne rozwiązania": a count of roots in digits.
    bool count(std::size_t i) const {
        const Token& t = at(i);
        return t.type == T::Number && has_ && wordAt(i + 1) && t.number.exponent == 0 && (t.number.digits == "1" || t.number.digits == "2");
    }

    void declare(const Token& letter) {
        if (!text::IsLower(letter.letter) || letter.letter == U'x' || letter.letter == U'y') {
            throw ErrorAt(letter.at, "Parametrem może być mała litera inna niż x i y, np. m" + Place(letter.at));
        }
        if (sentence_.parameter != 0 && sentence_.parameter != letter.letter) {
            throw ErrorAt(letter.at, "Zadanie może mieć tylko jeden parametr" + Place(letter.at));
        }
        sentence_.parameter = letter.letter;
        sentence_.parameterAt = letter.at;
        sentence_.valuesAsked = true;
        previous_ = Meaning::Parameter;
    }

    void ask(Ask a) {
        if (std::find(sentence_.asks.begin(), sentence_.asks.end(), a) == sentence_.asks.end()) sentence_.asks.push_back(a);
    }

    // Whether what the words before I named is given from I on: "miejscami zerowymi są x₁ = −1".
    bool given(std::size_t i) const {
        while (isWord(at(i), U"są") || isWord(at(i), U"to") || isWord(at(i), U"jest") || at(i).type == T::Colon) ++i;
        return !wordAt(i) && !isPunctuation(at(i).type) && at(i).type != T::End;
    }

    Meaning next(std::size_t i) const { return at(i + 1).type == T::Word ? meaningOf(at(i + 1)) : Meaning::Filler; }

    // The word at I read with the ones it joins; where the next word begins.
    std::size_t word(std::size_t i) {
        const Token& t = in_[i];
        if (!words::Find(t.word)) throw ErrorAt(t.at, "Nie rozumiem słowa „" + text::Encode(t.word) + "”" + Place(t.at));
        const Meaning m = meaningOf(t);
        Wanted& w = sentence_.wanted;
        if (w == Wanted{} && !has_ && !takes_ && (m == Meaning::Has || m == Meaning::Takes || m == Meaning::Not)) {
            sentence_.wantedAt = t.at;
        }
        std::size_t used = 1;
        switch (m) {
        case Meaning::Vertex: ask(Ask::Vertex); break;
        case Meaning::Canonical: ask(Ask::Canonical); break;
        case Meaning::Factored: ask(Ask::Factored); break;
        case Meaning::General: ask(Ask::General); break;
        case Meaning::Place:
        case Meaning::Zero:
            if (m == Meaning::Place && next(i) == Meaning::Zero) used = 2;
            if (has_) {
                roots_ = true;
            } else if (!given(i + used)) {
                ask(Ask::Zeros);
            }
            break;
        case Meaning::Axis:
            if (next(i) == Meaning::Symmetry) {
                ask(Ask::Axis);
                used = 2;
            }
            break;
        case Meaning::Symmetry: ask(Ask::Axis); break;
        case Meaning::Set:
            if (next(i) == Meaning::Values) {
                ask(Ask::ValueSet);
                used = 2;
            }
            break;
        case Meaning::ValueSet: ask(Ask::ValueSet); break;
        case Meaning::Values: sentence_.valuesAsked = sentence_.valuesAsked || !takes_; break;
        case Meaning::Monotonic: ask(Ask::Monotonic); break;
        case Meaning::Increasing: ask(Ask::Increasing); break;
        case Meaning::Decreasing: ask(Ask::Decreasing); break;
        case Meaning::Least:
        case Meaning::Greatest:
            ask(m == Meaning::Least ? Ask::Least : Ask::Greatest);
            if (next(i) == Meaning::Values) used = 2;
            break;
        case Meaning::Not:
            if (next(i) == Meaning::Has) {
                w.count = 0;
                has_ = true;
            } else if (next(i) != Meaning::Solving) {
                throw ErrorAt(t.at, "Słowo „nie” rozumiem tylko w „nie ma rozwiązań” i „nie rozwiązując”" + Place(t.at));
            }
            used = 2;
            break;
        case Meaning::Solving: throw ErrorAt(t.at, "Nie rozumiem słowa „rozwiązując” bez „nie” przed nim" + Place(t.at));
        case Meaning::Has: has_ = true; break;
        case Meaning::Two: w.count = 2; break;
        case Meaning::One: w.count = 1; break;
        case Meaning::Distinct:
            if (next(i) == Meaning::Signs) {
                w.signs = -1;
                used = 2;
            } else {
                w.distinct = true;
            }
            break;
        case Meaning::Same:
            if (next(i) != Meaning::Signs) throw ErrorAt(t.at, "Po słowie „jednakowych” powinno stać „znaków”" + Place(t.at));
            w.signs = 1;
            used = 2;
            break;
        case Meaning::Roots: roots_ = true; break;
        case Meaning::Point:
            // "ma dwa punkty wspólne z osią OX": the roots, said of the graph.
            if (next(i) == Meaning::Common) {
                roots_ = roots_ || has_;
                points_ = !has_;
                used = 2;
            }
            break;
        case Meaning::AxisX:
        case Meaning::AxisY:
        case Meaning::Axes:
            // "punkty przecięcia wykresu z osią OX", "z osiami układu współrzędnych"
            if (points_ && m != Meaning::AxisY) ask(Ask::XIntercepts);
            if (points_ && m != Meaning::AxisX) ask(Ask::YIntercept);
            break;
        case Meaning::Positive:
        case Meaning::Negative:
            if (takes_) {
                w.values = m == Meaning::Positive ? 1 : -1;
            } else {
                w.sign = m == Meaning::Positive ? 1 : -1;
            }
            break;
        case Meaning::Takes: takes_ = true; break;
        default: break;
        }
        previous_ = m == Meaning::Statement ? Meaning::Filler : m;
        return i + used;
    }

    const std::vector<Token>& in_;
    Sentence sentence_;
    Meaning previous_ = Meaning::Filler;
    bool has_ = false;         // "ma": what follows says what the roots are
    bool roots_ = false;       // the roots have been named
    bool takes_ = false;       // "przyjmuje": what follows says what the values are
    bool points_ = false;      // "punkty przecięcia" asked: of the axes, if they are named
};

}  // namespace

Sentence Read(std::vector<Token>& tokens) {
    std::vector<Token> formulas;
    Sentence sentence = Reader(tokens).read(formulas);
    tokens = std::move(formulas);
    return sentence;
}

std::string AskText(Ask ask) {
    switch (ask) {
    case Ask::Vertex: return "współrzędne wierzchołka";
    case Ask::Canonical: return "postać kanoniczną";
    case Ask::Factored: return "postać iloczynową";
    case Ask::General: return "postać ogólną";
    case Ask::Zeros: return "miejsca zerowe";
    case Ask::Axis: return "oś symetrii";
    case Ask::ValueSet: return "zbiór wartości";
    case Ask::Monotonic: return "przedziały monotoniczności";
    case Ask::Increasing: return "przedział, w którym funkcja jest rosnąca";
    case Ask::Decreasing: return "przedział, w którym funkcja jest malejąca";
    case Ask::Least: return "najmniejszą wartość";
    case Ask::Greatest: return "największą wartość";
    case Ask::XIntercepts: return "punkty przecięcia wykresu z osią OX";
    case Ask::YIntercept: return "punkt przecięcia wykresu z osią OY";
    }
    return {};
}

}  // namespace task::sentence
