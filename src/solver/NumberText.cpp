#include "solver/NumberText.h"

#include <algorithm>

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

DecimalNumber normalised(bool negative, std::string_view whole, std::string_view fraction,
                         std::int64_t exponent) {
    std::string digits;
    digits.reserve(whole.size() + fraction.size());
    digits.append(whole).append(fraction);
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return DecimalNumber{negative, {}, 0};
    const auto last = digits.find_last_not_of('0');
    const std::int64_t trailingZeros = std::int64_t(digits.size() - 1 - last);
    digits = digits.substr(first, last - first + 1);
    return DecimalNumber{negative, std::move(digits),
                         exponent - std::int64_t(fraction.size()) + trailingZeros};
}

}  // namespace

ReadResult ReadNumber(std::string_view text) {
    Scanner in(text);
    in.skipBlanks();
    if (in.atEnd()) return {ReadStatus::Blank, {}};

    const ReadResult notANumber{ReadStatus::NotANumber, {}};
    const bool negative = in.take('-');
    if (!negative) in.take('+');
    const std::string_view whole = in.takeDigits();
    std::string_view fraction;
    if (in.take('.') || in.take(',')) fraction = in.takeDigits();
    if (whole.empty() && fraction.empty()) return notANumber;

    std::int64_t exponent = 0;
    if (in.take('e') || in.take('E')) {
        const bool negativeExponent = in.take('-');
        if (!negativeExponent) in.take('+');
        const std::string_view exponentDigits = in.takeDigits();
        if (exponentDigits.empty()) return notANumber;
        exponent = saturatedExponent(exponentDigits, negativeExponent);
    }
    in.skipBlanks();
    if (!in.atEnd()) return notANumber;
    return {ReadStatus::Number, normalised(negative, whole, fraction, exponent)};
}

std::string DecimalToText(const DecimalNumber& rounded, int precision) {
    if (rounded.isZero()) return " 0";
    std::string text = rounded.negative ? "-" : " ";
    const std::string& digits = rounded.digits;
    const std::int64_t exponent = rounded.magnitude();
    if (exponent < -4 || exponent >= precision) {
        text += digits.front();
        if (digits.size() > 1) text.append(".").append(digits, 1);
        const std::string power = std::to_string(exponent < 0 ? -exponent : exponent);
        text.append(exponent < 0 ? "E-" : "E+").append(power.size() < 2 ? "0" : "").append(power);
    } else if (exponent < 0) {
        text.append("0.").append(std::size_t(-exponent - 1), '0').append(digits);
    } else {
        const std::size_t whole = std::size_t(exponent) + 1;
        text.append(digits, 0, whole);
        if (digits.size() < whole) text.append(whole - digits.size(), '0');
        if (digits.size() > whole) text.append(".").append(digits, whole);
    }
    return text;
}

}  // namespace solver
