#pragma once

#include "runtime/ErrorVB.h"

#include <QTest>

// The error that `llamada` raises; when it raises none, an error numbered 0. Tests that expect a failure
// compare its number and read its text: a call that succeeds then fails the comparison.
template <typename F>
[[nodiscard]] ErrorVB ErrorDe(F&& llamada)
{
    try {
        llamada();
    } catch (const ErrorVB& e) {
        return e;
    }
    return ErrorVB(0, QStringLiteral("ningún error"));
}

// Runs `llamada`, an ADO call that must succeed. When it raises an error, fails the test with the error's
// number, text and source; for a failure of the database these are the Errors collection's item, whose
// text is the database's own message. Without it the test would only report an unhandled exception.
#define VERIFICA_ADO(llamada)                                                                                          \
    do {                                                                                                               \
        const ErrorVB errorAdo_ = ErrorDe([&] { llamada; });                                                           \
        if (errorAdo_.numero() != 0)                                                                                   \
            QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(errorAdo_.what()), errorAdo_.origen()))); \
    } while (false)
