#pragma once

#include "platform/ado/Errors.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <exception>

namespace ado {

// What a backend throws when a call fails. The Connection turns it into an entry of its Errors
// and raises the error model's ErrorVB with the same number and description.
class FalloProveedor : public std::exception {
public:
    explicit FalloProveedor(Error error) : error_(std::move(error)), texto_(error_.Description.toUtf8()) { }
    // A failure of the provider's own (a bad call, a missing file or driver), not the engine's:
    // NativeError 0 and the provider's name `origen` as source.
    [[nodiscard]] static FalloProveedor Propio(const QString& origen, int32_t numero, const QString& descripcion,
                                               const QString& estado = QStringLiteral("HY000"))
    {
        return FalloProveedor(Error{estado, numero, descripcion, 0, origen});
    }
    [[nodiscard]] const Error& error() const noexcept { return error_; }
    [[nodiscard]] const char* what() const noexcept override { return texto_.constData(); }

private:
    Error error_;
    QByteArray texto_;
};

} // namespace ado
