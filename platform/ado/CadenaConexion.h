#pragma once

#include <QMap>
#include <QString>

#include <initializer_list>

namespace ado {

// A connection string taken apart: "key=value" items separated by ";". Keys ignore case and the
// blanks around "=" ("Database =x" names the key "database"); values are trimmed. A later item
// with the same key replaces an earlier one.
class CadenaConexion {
public:
    explicit CadenaConexion(const QString& texto = {});

    [[nodiscard]] const QString& texto() const { return texto_; }
    // The value of a key (any case), or "" when the key is absent.
    [[nodiscard]] QString valor(const QString& clave) const;
    [[nodiscard]] bool contiene(const QString& clave) const;
    // The value of "Provider".
    [[nodiscard]] QString proveedor() const { return valor(QStringLiteral("Provider")); }
    // The database file or name: "Database", else "Data Source", else "Initial Catalog".
    [[nodiscard]] QString baseDeDatos() const;
    // The value of the first of `claves` present in the string (even when empty), or "".
    [[nodiscard]] QString primero(std::initializer_list<const char*> claves) const;
    // The user: "UId", else "User Id", else "User".
    [[nodiscard]] QString usuario() const;
    // The password: "Pwd", else "Password".
    [[nodiscard]] QString clave() const;

    // A server's address as written: host, then optionally ":port" or ",port".
    struct Servidor {
        QString direccion; // as written
        QString anfitrion; // before the last ':' or ',', trimmed; "" when the string names none
        QString puerto; // after it, trimmed
        bool conPuerto = false; // whether a ':' or ',' follows the host
        // The host, with "", "." and "(local)" (any case) meaning this machine: "localhost".
        [[nodiscard]] QString anfitrionLocal() const;
        // The port as a number: `porDefecto` without a separator, 0 when the text is not 1 to 65535.
        [[nodiscard]] int numeroPuerto(int porDefecto) const;
    };
    // The first of "Server" and `otras` that holds a value, split into host and port.
    [[nodiscard]] Servidor servidor(std::initializer_list<const char*> otras = {"Host"}) const;

private:
    QString texto_;
    QMap<QString, QString> valores_; // keys in lower case
};

} // namespace ado
