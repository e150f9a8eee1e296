#include <algorithm>
#include <set>

#include "task/Lexer.h"
#include "task/Sentence.h"
#include "task/Syntax.h"
#include "text/Utf8.h"

namespace task::syntax {

namespace {

using namespace lexer;
using Kind = Node::Kind;

// A statement or a node of KIND at AT, the rest empty.
Statement begun(Statement::Kind kind, std::size_t at) {
    Statement s;
    s.kind = kind;
    s.at = at;
    return s;
}

Node nodeOf(Kind kind, std::size_t at) {
    Node n;
    n.kind = kind;
    n.at = at;
    return n;
}

bool isSeparator(const Token& t) {
    return t.type == T::Comma || t.type == T::Semicolon || t.type == T::LineBreak ||
           (t.type == T::Word && (t.word == U"i" || t.word == U"oraz"));
}

class Parser {
public:
    Parser(std::u32string_view text, std::vector<Token> tokens) : text_(text), tokens_(std::move(tokens)) {
        declareFunctions();
    }

    // task := statement { separator statement }
    // An interval clause may follow a function without a separator.
    std::vector<Statement> statements() {
        std::vector<Statement> all;
        std::size_t separatorAt = 0;
        bool separated = false;
        while (true) {
            all.push_back(statement());
            // ", x ∈ ⟨…⟩" belongs to the function before it from its comma on.
            if (all.back().kind == Statement::Kind::Interval && separated) all.back().at = separatorAt;
            separated = false;
            if (peek().type == T::End) return all;
            // "f(x) = …, x ≤ 4": a half-line, on which extreme values are not asked.
            const Statement& last = all.back();
            if (last.kind == Statement::Kind::Definition && peek().type == T::Comma && peek(1).type == T::Letter &&
                peek(1).letter == (last.variable != 0 ? last.variable : U'x') && peek(2).type == T::Relation &&
                peek(2).relation != Relation::Equal) {
                throw ErrorAt(peek(1).at, "Przedział zapisuje się z oboma końcami, np. x ∈ ⟨−1; 4⟩" + Place(peek(1).at));
            }
            if (isSeparator(peek())) {
                separatorAt = take().at;
                separated = true;
                // A comma or semicolon left at the end, as pasted: nothing follows it.
                if (peek().type == T::End) return all;
            } else if (!startsClause()) {
                if (peek().type == T::Relation) {
                    throw ErrorAt(peek().at, "Zadanie może mieć tylko jeden znak =, <, >, ≤ albo ≥" + Place(peek().at));
                }
                // "W = (1; 5) f(2) = 7": the next statement begun without a comma.
                if (peek().type == T::Letter || peek().type == T::Open || peek().type == T::Word || peek().type == T::Root) {
                    throw ErrorAt(peek().at, "Tu zaczyna się następne zdanie: oddziel je przecinkiem albo średnikiem" +
                                                 Place(peek().at));
                }
                throw unexpected(peek());
            }
        }
    }

    // expression := signed-term { (+ | −) signed-term }
    Node expression() {
        Node sum = nodeOf(Kind::Sum, peek().at);
        sum.parts.push_back(term());
        while (peek().type == T::Plus || peek().type == T::Minus) {
            const Token& sign = take();
            sum.joints.push_back({sign.type == T::Plus ? Op::Plus : Op::Minus, sign.at});
            sum.parts.push_back(term());
        }
        return sum.parts.size() == 1 ? std::move(sum.parts.front()) : sum;
    }

    const Token& peek(std::size_t ahead = 0) const { return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)]; }

    TaskError unexpected(const Token& t) const {
        if (t.type == T::End) return ErrorAt(t.at, "Zadanie urywa się: brakuje liczby albo x na końcu.");
        if (t.type == T::Word) return ErrorAt(t.at, "Nie rozumiem słowa „" + text::Encode(t.word) + "”" + Place(t.at));
        if (t.type == T::Close) return ErrorAt(t.at, "Nawias zamyka się, choć się nie otworzył" + Place(t.at));
        if (t.type == T::LineBreak) return ErrorAt(t.at, "Zadanie urywa się na końcu wiersza" + Place(t.at));
        return UnknownCharacter(text_, t.at);
    }

private:
    const Token& take() { return tokens_[std::min(pos_++, tokens_.size() - 1)]; }
    bool isWord(const Token& t, std::u32string_view word) const { return t.type == T::Word && t.word == word; }
    bool isEqual(const Token& t) const { return t.type == T::Relation && t.relation == Relation::Equal; }

    // f, g and h are functions; so is any letter a definition names, as P in
    // P(a) = a(18 − a). Before a bracket, any other small letter multiplies it.
    void declareFunctions() {
        functions_ = {U'f', U'g', U'h'};
        for (std::size_t i = 0; i + 4 < tokens_.size(); ++i) {
            if (header(i)) functions_.insert(tokens_[i].letter);
        }
        // y = x² − 4, y(2) = 0: y named as a function is called too.
        for (std::size_t i = 0; i + 1 < tokens_.size(); ++i) {
            const bool first = i == 0 || isSeparator(tokens_[i - 1]);
            if (first && tokens_[i].type == T::Letter && tokens_[i].letter == U'y' && isEqual(tokens_[i + 1])) {
                functions_.insert(U'y');
            }
        }
    }

    // "f(x) =" at token I.
    bool header(std::size_t i) const {
        return tokens_[i].type == T::Letter && tokens_[i + 1].type == T::Open && tokens_[i + 2].type == T::Letter &&
               tokens_[i + 3].type == T::Close && isEqual(tokens_[i + 4]);
    }

    // statement := definition | clause | vertex | zeros | axis | value-set | point | relation
    Statement statement() {
        // A plus before a statement says nothing, and its text leaves it out: "+ y = 3" is y = 3.
        while (peek().type == T::Plus) take();
        const Token& first = peek();
        // f(x) = … defines f once; after that "f(x) = g(x)" is an equation.
        if (pos_ + 4 < tokens_.size() && header(pos_) && !defined_.contains(first.letter)) return definition();
        if (first.type == T::Letter && first.letter == U'y' && isEqual(peek(1))) return definition();
        if (startsClause()) return clause();
        if (isWord(first, U"wierzchołek") || (first.type == T::Letter && first.letter == U'W' && pointAfter(1))) {
            return namedPoint(Statement::Kind::Vertex);
        }
        if (isWord(first, U"miejsca") || isWord(first, U"miejsce")) return zeros();
        if (isWord(first, U"oś")) return axis();
        if (isWord(first, U"ZW")) return valueSet();
        if (first.type == T::Letter && !text::IsLower(first.letter) && pointAfter(1)) {
            return namedPoint(Statement::Kind::Point);
        }
        if (first.type == T::Open && pointAfter(0)) return namedPoint(Statement::Kind::Point);
        return relation();
    }

    // definition := letter "(" letter ")" "=" expression | "y" "=" expression
    Statement definition() {
        Statement s = begun(Statement::Kind::Definition, peek().at);
        s.name = take().letter;
        if (s.name != U'y') defined_.insert(s.name);
        if (peek().type == T::Open) {
            take();
            s.variable = take().letter;
            take();
        }
        take();
        s.formulas.push_back(expression());
        return s;
    }

    // relation := expression { relation-sign expression }
    Statement relation() {
        Statement s = begun(Statement::Kind::Relation, peek().at);
        s.formulas.push_back(expression());
        while (peek().type == T::Relation) {
            s.signsAt.push_back(peek().at);
            s.relations.push_back(take().relation);
            s.formulas.push_back(expression());
        }
        return s;
    }

    // How many words from AHEAD say "belongs to": "∈", "in", "należy do"; 0 where none do.
    std::size_t membership(std::size_t ahead) const {
        if (peek(ahead).type == T::In || isWord(peek(ahead), U"in")) return 1;
        return isWord(peek(ahead), U"należy") && isWord(peek(ahead + 1), U"do") ? 2 : 0;
    }

    bool startsClause() const {
        const std::size_t skip = isWord(peek(), U"dla") ? 1 : 0;
        return (isWord(peek(skip), U"w") && isWord(peek(skip + 1), U"przedziale")) ||
               (peek(skip).type == T::Letter && membership(skip + 1) > 0) || membership(skip) > 0;
    }

    // clause := ["dla"] (letter membership | "w" "przedziale" | membership) interval
    // membership := "∈" | "in" | "należy" "do"
    Statement clause() {
        Statement s = begun(Statement::Kind::Interval, peek().at);
        if (isWord(peek(), U"dla")) take();
        if (isWord(peek(), U"w")) {
            pos_ += 2;
        } else {
            if (peek().type == T::Letter) s.variable = take().letter;
            pos_ += membership(0);
        }
        const Token& open = peek();
        const bool opens = open.type == T::IntervalOpen || open.type == T::Open ||
                           (open.type == T::Relation && open.relation == Relation::Less);
        if (!opens) throw ErrorAt(open.at, "Tu powinien stać przedział, np. ⟨−1; 4⟩ albo (0; 4)" + Place(open.at));
        s.bracket = bracket(false);
        return s;
    }

    // A pair in brackets at AHEAD that ends the statement: "(1; 5)", "(2, 7)",
    // its ends parted by a semicolon or a comma, after an optional "=";
    // never "(0,75)x", a decimal in brackets.
    bool pointAfter(std::size_t ahead) const {
        if (isEqual(peek(ahead))) ++ahead;
        if (peek(ahead).type != T::Open) return false;
        const std::size_t open = pos_ + ahead;
        int depth = 0;
        std::size_t close = open;
        for (; close < tokens_.size() && tokens_[close].type != T::End; ++close) {
            if (tokens_[close].type == T::Open) ++depth;
            if (tokens_[close].type == T::Close && --depth == 0) break;
        }
        if (depth != 0) return false;
        const std::u32string_view inside = text_.substr(tokens_[open].at, tokens_[close].at - tokens_[open].at);
        // A semicolon stands in no formula; a comma may be a decimal one, as in (0,75)x
        // or (1,5 · a): a pair of numbers only, ending the statement.
        if (inside.find(U';') != inside.npos) return true;
        const bool ends = tokens_[close + 1].type == T::End || isSeparator(tokens_[close + 1]);
        if (!ends || inside.find(U',') == inside.npos) return false;
        // A comma with a blank beside it parts two ends; an unspaced one only between whole numbers: "(2,7)".
        for (std::size_t i = 1; i + 1 < inside.size(); ++i) {
            if (inside[i] == U',' && (IsBlank(inside[i - 1]) || IsBlank(inside[i + 1]))) return true;
        }
        return plainNumbers(inside);
    }

    // Whether INSIDE, from its opening bracket on, is two whole numbers parted by a comma: "(2,7", "(−1,3".
    static bool plainNumbers(std::u32string_view inside) {
        std::size_t i = 1;
        const auto blanks = [&] { while (i < inside.size() && IsBlank(inside[i])) ++i; };
        const auto whole = [&] {
            if (i < inside.size() && (inside[i] == U'-' || inside[i] == U'\u2212' || inside[i] == U'+')) ++i;
            const std::size_t from = i;
            while (i < inside.size() && IsDigit(inside[i])) ++i;
            return i > from;
        };
        blanks();
        if (!whole() || i >= inside.size() || inside[i] != U',') return false;
        ++i;
        const bool second = whole();
        blanks();
        return second && i == inside.size();
    }

    // vertex := ("wierzchołek" ["to"] [W] | W) ["="] pair;  point := [letter] ["="] pair
    Statement namedPoint(Statement::Kind kind) {
        Statement s = begun(kind, peek().at);
        if (isWord(peek(), U"wierzchołek")) take();
        if (isWord(peek(), U"to")) take();
        if (peek().type == T::Letter) s.name = take().letter;
        if (isEqual(peek())) take();
        if (peek().type != T::Open) throw ErrorAt(peek().at, "Tu powinny stać współrzędne punktu, np. (1; 5)" + Place(peek().at));
        s.bracket = bracket(true);
        return s;
    }

    // zeros := ("miejsca" | "miejsce") "zerowe" ["to"] [":"] expression [("i" | "oraz" | ",") expression]
    Statement zeros() {
        const bool one = isWord(peek(), U"miejsce");
        Statement s = begun(Statement::Kind::Zeros, take().at);
        if (!isWord(peek(), U"zerowe")) throw unexpected(peek());
        take();
        if (isWord(peek(), U"to")) take();
        if (peek().type == T::Colon) take();
        const std::size_t from = peek().at;
        s.formulas.push_back(expression());
        // "miejsca zerowe -1,3": one zero −1,3, or two, −1 and 3?
        const std::u32string_view typed = text_.substr(from, peek().at - from);
        const auto comma = typed.find(U',');
        if (!one && comma != typed.npos && !isWord(peek(), U"i") && !isWord(peek(), U"oraz")) {
            throw ErrorAt(from + comma, "Nie wiadomo, czy to jedno miejsce zerowe z przecinkiem, czy dwa: dwa oddziel "
                                        "słowem „i”, np. miejsca zerowe −1 i 3" + Place(from + comma));
        }
        const bool another = isWord(peek(), U"i") || isWord(peek(), U"oraz") ||
                             (peek().type == T::Comma && (peek(1).type == T::Number || peek(1).type == T::Minus));
        if (another) {
            take();
            s.formulas.push_back(expression());
        }
        return s;
    }

    // axis := "oś" "symetrii" [":"] letter "=" expression
    Statement axis() {
        Statement s = begun(Statement::Kind::Axis, take().at);
        if (!isWord(peek(), U"symetrii")) throw unexpected(peek());
        take();
        if (peek().type == T::Colon) take();
        if (peek().type != T::Letter || !isEqual(peek(1))) {
            throw ErrorAt(peek().at, "Oś symetrii zapisuje się jako x = 2" + Place(peek().at));
        }
        s.variable = take().letter;
        take();
        s.formulas.push_back(expression());
        return s;
    }

    // value-set := "ZW" "=" interval, its ends possibly infinite
    Statement valueSet() {
        Statement s = begun(Statement::Kind::ValueSet, take().at);
        // "ZW=<-3; +∞)" typed without blanks: "=<" is "=" and the bracket "<", not "≤".
        Token& sign = tokens_[std::min(pos_, tokens_.size() - 1)];
        if (sign.type == T::Relation && sign.relation == Relation::LessOrEqual && text_.substr(sign.at, 2) == U"=<") {
            sign.type = T::IntervalOpen;
            ++sign.at;
        } else if (isEqual(peek())) {
            take();
        } else {
            throw unexpected(peek());
        }
        s.bracket = bracket(false);
        return s;
    }

    bool startsFactor(T type) const {
        return type == T::Number || type == T::Letter || type == T::Open || type == T::Root;
    }

    // term := signed-factor { [· | / | :] signed-factor }
    Node term() {
        Node product = nodeOf(Kind::Product, peek().at);
        product.parts.push_back(signedFactor());
        while (true) {
            const Token& op = peek();
            if (op.type == T::Times || op.type == T::Divide || op.type == T::Colon) {
                take();
                product.joints.push_back({op.type == T::Times ? Op::Times : op.type == T::Divide ? Op::Divide : Op::Colon, op.at});
            } else if (startsFactor(op.type) && !(op.type == T::Letter && membership(1) > 0)) {
                // Side by side: "2x", "a(x − 1)"; never the variable before "∈".
                product.joints.push_back({Op::Juxtaposed, op.at});
            } else {
                return product.parts.size() == 1 ? std::move(product.parts.front()) : product;
            }
            product.parts.push_back(signedFactor());
        }
    }

    // signed-factor := { + | − } primary { power }
    // Signs read in a loop: a task of thousands of minus signs must not run the stack out.
    Node signedFactor() {
        int minuses = 0;
        while (peek().type == T::Minus || peek().type == T::Plus) {
            if (take().type == T::Minus) ++minuses;
        }
        Node factor = primary();
        while (peek().type == T::Power) {
            const Token& p = take();
            factor.powers.push_back({p.power, p.at});
        }
        factor.minuses = minuses;  // of the power: −x² is −(x²)
        return factor;
    }

    // primary := number | letter | root | call | "(" expression ")" | "|" expression "|"
    // call := function-letter "(" expression ")"
    Node primary() {
        const Token& t = take();
        switch (t.type) {
        case T::Number: {
            Node n = nodeOf(Kind::Number, t.at);
            n.number = t.number;
            return n;
        }
        case T::Root: {
            Node n = nodeOf(Kind::Root, t.at);
            n.letter = t.letter;
            n.root = int(t.power);
            return n;
        }
        case T::Letter: {
            if (peek().type == T::Open && (functions_.contains(t.letter) || !text::IsLower(t.letter))) {
                take();
                Node call = nodeOf(Kind::Call, t.at);
                call.letter = t.letter;
                call.parts.push_back(bracketed());
                return call;
            }
            Node letter = nodeOf(Kind::Letter, t.at);
            letter.letter = t.letter;
            return letter;
        }
        case T::Open: {
            Node group = nodeOf(Kind::Group, t.at);
            group.parts.push_back(bracketed());
            return group;
        }
        case T::Bar: {
            Node absolute = nodeOf(Kind::Abs, t.at);
            absolute.parts.push_back(expression());
            if (peek().type != T::Bar) throw ErrorAt(peek().at, "Brakuje kreski | zamykającej wartość bezwzględną" + Place(peek().at));
            take();
            return absolute;
        }
        default: throw unexpected(t);
        }
    }

    // What stands inside a bracket just opened, and its ")".
    Node bracketed() {
        Node inner = expression();
        if (peek().type != T::Close) {
            if (peek().type == T::End) throw ErrorAt(peek().at, "Brakuje nawiasu zamykającego.");
            if (peek().type == T::Relation || isSeparator(peek())) {
                throw ErrorAt(peek().at, "Brakuje nawiasu zamykającego przed tym znakiem" + Place(peek().at));
            }
            throw unexpected(peek());
        }
        take();
        return inner;
    }

    // The token that closes the bracket opened just before FROM: the first
    // ⟩, ], > or ) outside the brackets of its ends.
    std::size_t closing(std::size_t from) const {
        int depth = 0;
        for (std::size_t i = from; i < tokens_.size(); ++i) {
            const Token& t = tokens_[i];
            if (t.type == T::End) break;
            if (t.type == T::Open) ++depth;
            const bool closes = t.type == T::IntervalClose || (t.type == T::Relation && t.relation == Relation::Greater) ||
                                (t.type == T::Close && depth == 0);
            if (t.type == T::Close) --depth;
            if (closes && depth <= 0) return i;
        }
        throw ErrorAt(text_.size(), "Przedział zamyka się nawiasem ⟩ albo )" + Place(text_.size()));
    }

    // Where the ends part, in the text from FROM to TO: a semicolon, else the
    // comma that cannot be a decimal comma (one with a blank beside it, the
    // only one, or the middle one of 1,5,2,5).
    std::size_t separator(std::size_t from, std::size_t to, bool point) const {
        const std::u32string_view inside = text_.substr(from, to - from);
        if (const auto semicolon = inside.find(U';'); semicolon != inside.npos) return from + semicolon;
        std::vector<std::size_t> commas, spaced;
        for (std::size_t i = 0; i < inside.size(); ++i) {
            if (inside[i] != U',') continue;
            commas.push_back(from + i);
            if ((i > 0 && IsBlank(inside[i - 1])) || (i + 1 < inside.size() && IsBlank(inside[i + 1]))) {
                spaced.push_back(from + i);
            }
        }
        if (spaced.size() == 1) return spaced[0];
        if (commas.size() == 1) return commas[0];
        if (commas.size() == 3 && spaced.empty()) return commas[1];
        if (commas.size() == 2) {
            throw ErrorAt(commas[0], point ? "Nie wiadomo, który przecinek oddziela współrzędne punktu: oddziel je "
                                             "średnikiem, np. (1,5; 2)" + Place(commas[0])
                                           : "Nie wiadomo, który przecinek oddziela końce przedziału: oddziel je "
                                             "średnikiem, np. ⟨1,5; 4⟩" + Place(commas[0]));
        }
        throw ErrorAt(to, "Przedział ma dwa końce rozdzielone średnikiem: ⟨m; n⟩" + Place(to));
    }

    // bracket := opening end separator end closing; a POINT's ends are closed
    // round brackets, an interval's as typed.
    Bracket bracket(bool point) {
        const Token open = take();
        const std::size_t close = closing(pos_);
        const Token& last = tokens_[close];
        if (point && last.type != T::Close) throw ErrorAt(last.at, "Współrzędne punktu stoją w nawiasie ( )" + Place(last.at));
        const std::size_t split = separator(open.at + 1, last.at, point);
        Bracket b;
        b.from = end(open.at + 1, split);
        b.to = end(split + 1, last.at);
        b.at = open.at;
        b.from.closed = point || open.type != T::Open;
        b.to.closed = point || last.type != T::Close;
        pos_ = close + 1;
        return b;
    }

    // One end: the text from FROM to TO read alone, a number or ∞.
    End end(std::size_t from, std::size_t to) const {
        std::vector<Token> tokens = Tokens(text_.substr(from, to - from));
        for (Token& t : tokens) t.at += from;
        if (tokens.front().type == T::End) throw ErrorAt(to, "Przedziałowi brakuje końca" + Place(to));
        const std::size_t at = tokens.front().at;
        const bool signedInfinity = (tokens[0].type == T::Minus || tokens[0].type == T::Plus) && tokens[1].type == T::Infinity;
        if (tokens[0].type == T::Infinity || signedInfinity) {
            if (tokens[signedInfinity ? 2 : 1].type != T::End) throw UnknownCharacter(text_, tokens[signedInfinity ? 2 : 1].at);
            End infinite;
            infinite.infinity = tokens[0].type == T::Minus ? -1 : 1;
            infinite.at = at;
            return infinite;
        }
        Parser inner(text_, std::move(tokens));
        Node value = inner.expression();
        if (inner.peek().type != T::End) throw inner.unexpected(inner.peek());
        End finite;
        finite.value = std::move(value);
        finite.at = at;
        return finite;
    }

    std::u32string_view text_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    std::set<char32_t> functions_;
    std::set<char32_t> defined_;  // the functions whose definitions have been read
};

}  // namespace

Parsed Parse(std::u32string_view text) {
    std::vector<Token> tokens = Tokens(text);
    Sentence sentence = sentence::Read(tokens);
    if (tokens.front().type == T::End) throw ErrorAt(0, "W zadaniu nie ma wzoru: wpisz funkcję, równanie albo nierówność.");
    return {Parser(text, std::move(tokens)).statements(), std::move(sentence)};
}

}  // namespace task::syntax
