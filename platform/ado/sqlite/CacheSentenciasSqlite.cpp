#include "platform/ado/sqlite/CacheSentenciasSqlite.h"

#include <sqlite3.h>

namespace ado::sqlite {

void CacheSentenciasSqlite::Finaliza::operator()(sqlite3_stmt* sentencia) const
{
    sqlite3_finalize(sentencia);
}

CacheSentenciasSqlite::CacheSentenciasSqlite(int capacidad) : capacidad_(capacidad < 1 ? 1 : capacidad) { }

CacheSentenciasSqlite::~CacheSentenciasSqlite() = default;

sqlite3_stmt* CacheSentenciasSqlite::prepara(sqlite3* base, const QString& texto)
{
    const auto hallada = indice_.constFind(texto);
    if (hallada != indice_.constEnd()) {
        entradas_.splice(entradas_.begin(), entradas_, *hallada);
        return entradas_.front().sentencia.get();
    }
    sqlite3_stmt* crudo = nullptr;
    const void* resto = nullptr;
    const int rc = sqlite3_prepare16_v2(base, texto.utf16(), int(texto.size() * sizeof(char16_t)), &crudo, &resto);
    std::unique_ptr<sqlite3_stmt, Finaliza> sentencia(crudo);
    if (rc != SQLITE_OK || !sentencia)
        return nullptr;
    const auto* inicio = reinterpret_cast<const char16_t*>(texto.utf16());
    if (!QStringView(static_cast<const char16_t*>(resto), inicio + texto.size()).trimmed().isEmpty())
        return nullptr; // a second statement follows
    if (int(entradas_.size()) >= capacidad_) {
        indice_.remove(entradas_.back().texto);
        entradas_.pop_back();
    }
    entradas_.push_front(Entrada{texto, std::move(sentencia)});
    indice_.insert(texto, entradas_.begin());
    return entradas_.front().sentencia.get();
}

void CacheSentenciasSqlite::descarta(const QString& texto)
{
    const auto hallada = indice_.find(texto);
    if (hallada == indice_.end())
        return;
    entradas_.erase(*hallada);
    indice_.erase(hallada);
}

void CacheSentenciasSqlite::vacia()
{
    indice_.clear();
    entradas_.clear();
}

int CacheSentenciasSqlite::tamano() const
{
    return int(entradas_.size());
}

bool CacheSentenciasSqlite::contiene(const QString& texto) const
{
    return indice_.contains(texto);
}

} // namespace ado::sqlite
