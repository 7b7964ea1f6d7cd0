#pragma once

#include "platform/ado/sqlite/FuncionesSqlite.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sqlite3.h>

// A temporary SQLite file opened with the C API and the dialect's functions registered, as the
// provider opens its connections. `filas` gives every row as its columns joined by "|", rows by ",",
// NULL as "NULL"; an error gives "ERROR: " and the database's message.
class BaseDialectoPrueba {
public:
    BaseDialectoPrueba()
    {
        sqlite3_open_v2(dir_.filePath(QStringLiteral("dialecto.db")).toUtf8().constData(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        ado::sqlite::RegistraFuncionesDialecto(db_);
    }
    ~BaseDialectoPrueba() { sqlite3_close_v2(db_); }
    BaseDialectoPrueba(const BaseDialectoPrueba&) = delete;
    BaseDialectoPrueba& operator=(const BaseDialectoPrueba&) = delete;

    QString filas(const QString& sql) const
    {
        sqlite3_stmt* st = nullptr;
        const QByteArray texto = sql.toUtf8();
        if (sqlite3_prepare_v2(db_, texto.constData(), -1, &st, nullptr) != SQLITE_OK)
            return QStringLiteral("ERROR: ") + QString::fromUtf8(sqlite3_errmsg(db_));
        QStringList filas;
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            QStringList columnas;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                const auto* v = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                columnas << (v ? QString::fromUtf8(v) : QStringLiteral("NULL"));
            }
            filas << columnas.join(u'|');
        }
        const QString error = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_finalize(st);
        return rc == SQLITE_DONE ? filas.join(u',') : QStringLiteral("ERROR: ") + error;
    }

    [[nodiscard]] QString ruta() const { return dir_.filePath(QStringLiteral("dialecto.db")); }

private:
    QTemporaryDir dir_;
    sqlite3* db_ = nullptr;
};
