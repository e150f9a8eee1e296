// Reading and writing numbers: no crash, no undefined behaviour, and a read
// number spelled again reads back the same.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "solver/ExactReal.h"
#include "solver/NumberText.h"

using solver::DecimalNumber;
using solver::ReadStatus;

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

std::string spelled(const DecimalNumber& number) {
    std::string text = number.negative ? "-" : "";
    text += number.isZero() ? "0" : number.digits;
    return text + "e" + std::to_string(number.exponent);
}

void checkWriting(double value) {
    if (!std::isfinite(value)) return;
    const std::string text = solver::NumberToText(solver::BinaryValue(value), 15);
    require(text != "-0" && (text[0] == ' ' || text[0] == '-'));
    // Read back wider: 15 digits of the largest double lie just beyond it.
    long double back = 0;
    const char* start = text.data() + (text[0] == ' ' ? 1 : 0);
    const auto parsed = std::from_chars(start, text.data() + text.size(), back);
    require(parsed.ec == std::errc() && parsed.ptr == text.data() + text.size());
    require(std::abs(back - value) <= std::abs(value) * 1e-14L);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto read = solver::ReadNumber(text);
    if (read.status == ReadStatus::Number) {
        const DecimalNumber& number = read.number;
        require(number.digits.find_first_not_of("0123456789") == std::string::npos);
        require(number.isZero() || (number.digits.front() != '0' && number.digits.back() != '0'));
        const auto again = solver::ReadNumber(spelled(number));
        require(again.status == ReadStatus::Number && again.number.digits == number.digits);
        // Exponents saturate far beyond any double; only below that must they match.
        const bool saturated = std::abs(number.exponent) > 100'000'000'000'000;
        require(number.isZero() || saturated || again.number.exponent == number.exponent);
    }
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkWriting(value);
    }
    return 0;
}
