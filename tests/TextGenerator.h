#pragma once

#include <gmpxx.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

// A coefficient made by the generator, whose exact value is known without
// reading its text: mantissa * 10^exponent.
struct Known {
    long mantissa;
    int exponent;
    std::string text;

    mpq_class exact() const {
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, unsigned(std::abs(exponent)));
        mpq_class value(mantissa);
        if (exponent >= 0) return value * power;
        return value / power;
    }
};

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // A short decimal in any of the accepted spellings.
    Known number() {
        const int digits = 1 + below(7);
        long mantissa = below(9) + 1;
        for (int i = 1; i < digits; ++i) mantissa = mantissa * 10 + below(10);
        if (below(2)) mantissa = -mantissa;
        const int fraction = below(std::min(digits, 5));
        const int written = below(4) == 0 ? below(7) - 3 : 0;  // the exponent that is typed
        return {mantissa, written - fraction, spell(mantissa, fraction, written)};
    }

    // Anything at all: garbage, huge exponents, long texts, Unicode, control
    // characters and NUL.
    std::string anything() {
        switch (below(8)) {
        case 0: return number().text + junk(1 + below(3));
        case 1: return junk(below(12));
        case 2: return std::to_string(below(100)) + "e" + std::string(1 + below(30), char('0' + below(10)));
        case 3: return std::string(below(2) ? "-" : "") + "1e-" + std::to_string(300 + below(100));
        case 4: return std::string(1 + below(100'000), char('0' + below(10)));
        case 5: return below(2) ? "" : std::string(1 + below(5), ' ');
        case 6: return "1" + std::string(below(3) ? "," : ".") + std::string(below(400), '0') + "1";
        default: return number().text;
        }
    }

private:
    std::string spell(long mantissa, int fraction, int written) {
        std::string digits = std::to_string(std::abs(mantissa));
        std::string text;
        if (fraction > 0) {
            const std::string whole = digits.substr(0, digits.size() - fraction);
            const std::string separator = below(2) ? "," : ".";
            text = (whole.empty() && below(2) ? "0" : whole) + separator + digits.substr(whole.size());
        } else {
            text = digits;
        }
        if (written != 0 || below(10) == 0) {
            text += below(2) ? "e" : "E";
            if (written >= 0 && below(2)) text += "+";
            text += std::to_string(written);
        }
        const std::string sign = mantissa < 0 ? "-" : (below(4) == 0 ? "+" : "");
        return std::string(below(3) == 0 ? below(3) : 0, ' ') + sign + text +
               std::string(below(3) == 0 ? 1 : 0, '\t');
    }

    std::string junk(int length) {
        static const std::vector<std::string> pieces{
            "a", "x", "-", "+", ".", ",", "e", "E", " ", "\t", "\n", "\r", std::string(1, '\0'),
            "\x01", "\x7f", "ą", "ż", "€", "١", "\xc2\xa0", "\xff", "\xed\xa0\x80", "0x", "nan",
            "inf", "%", "1", "9"};
        std::string text;
        for (int i = 0; i < length; ++i) text += pieces[below(int(pieces.size()))];
        return text;
    }

    std::mt19937 random_;
};
