#include "platform/ado/sqlite/ParametrizadorSqlite.h"

#include "platform/ado/dialect/VistaSql.h"

#include <cmath>
#include <iterator>
#include <string>
#include <vector>

namespace ado::sqlite {
namespace {

using dialecto::TokenSql;
using Tipo = TokenSql::Tipo;

// What may stand right before a literal that is a value (and not a name written in quotes).
const char16_t kSimbolosValor[] = u"(,=<>+-*/%&|~";
const QLatin1String kSimbolosDoblesValor[] = {
    QLatin1String("=="), QLatin1String("<>"), QLatin1String("!="),
    QLatin1String("<="), QLatin1String(">="), QLatin1String("||"),
};
const QLatin1String kPalabrasValor[] = {
    QLatin1String("AND"),    QLatin1String("OR"),      QLatin1String("NOT"),    QLatin1String("IS"),
    QLatin1String("LIKE"),   QLatin1String("GLOB"),    QLatin1String("REGEXP"), QLatin1String("MATCH"),
    QLatin1String("ESCAPE"), QLatin1String("BETWEEN"), QLatin1String("CASE"),   QLatin1String("WHEN"),
    QLatin1String("THEN"),   QLatin1String("ELSE"),    QLatin1String("WHERE"),  QLatin1String("LIMIT"),
    QLatin1String("OFFSET"),
};
// Words that make a statement unfit: its result could depend on the plan or on the literal itself.
const QLatin1String kPalabrasVetadas[] = {
    QLatin1String("SELECT"),
    QLatin1String("ORDER"),
    QLatin1String("GROUP"),
    QLatin1String("RETURNING"),
};

enum class Literal { Valor, Texto, Rechazo };

// "12.5" → 12.5 when a double holds the decimal value exactly: at most 15 significant digits (an
// exact integer) over a power of ten whose fives divide it, so the result is a plain binary fraction.
// Any correct conversion, the database's included, gives that same double.
std::optional<double> realExacto(QStringView t)
{
    const qsizetype punto = t.indexOf(u'.');
    qsizetype fin = t.size();
    while (fin > punto + 1 && t[fin - 1] == u'0')
        --fin;
    qint64 mantisa = 0;
    int cifras = 0;
    int decimales = 0;
    for (qsizetype i = 0; i < fin; ++i) {
        if (i == punto)
            continue;
        const int d = t[i].unicode() - u'0';
        if (mantisa == 0 && d == 0 && cifras == 0) {
            decimales += i > punto;
            continue;
        }
        if (++cifras > 15)
            return std::nullopt;
        mantisa = mantisa * 10 + d;
        decimales += i > punto;
    }
    if (mantisa == 0)
        return 0.0;
    qint64 cincos = 1;
    for (int i = 0; i < decimales; ++i) {
        if (cincos > mantisa)
            return std::nullopt;
        cincos *= 5;
    }
    if (mantisa % cincos != 0)
        return std::nullopt;
    return std::ldexp(static_cast<double>(mantisa / cincos), -decimales);
}

// The value of a number token; Texto for a real kept as written.
Literal numero(QStringView t, QVariant& valor)
{
    qsizetype puntos = 0;
    for (const QChar c : t) {
        if (c == u'.')
            ++puntos;
        else if (c < u'0' || c > u'9')
            return Literal::Rechazo;
    }
    if (puntos == 0) {
        bool cabe = false;
        const qlonglong entero = t.toLongLong(&cabe);
        if (!cabe)
            return Literal::Rechazo;
        valor = entero;
        return Literal::Valor;
    }
    if (puntos > 1 || t.size() == 1)
        return Literal::Rechazo;
    const auto real = realExacto(t);
    if (!real)
        return Literal::Texto;
    valor = *real;
    return Literal::Valor;
}

class Recorrido {
public:
    explicit Recorrido(QStringView t) : v_(t) { }

    std::optional<SentenciaParametrizada> parametriza()
    {
        for (const TokenSql& tk : v_.tokens()) {
            if (tk.abierto)
                return std::nullopt;
        }
        if (v_.size() == 0)
            return std::nullopt;
        const bool insercion = v_.es(0, QLatin1String("INSERT"));
        if (!insercion && !v_.esAlguna(0, {QLatin1String("UPDATE"), QLatin1String("DELETE")}))
            return std::nullopt;
        bool trasValores = !insercion;
        bool enSet = false;
        std::vector<qsizetype> literales;
        SentenciaParametrizada resultado;
        for (qsizetype k = 0; k < v_.size(); ++k) {
            const TokenSql& tk = v_.token(k);
            const QStringView s = v_.texto(k);
            switch (tk.tipo) {
            case Tipo::Palabra: {
                if (s[0] == u'@' || s[0] == u'#')
                    return std::nullopt;
                for (const QLatin1String& vetada : kPalabrasVetadas) {
                    if (v_.es(k, vetada))
                        return std::nullopt;
                }
                if (v_.es(k, QLatin1String("AS")) && v_.token(k + 1).tipo == Tipo::Palabra
                    && v_.esSimbolo(k + 2, QLatin1String("(")))
                    return std::nullopt;
                if (v_.profundidad(k) == 0) {
                    if (v_.es(k, QLatin1String("VALUES")))
                        trasValores = true;
                    else if (v_.es(k, QLatin1String("SET")))
                        enSet = true;
                    else if (v_.esAlguna(k, {QLatin1String("WHERE"), QLatin1String("FROM")}))
                        enSet = false;
                }
                break;
            }
            case Tipo::Simbolo:
                if (s == u"?" || s == u":" || s == u"$")
                    return std::nullopt;
                // A row of names assigned at once: SET (a, b) = (...).
                if (s == u"(" && enSet && v_.profundidad(k) == 0
                    && (v_.es(k - 1, QLatin1String("SET")) || v_.esSimbolo(k - 1, QLatin1String(","))))
                    return std::nullopt;
                break;
            case Tipo::Cadena: {
                if (tk.nacional || !trasValores || !tomaValor(k - 1) || v_.esSimbolo(k + 1, QLatin1String("."))
                    || (v_.esSimbolo(k + 1, QLatin1String("="))
                        && (v_.esSimbolo(k - 1, QLatin1String(",")) || v_.esSimbolo(k - 1, QLatin1String("(")))))
                    return std::nullopt;
                literales.push_back(v_.indice(k));
                const QString valor = v_.cadena(k);
                resultado.valores.append(valor.isNull() ? QStringLiteral("") : valor); // a null text binds NULL
                break;
            }
            case Tipo::Numero: {
                QVariant valor;
                const Literal clase = numero(s, valor);
                if (clase == Literal::Rechazo || !tomaValor(k - 1))
                    return std::nullopt;
                if (clase == Literal::Valor) {
                    literales.push_back(v_.indice(k));
                    resultado.valores.append(valor);
                }
                break;
            }
            case Tipo::CadenaDolar:
                return std::nullopt;
            default:
                break;
            }
            if (literales.size() > ParametrizadorSqlite::kMaximoLiterales)
                return std::nullopt;
        }
        resultado.forma = forma(literales);
        // Qt reads ":name" as a named parameter anywhere outside quotes, comments included.
        if (resultado.forma.contains(u':'))
            return std::nullopt;
        return resultado;
    }

private:
    // Whether a literal after token k is a value.
    bool tomaValor(qsizetype k) const
    {
        if (!v_.existe(k))
            return false;
        const TokenSql& tk = v_.token(k);
        if (tk.tipo == Tipo::Simbolo) {
            const QStringView s = v_.texto(k);
            if (s.size() == 1)
                return std::char_traits<char16_t>::find(kSimbolosValor, std::size(kSimbolosValor) - 1, s[0].unicode());
            for (const QLatin1String& doble : kSimbolosDoblesValor) {
                if (s == doble)
                    return true;
            }
        } else if (tk.tipo == Tipo::Palabra) {
            for (const QLatin1String& p : kPalabrasValor) {
                if (v_.es(k, p))
                    return true;
            }
        }
        return false;
    }
    QString forma(const std::vector<qsizetype>& literales) const
    {
        const QStringView t = v_.textoCompleto();
        QString forma;
        forma.reserve(t.size());
        qsizetype desde = 0;
        for (const qsizetype i : literales) {
            const TokenSql& tk = v_.tokens()[i];
            forma += t.mid(desde, tk.inicio - desde);
            forma += u'?';
            desde = tk.inicio + tk.largo;
        }
        forma += t.mid(desde);
        return forma;
    }

    dialecto::VistaSql v_;
};

} // namespace

std::optional<SentenciaParametrizada> ParametrizadorSqlite::parametriza(QStringView sentencia)
{
    if (sentencia.contains(QChar(u'\0')))
        return std::nullopt;
    return Recorrido(sentencia).parametriza();
}

} // namespace ado::sqlite
