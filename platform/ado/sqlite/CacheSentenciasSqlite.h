#pragma once

#include <QHash>
#include <QString>

#include <list>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace ado::sqlite {

// The prepared statements of one connection, by their text, keeping the most recently used ones
// (at most `capacidad`). The owner resets each statement after running it, so that none holds the
// database between calls, and empties the cache before the connection closes and whenever the
// schema changes.
class CacheSentenciasSqlite {
public:
    explicit CacheSentenciasSqlite(int capacidad = 32);
    ~CacheSentenciasSqlite();
    CacheSentenciasSqlite(const CacheSentenciasSqlite&) = delete;
    CacheSentenciasSqlite& operator=(const CacheSentenciasSqlite&) = delete;

    // The statement prepared from `texto` on `base`: the cached one, or a new one that goes in
    // (finalising the least recently used when the cache is full). nullptr, with nothing cached,
    // when `texto` does not prepare into exactly one statement.
    [[nodiscard]] sqlite3_stmt* prepara(sqlite3* base, const QString& texto);
    // Finalises and drops the statement of `texto`, if cached.
    void descarta(const QString& texto);
    void vacia();
    [[nodiscard]] int tamano() const;
    [[nodiscard]] bool contiene(const QString& texto) const;

private:
    struct Finaliza {
        void operator()(sqlite3_stmt* sentencia) const;
    };
    struct Entrada {
        QString texto;
        std::unique_ptr<sqlite3_stmt, Finaliza> sentencia;
    };
    int capacidad_;
    std::list<Entrada> entradas_; // most recently used first
    QHash<QString, std::list<Entrada>::iterator> indice_;
};

} // namespace ado::sqlite
