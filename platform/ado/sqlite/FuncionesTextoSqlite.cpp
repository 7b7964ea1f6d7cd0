#include "platform/ado/sqlite/FuncionesTextoSqlite.h"

#include "platform/ado/dialect/FechasDialecto.h"
#include "platform/ado/sqlite/ArgumentosSqlite_p.h"
#include "runtime/Windows1252.h"

#include <algorithm>

namespace ado::sqlite {
namespace {

using namespace argumentos;

QString errorConversion(const QString& valor, const char* tipo)
{
    return QStringLiteral("Error de conversión al convertir el valor varchar '%1' al tipo de datos %2.")
        .arg(valor, QLatin1String(tipo));
}

QString errorLargo(const char* funcion)
{
    return QStringLiteral("Se ha pasado un parámetro de longitud no válido a la función %1.")
        .arg(QLatin1String(funcion));
}

std::optional<qlonglong> enteroDe(const QString& t)
{
    bool ok = false;
    const qlonglong n = t.trimmed().toLongLong(&ok);
    return ok ? std::optional<qlonglong>(n) : std::nullopt;
}

std::optional<double> realDe(const QString& t)
{
    bool ok = false;
    const double d = t.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

void suma(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_value* a = argv[0];
    sqlite3_value* b = argv[1];
    if (!esNumero(a) && !esNumero(b)) {
        daTexto(ctx, texto(a) + texto(b));
        return;
    }
    if (esNumero(a) && esNumero(b)) {
        sqlite3_int64 total = 0;
        if (sqlite3_value_type(a) == SQLITE_INTEGER && sqlite3_value_type(b) == SQLITE_INTEGER
            && !__builtin_add_overflow(sqlite3_value_int64(a), sqlite3_value_int64(b), &total))
            sqlite3_result_int64(ctx, total);
        else
            sqlite3_result_double(ctx, sqlite3_value_double(a) + sqlite3_value_double(b));
        return;
    }
    sqlite3_value* numero = esNumero(a) ? a : b;
    const QString t = texto(esNumero(a) ? b : a);
    if (dialecto::EsFechaAlmacenada(t)) {
        const auto momento = fecha(esNumero(a) ? b : a);
        const double dias = sqlite3_value_double(numero);
        daTexto(ctx, dialecto::FechaAlmacenada(momento->addMSecs(std::llround(dias * 86400000.0))));
        return;
    }
    if (sqlite3_value_type(numero) == SQLITE_INTEGER) {
        const auto n = enteroDe(t);
        if (!n)
            return daError(ctx, errorConversion(t, "int"));
        sqlite3_result_int64(ctx, *n + sqlite3_value_int64(numero));
        return;
    }
    const auto d = realDe(t);
    if (!d)
        return daError(ctx, errorConversion(t, "float"));
    sqlite3_result_double(ctx, *d + sqlite3_value_double(numero));
}

// LEFT and RIGHT: the first or last n characters.
template <bool Izquierda>
void extremo(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    const sqlite3_int64 n = sqlite3_value_int64(argv[1]);
    if (n < 0)
        return daError(ctx, errorLargo(Izquierda ? "left" : "right"));
    const QString t = texto(argv[0]);
    daTexto(ctx, Izquierda ? t.left(n) : t.right(n));
}

void subcadena(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    const sqlite3_int64 inicio = sqlite3_value_int64(argv[1]);
    const sqlite3_int64 largo = sqlite3_value_int64(argv[2]);
    if (largo < 0)
        return daError(ctx, errorLargo("substring"));
    const QString t = texto(argv[0]);
    // The characters from `inicio` to `inicio + largo - 1`, counted from 1, that the text has.
    const sqlite3_int64 desde = std::max<sqlite3_int64>(inicio, 1);
    const sqlite3_int64 hasta = std::min<sqlite3_int64>(inicio + largo, t.size() + 1);
    daTexto(ctx, hasta > desde ? t.mid(desde - 1, hasta - desde) : QString());
}

void replica(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    const sqlite3_int64 n = sqlite3_value_int64(argv[1]);
    const QString t = texto(argv[0]);
    if (n < 0 || n * std::max<qsizetype>(t.size(), 1) > 100'000'000)
        return sqlite3_result_null(ctx);
    daTexto(ctx, t.repeated(n));
}

void espacios(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    const sqlite3_int64 n = sqlite3_value_int64(argv[0]);
    if (n < 0 || n > 100'000'000)
        return sqlite3_result_null(ctx);
    daTexto(ctx, QString(n, u' '));
}

void caracter(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    const sqlite3_int64 n = sqlite3_value_int64(argv[0]);
    if (n < 0 || n > 255)
        return sqlite3_result_null(ctx);
    const char byte = static_cast<char>(n);
    daTexto(ctx, Windows1252::decodifica(QByteArrayView(&byte, 1)));
}

void codigo(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    const QString t = texto(argv[0]);
    if (t.isEmpty())
        return sqlite3_result_null(ctx);
    const char16_t c = t[0].unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return sqlite3_result_int(ctx, c);
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        const char b = static_cast<char>(byte);
        if (Windows1252::decodifica(QByteArrayView(&b, 1))[0] == QChar(c))
            return sqlite3_result_int(ctx, byte);
    }
    sqlite3_result_int(ctx, '?');
}

void redondeo(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    const int decimales = static_cast<int>(std::clamp<sqlite3_int64>(sqlite3_value_int64(argv[1]), -38, 38));
    const bool trunca = argc > 2 && sqlite3_value_int64(argv[2]) != 0;
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) {
        if (decimales >= 0)
            return sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
        return sqlite3_result_int64(ctx,
                                    std::llround(redondea(double(sqlite3_value_int64(argv[0])), decimales, trunca)));
    }
    const auto x = esNumero(argv[0]) ? std::optional<double>(sqlite3_value_double(argv[0])) : realDe(texto(argv[0]));
    if (!x)
        return daError(ctx, errorConversion(texto(argv[0]), "float"));
    sqlite3_result_double(ctx, redondea(*x, decimales, trunca));
}

void cadenaNumero(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv))
        return sqlite3_result_null(ctx);
    const auto x = esNumero(argv[0]) ? std::optional<double>(sqlite3_value_double(argv[0])) : realDe(texto(argv[0]));
    if (!x)
        return daError(ctx, errorConversion(texto(argv[0]), "float"));
    const int largo = argc > 1 ? static_cast<int>(sqlite3_value_int64(argv[1])) : 10;
    int decimales = argc > 2 ? static_cast<int>(std::clamp<sqlite3_int64>(sqlite3_value_int64(argv[2]), 0, 16)) : 0;
    if (largo <= 0 || largo > 8000)
        return sqlite3_result_null(ctx);
    QString t = QString::number(redondea(*x, decimales, false), 'f', decimales);
    while (t.size() > largo && decimales > 0) {
        --decimales;
        t = QString::number(redondea(*x, decimales, false), 'f', decimales);
    }
    daTexto(ctx, t.size() > largo ? QString(largo, u'*') : t.rightJustified(largo, u' '));
}

bool leeNumerico(QStringView t)
{
    t = t.trimmed();
    if (t.isEmpty())
        return false;
    qsizetype i = 0;
    const auto es = [&](std::initializer_list<char16_t> cs) {
        if (i >= t.size())
            return false;
        for (char16_t c : cs)
            if (t[i] == QChar(c))
                return true;
        return false;
    };
    if (es({u'$', u'€', u'£', u'¥'}))
        ++i;
    if (es({u'+', u'-'}))
        ++i;
    bool punto = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            continue;
        if (c == u',' && !punto)
            continue;
        if (c == u'.' && !punto) {
            punto = true;
            continue;
        }
        break;
    }
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E' || t[i] == u'd' || t[i] == u'D')) {
        ++i;
        if (es({u'+', u'-'}))
            ++i;
        const qsizetype digitos = i;
        while (i < t.size() && t[i].unicode() >= u'0' && t[i].unicode() <= u'9')
            ++i;
        if (i == digitos)
            return false;
    }
    return i == t.size();
}

void esNumerico(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_int(ctx, 0);
    sqlite3_result_int(ctx, esNumero(argv[0]) || leeNumerico(texto(argv[0])) ? 1 : 0);
}

} // namespace

void RegistraFuncionesTexto(sqlite3* conexion)
{
    if (!conexion)
        return;
    registra(conexion,
             {
                 {"KQ_SUMA", 2, suma},
                 {"KQ_LEFT", 2, extremo<true>},
                 {"KQ_RIGHT", 2, extremo<false>},
                 {"KQ_SUBSTRING", 3, subcadena},
                 {"KQ_REPLICATE", 2, replica},
                 {"KQ_SPACE", 1, espacios},
                 {"KQ_CHAR", 1, caracter},
                 {"KQ_ASCII", 1, codigo},
                 {"KQ_ISNUMERIC", 1, esNumerico},
                 {"KQ_ROUND", 2, redondeo},
                 {"KQ_ROUND", 3, redondeo},
                 {"KQ_STR", 1, cadenaNumero},
                 {"KQ_STR", 2, cadenaNumero},
                 {"KQ_STR", 3, cadenaNumero},
             });
}

} // namespace ado::sqlite
