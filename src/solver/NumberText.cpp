#include "solver/NumberText.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace solver {

namespace {

bool isBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Far beyond any exponent that can still give a double, and far from
// overflowing when the count of fraction digits is taken off.
constexpr std::int64_t exponentLimit = 1'000'000'000'000'000;

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    bool take(char ch) {
        if (peek() != ch) return false;
        ++pos_;
        return true;
    }
    void skipBlanks() {
        while (!atEnd() && isBlank(text_[pos_])) ++pos_;
    }
    std::string_view takeDigits() {
        const std::size_t start = pos_;
        while (!atEnd() && isDigit(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }
    // A blank and then a group of exactly three digits.
    bool takeGroup(std::string& digits) {
        const std::string_view rest = text_.substr(pos_);
        if (rest.size() < 4 || rest[0] != ' ' || !std::all_of(rest.begin() + 1, rest.begin() + 4, isDigit) ||
            (rest.size() > 4 && isDigit(rest[4]))) {
            return false;
        }
        digits.append(rest.substr(1, 3));
        pos_ += 4;
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::int64_t saturatedExponent(std::string_view digits, bool negative) {
    std::int64_t value = 0;
    for (char ch : digits) {
        value = std::min(value * 10 + (ch - '0'), exponentLimit);
    }
    return negative ? -value : value;
}

// What a pasted text brings, in the forms the reader takes: other minus signs
// and blanks as the plain ones, zero-width characters and a closing line
// break left out.
std::string asTyped(std::string_view text) {
    if (text.ends_with("\r\n")) {
        text.remove_suffix(2);
    } else if (text.ends_with('\n') || text.ends_with('\r')) {
        text.remove_suffix(1);
    }
    static constexpr std::pair<std::string_view, std::string_view> forms[] = {
        {"\u2212", "-"}, {"\u2013", "-"},                  // minus sign, en dash
        {"\u00a0", " "}, {"\u202f", " "}, {"\u2009", " "},  // no-break, narrow, thin
        {"\u200b", ""}, {"\ufeff", ""},                    // zero-width space, BOM
    };
    std::string typed;
    typed.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {  // every form is beyond ASCII
            typed += text[i++];
            continue;
        }
        const auto form = std::find_if(std::begin(forms), std::end(forms),
                                       [&](const auto& f) { return text.substr(i).starts_with(f.first); });
        if (form == std::end(forms)) {
            typed += text[i++];
        } else {
            typed += form->second;
            i += form->first.size();
        }
    }
    return typed;
}

// A numerator may have a sign and an exponent; a denominator neither.
enum class Part { Numerator, Denominator };

struct ScannedDecimal {
    DecimalNumber number;
    bool hadExponent = false;
};

// A number at the scanner: a sign, an integer part whose digits may stand in
// groups of three, a decimal point or comma, and an exponent, as far as the
// PART allows. None where the text holds no such number.
std::optional<ScannedDecimal> readDecimal(Scanner& in, Part part) {
    const bool numerator = part == Part::Numerator;
    const bool negative = numerator && in.take('-');
    if (numerator && !negative) in.take('+');
    std::string whole(in.takeDigits());
    const std::size_t firstGroup = whole.size();
    bool grouped = false;
    while (!whole.empty() && in.takeGroup(whole)) grouped = true;
    if (grouped && firstGroup > 3) return std::nullopt;
    std::string_view fraction;
    if (in.take('.') || in.take(',')) fraction = in.takeDigits();
    if (whole.empty() && fraction.empty()) return std::nullopt;

    std::int64_t exponent = 0;
    const bool hadExponent = numerator && (in.take('e') || in.take('E'));
    if (hadExponent) {
        const bool negativeExponent = in.take('-');
        if (!negativeExponent) in.take('+');
        const std::string_view exponentDigits = in.takeDigits();
        if (exponentDigits.empty()) return std::nullopt;
        exponent = saturatedExponent(exponentDigits, negativeExponent);
    }
    return ScannedDecimal{Normalised(negative, whole.append(fraction), exponent - std::int64_t(fraction.size())),
                          hadExponent};
}

}  // namespace

DecimalNumber Normalised(bool negative, std::string digits, std::int64_t lastExponent) {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return DecimalNumber{negative, {}, 0};
    const auto last = digits.find_last_not_of('0');
    const std::int64_t trailingZeros = std::int64_t(digits.size() - 1 - last);
    digits = digits.substr(first, last - first + 1);
    return DecimalNumber{negative, std::move(digits), lastExponent + trailingZeros};
}

ReadResult ReadNumber(std::string_view pasted) {
    const std::string text = asTyped(pasted);
    Scanner in(text);
    in.skipBlanks();
    if (in.atEnd()) return {ReadStatus::Blank, {}};

    const ReadResult notANumber{ReadStatus::NotANumber, {}};
    const auto numerator = readDecimal(in, Part::Numerator);
    if (!numerator) return notANumber;
    ReadResult read{ReadStatus::Number, numerator->number};
    // A fraction: a number without exponent over a positive one without sign
    // or exponent.
    if (!numerator->hadExponent && in.take('/')) {
        const auto denominator = readDecimal(in, Part::Denominator);
        if (!denominator || denominator->number.isZero()) return notANumber;
        read.denominator = denominator->number;
    }
    in.skipBlanks();
    if (!in.atEnd()) return notANumber;
    return read;
}

Notation NotationFor(const DecimalNumber& rounded, int digits) {
    if (rounded.isZero()) return Notation::Fixed;
    const std::int64_t power = rounded.magnitude();
    return power < -4 || power >= digits ? Notation::PowerOfTen : Notation::Fixed;
}

DecimalParts SplitDecimal(const DecimalNumber& n, Notation notation) {
    DecimalParts parts{.negative = n.negative, .whole = "0", .fraction = {}, .notation = notation, .power = 0};
    if (n.isZero()) return parts;
    if (notation == Notation::PowerOfTen) parts.power = n.magnitude();
    const std::int64_t wholeDigits = n.magnitude() + 1 - parts.power;
    const std::string& digits = n.digits;
    if (wholeDigits <= 0) {
        parts.fraction = std::string(std::size_t(-wholeDigits), '0') + digits;
    } else if (std::size_t(wholeDigits) >= digits.size()) {
        parts.whole = digits + std::string(std::size_t(wholeDigits) - digits.size(), '0');
    } else {
        parts.whole = digits.substr(0, std::size_t(wholeDigits));
        parts.fraction = digits.substr(std::size_t(wholeDigits));
    }
    return parts;
}

std::string DecimalToText(const DecimalNumber& rounded, int precision) {
    if (rounded.isZero()) return " 0";
    const DecimalParts parts = SplitDecimal(rounded, NotationFor(rounded, precision));
    std::string text = (parts.negative ? "-" : " ") + parts.whole;
    if (!parts.fraction.empty()) text += "." + parts.fraction;
    if (parts.notation == Notation::PowerOfTen) {
        const std::string power = std::to_string(parts.power < 0 ? -parts.power : parts.power);
        text.append(parts.power < 0 ? "E-" : "E+").append(power.size() < 2 ? "0" : "").append(power);
    }
    return text;
}

}  // namespace solver
