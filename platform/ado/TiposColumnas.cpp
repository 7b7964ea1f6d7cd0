#include "platform/ado/TiposColumnas.h"

#include "platform/ado/dialect/TokenizadorSql.h"

#include <QList>

#include <algorithm>

namespace ado {
namespace {

using dialecto::TokenSql;
using Tipo = TokenSql::Tipo;

// The significant tokens of a statement (blanks and comments left out) over its text.
class Piezas {
public:
    explicit Piezas(const QString& texto) : texto_(texto)
    {
        for (const TokenSql& t : dialecto::TokenizadorSql::divide(texto)) {
            if (t.tipo != Tipo::Espacio && t.tipo != Tipo::Comentario)
                tokens_.append(t);
        }
    }

    [[nodiscard]] qsizetype size() const { return tokens_.size(); }
    [[nodiscard]] const TokenSql& operator[](qsizetype k) const { return tokens_[k]; }
    [[nodiscard]] QStringView texto(qsizetype k) const
    {
        return QStringView(texto_).mid(tokens_[k].inicio, tokens_[k].largo);
    }
    [[nodiscard]] bool esPalabra(qsizetype k, const char* palabra) const
    {
        return k < size() && tokens_[k].tipo == Tipo::Palabra
            && texto(k).compare(QLatin1String(palabra), Qt::CaseInsensitive) == 0;
    }
    [[nodiscard]] bool esSimbolo(qsizetype k, char16_t simbolo) const
    {
        return k < size() && tokens_[k].tipo == Tipo::Simbolo && texto(k) == QStringView(&simbolo, 1);
    }
    [[nodiscard]] bool esNombre(qsizetype k) const
    {
        return k < size()
            && (tokens_[k].tipo == Tipo::Palabra || tokens_[k].tipo == Tipo::NombreCorchetes
                || tokens_[k].tipo == Tipo::NombreComillas);
    }
    // The token after the ")" that closes the "(" at `k`; -1 when it is never closed.
    [[nodiscard]] qsizetype trasParentesis(qsizetype k) const
    {
        int nivel = 0;
        for (; k < size(); ++k) {
            if (esSimbolo(k, u'('))
                ++nivel;
            else if (esSimbolo(k, u')') && --nivel == 0)
                return k + 1;
        }
        return -1;
    }

private:
    const QString& texto_;
    QList<TokenSql> tokens_;
};

struct Reemplazo {
    qsizetype inicio;
    qsizetype fin;
    QString texto;
};

// The column definition starting at token `k`: its type, when `cambio` changes it.
void tipoDeColumna(const Piezas& p, const QString& sentencia, qsizetype k, const CambioTipo& cambio,
                   QList<Reemplazo>& reemplazos)
{
    for (const char* restriccion : {"CONSTRAINT", "PRIMARY", "UNIQUE", "FOREIGN", "CHECK", "INDEX"}) {
        if (p.esPalabra(k, restriccion))
            return;
    }
    const qsizetype tipo = k + 1;
    if (!p.esNombre(k) || tipo >= p.size() || p[tipo].tipo != Tipo::Palabra)
        return;
    qsizetype fin = tipo + 1;
    QString medidas;
    if (p.esSimbolo(fin, u'(')) {
        const qsizetype tras = p.trasParentesis(fin);
        if (tras < 0)
            return;
        const qsizetype desde = p[fin].inicio + 1;
        medidas = sentencia.mid(desde, p[tras - 1].inicio - desde).trimmed();
        fin = tras;
    }
    if (const auto nuevo = cambio({p.texto(tipo).toString().toLower(), medidas}))
        reemplazos.append({p[tipo].inicio, p[fin - 1].inicio + p[fin - 1].largo, *nuevo});
}

} // namespace

QString CambiaTiposColumnas(const QString& sentencia, const CambioTipo& cambio)
{
    const Piezas p(sentencia);
    QList<Reemplazo> reemplazos;
    if (p.esPalabra(0, "CREATE") && p.esPalabra(1, "TABLE")) {
        qsizetype k = 2;
        while (k < p.size() && !p.esSimbolo(k, u'(') && !p.esPalabra(k, "AS"))
            ++k;
        if (!p.esSimbolo(k, u'('))
            return sentencia;
        int nivel = 0;
        for (qsizetype i = k; i < p.size(); ++i) {
            if (p.esSimbolo(i, u'(')) {
                if (++nivel == 1)
                    tipoDeColumna(p, sentencia, i + 1, cambio, reemplazos);
            } else if (p.esSimbolo(i, u')')) {
                if (--nivel == 0)
                    break;
            } else if (nivel == 1 && p.esSimbolo(i, u',')) {
                tipoDeColumna(p, sentencia, i + 1, cambio, reemplazos);
            }
        }
    } else if (p.esPalabra(0, "ALTER") && p.esPalabra(1, "TABLE")) {
        qsizetype k = 2;
        while (k < p.size() && !p.esPalabra(k, "ADD") && !p.esSimbolo(k, u'('))
            ++k;
        if (!p.esPalabra(k, "ADD"))
            return sentencia;
        ++k;
        if (p.esPalabra(k, "COLUMN"))
            ++k;
        tipoDeColumna(p, sentencia, k, cambio, reemplazos);
        for (qsizetype i = k; i < p.size(); ++i) {
            if (p.esSimbolo(i, u'(')) {
                const qsizetype tras = p.trasParentesis(i);
                if (tras < 0)
                    break;
                i = tras - 1;
            } else if (p.esSimbolo(i, u','))
                tipoDeColumna(p, sentencia, i + 1, cambio, reemplazos);
        }
    }
    QString resultado = sentencia;
    std::for_each(reemplazos.rbegin(), reemplazos.rend(),
                  [&](const Reemplazo& r) { resultado.replace(r.inicio, r.fin - r.inicio, r.texto); });
    return resultado;
}

} // namespace ado
