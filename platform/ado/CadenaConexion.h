#pragma once

#include <QMap>
#include <QString>

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

private:
    QString texto_;
    QMap<QString, QString> valores_; // keys in lower case
};

} // namespace ado
