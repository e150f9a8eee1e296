#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace solver {

// A decimal number as typed: value = (negative ? -1 : 1) * digits * 10^exponent.
// digits holds the significant digits without leading or trailing zeros;
// it is empty for zero.
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;

    bool isZero() const { return digits.empty(); }
    // The power of ten of the leading digit; meaningless for zero.
    std::int64_t magnitude() const { return std::int64_t(digits.size()) - 1 + exponent; }
};

// The number digits * 10^lastExponent, without its leading and trailing zeros.
DecimalNumber Normalised(bool negative, std::string digits, std::int64_t lastExponent);

enum class ReadStatus { Blank, Number, NotANumber };

// The number read is number / denominator.
struct ReadResult {
    ReadStatus status = ReadStatus::Blank;
    DecimalNumber number;
    DecimalNumber denominator{false, "1", 0};

    bool hasFractionBar() const { return denominator.digits != "1" || denominator.exponent != 0; }
};

// Reads a whole text (UTF-8) as one number: blanks, a sign, digits (in the
// integer part, groups of three after single blanks may follow the first
// one to three) with at most one decimal point or comma, an exponent or a
// fraction bar and a positive number without sign or exponent, blanks.
// U+2212 and U+2013 are minus signs, U+00A0, U+202F and U+2009 blanks;
// U+200B, U+FEFF and a closing line break are left out. Independent of the
// locale.
ReadResult ReadNumber(std::string_view text);

// Whether a decimal is written in full or as digits times a power of ten.
enum class Notation { Fixed, PowerOfTen };

// The one rule every text of a rounded number follows, that of %G: a power
// of ten where the leading digit's power of ten lies below -4 or reaches
// DIGITS, the significant digits the text may show.
Notation NotationFor(const DecimalNumber& rounded, int digits);

// A decimal cut once into what every way of writing it has: the digits
// before and after the point, and the power of ten they are multiplied by
// (0 where fixed). Zero is whole "0".
struct DecimalParts {
    bool negative = false;
    std::string whole;
    std::string fraction;
    Notation notation = Notation::Fixed;
    std::int64_t power = 0;
};

DecimalParts SplitDecimal(const DecimalNumber& n, Notation notation);

// The text of a number already rounded to PRECISION significant digits, as
// %G writes it: 1.5, 0.0001, 2.5E-05, 1.79769313486232E+308; no trailing
// zeros; led by "-" or by one blank, so zero is " 0" whatever its sign.
std::string DecimalToText(const DecimalNumber& rounded, int precision);

}  // namespace solver
