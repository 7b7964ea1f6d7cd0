#pragma once

#include "platform/ado/CadenaConexion.h"

#include <QList>
#include <QString>

#include <utility>

namespace ado::postgresql {

// The encryption of the link to the server. libpq encrypts whenever the server offers it
// (sslmode "prefer"); an administrator requires it, and has the server's certificate checked, with
// sslmode "require", "verify-ca" (signed by the root certificate) or "verify-full" (signed, and
// issued to the host name the desk connects to), and names the root certificate with sslrootcert
// (default ~/.postgresql/root.crt).

// The connection string's "SslMode", "SslRootCert", "SslCert", "SslKey" and "SslCrl" items that
// are present (any case, even when empty), each under libpq's name for it ("sslmode"...).
[[nodiscard]] QList<std::pair<QString, QString>> ItemsTls(const CadenaConexion& cadena);

// The items of ItemsTls as libpq connection options, each one ";"-led and its value quoted ("" when none is given, so
// libpq's environment variables and default files decide).
[[nodiscard]] QString OpcionesTls(const CadenaConexion& cadena);

// A Spanish explanation of a failure of the encrypted link in libpq's message `mensaje` (a
// certificate not issued to the host, not signed by the root certificate, a missing root
// certificate, a server without encryption when it is required); "" for any other failure.
[[nodiscard]] QString DescripcionFalloTls(const QString& mensaje);

} // namespace ado::postgresql
