#pragma once

// A number as an answer writes it, read back by the tests on their own.
#include <QString>

#include <gmpxx.h>

// "−2", "2,5", "1/3", "1 000" (with a narrow no-break space).
inline mpq_class numberOf(QString text) {
    text.remove(QChar(0x202f));
    const bool negative = text.startsWith(QChar(0x2212));
    if (negative) text.remove(0, 1);
    mpq_class value;
    if (text.contains('/')) {
        value = mpq_class(text.section('/', 0, 0).toStdString() + "/" + text.section('/', 1).toStdString(), 10);
    } else {
        const QString whole = text.section(',', 0, 0), fraction = text.section(',', 1);
        value = mpq_class(mpz_class((whole + fraction).toStdString(), 10),
                          mpz_class("1" + std::string(std::size_t(fraction.size()), '0'), 10));
    }
    value.canonicalize();
    return negative ? mpq_class(-value) : value;
}
