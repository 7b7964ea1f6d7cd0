#include "platform/ado/sqlite/FuncionesFechaSqlite.h"

#include "platform/ado/dialect/FechasDialecto.h"
#include "platform/ado/sqlite/ArgumentosSqlite_p.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace ado::sqlite {

namespace {

// Whether `t` follows the start of `forma` to its own length, a digit wherever `forma` has a "0".
bool conForma(QStringView t, QStringView forma)
{
    if (t.size() > forma.size())
        return false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const bool cifra = forma[i] == u'0';
        if (cifra ? !(t[i] >= u'0' && t[i] <= u'9') : t[i] != forma[i])
            return false;
    }
    return true;
}

} // namespace

std::optional<QDateTime> argumentos::fecha(sqlite3_value* v)
{
    if (esNumero(v)) {
        const QDateTime base(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC);
        return base.addMSecs(std::llround(sqlite3_value_double(v) * 86400000.0));
    }
    if (sqlite3_value_type(v) != SQLITE_TEXT)
        return std::nullopt;
    const auto leida = dialecto::LeeFecha(texto(v));
    if (!leida)
        return std::nullopt;
    return QDateTime(leida->date(), leida->time(), Qt::UTC);
}

namespace {

using namespace argumentos;

enum class Parte {
    Anio,
    Trimestre,
    Mes,
    DiaAnio,
    Dia,
    Semana,
    SemanaIso,
    DiaSemana,
    Hora,
    Minuto,
    Segundo,
    Milisegundo,
    Microsegundo,
    Nanosegundo
};

std::optional<Parte> parte(const QString& nombre)
{
    static const struct {
        Parte parte;
        QLatin1String nombres[3];
    } kPartes[] = {
        {Parte::Anio, {QLatin1String("year"), QLatin1String("yy"), QLatin1String("yyyy")}},
        {Parte::Trimestre, {QLatin1String("quarter"), QLatin1String("qq"), QLatin1String("q")}},
        {Parte::Mes, {QLatin1String("month"), QLatin1String("mm"), QLatin1String("m")}},
        {Parte::DiaAnio, {QLatin1String("dayofyear"), QLatin1String("dy"), QLatin1String("y")}},
        {Parte::Dia, {QLatin1String("day"), QLatin1String("dd"), QLatin1String("d")}},
        {Parte::Semana, {QLatin1String("week"), QLatin1String("wk"), QLatin1String("ww")}},
        {Parte::SemanaIso, {QLatin1String("iso_week"), QLatin1String("isowk"), QLatin1String("isoww")}},
        {Parte::DiaSemana, {QLatin1String("weekday"), QLatin1String("dw"), QLatin1String("w")}},
        {Parte::Hora, {QLatin1String("hour"), QLatin1String("hh"), QLatin1String("hh")}},
        {Parte::Minuto, {QLatin1String("minute"), QLatin1String("mi"), QLatin1String("n")}},
        {Parte::Segundo, {QLatin1String("second"), QLatin1String("ss"), QLatin1String("s")}},
        {Parte::Milisegundo, {QLatin1String("millisecond"), QLatin1String("ms"), QLatin1String("ms")}},
        {Parte::Microsegundo, {QLatin1String("microsecond"), QLatin1String("mcs"), QLatin1String("mcs")}},
        {Parte::Nanosegundo, {QLatin1String("nanosecond"), QLatin1String("ns"), QLatin1String("ns")}},
    };
    const QString buscado = nombre.trimmed();
    for (const auto& p : kPartes)
        for (const QLatin1String& n : p.nombres)
            if (buscado.compare(n, Qt::CaseInsensitive) == 0)
                return p.parte;
    return std::nullopt;
}

const QString kFechaIlegible
    = QStringLiteral("Error de conversión al convertir una fecha u hora a partir de una cadena de caracteres.");

// The part and the dates of a call, or false after giving NULL or the error.
bool lee(sqlite3_context* ctx, int argc, sqlite3_value** argv, int primeraFecha, Parte* p, QDateTime* fechas)
{
    if (algunNulo(argc, argv)) {
        sqlite3_result_null(ctx);
        return false;
    }
    if (p) {
        const auto leida = parte(texto(argv[0]));
        if (!leida) {
            daError(ctx, QStringLiteral("'%1' no es una parte de fecha reconocida.").arg(texto(argv[0])));
            return false;
        }
        *p = *leida;
    }
    for (int i = primeraFecha; i < argc; ++i) {
        const auto f = fecha(argv[i]);
        if (!f) {
            daError(ctx, kFechaIlegible);
            return false;
        }
        fechas[i - primeraFecha] = *f;
    }
    return true;
}

int parteDe(Parte p, const QDateTime& f)
{
    const QDate d = f.date();
    switch (p) {
    case Parte::Anio:
        return d.year();
    case Parte::Trimestre:
        return (d.month() - 1) / 3 + 1;
    case Parte::Mes:
        return d.month();
    case Parte::DiaAnio:
        return d.dayOfYear();
    case Parte::Dia:
        return d.day();
    case Parte::Semana:
        return (d.dayOfYear() - 1 + QDate(d.year(), 1, 1).dayOfWeek() - 1) / 7 + 1;
    case Parte::SemanaIso:
        return d.weekNumber();
    case Parte::DiaSemana:
        return d.dayOfWeek();
    case Parte::Hora:
        return f.time().hour();
    case Parte::Minuto:
        return f.time().minute();
    case Parte::Segundo:
        return f.time().second();
    case Parte::Milisegundo:
        return f.time().msec();
    case Parte::Microsegundo:
        return f.time().msec() * 1000;
    case Parte::Nanosegundo:
        return f.time().msec() * 1000000;
    }
    return 0;
}

template <Parte P>
void parteFija(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    QDateTime f;
    if (lee(ctx, argc, argv, 0, nullptr, &f))
        sqlite3_result_int(ctx, parteDe(P, f));
}

void partePedida(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    Parte p{};
    QDateTime f;
    if (lee(ctx, argc, argv, 1, &p, &f))
        sqlite3_result_int(ctx, parteDe(p, f));
}

// The server's refusal of a part that a function does not take for a datetime.
QString parteNoAdmitida(sqlite3_value* parte, const char* funcion)
{
    return QStringLiteral("La parte de fecha %1 no se admite en la función %2 para el tipo de datos datetime.")
        .arg(texto(parte).trimmed().toLower(), QLatin1String(funcion));
}

// DATENAME: Spanish month and weekday names in lower case, the number of any other part as text.
void nombreParte(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    static const char* const kMeses[] = {"enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
                                         "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};
    static const char* const kDias[] = {"lunes", "martes", "miércoles", "jueves", "viernes", "sábado", "domingo"};
    Parte p{};
    QDateTime f;
    if (!lee(ctx, argc, argv, 1, &p, &f))
        return;
    if (p == Parte::Mes)
        return daTexto(ctx, QString::fromUtf8(kMeses[f.date().month() - 1]));
    if (p == Parte::DiaSemana)
        return daTexto(ctx, QString::fromUtf8(kDias[f.date().dayOfWeek() - 1]));
    daTexto(ctx, QString::number(parteDe(p, f)));
}

void suma(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    Parte p{};
    QDateTime f[2];
    // The count is the second argument: read the date alone.
    sqlite3_value* fechaYCuenta[] = {argv[0], argv[2]};
    if (algunNulo(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    if (!lee(ctx, 2, fechaYCuenta, 1, &p, f))
        return;
    const qint64 n = sqlite3_value_int64(argv[1]);
    QDateTime r;
    switch (p) {
    case Parte::Anio:
        r = f[0].addYears(int(n));
        break;
    case Parte::Trimestre:
        r = f[0].addMonths(int(n * 3));
        break;
    case Parte::Mes:
        r = f[0].addMonths(int(n));
        break;
    case Parte::DiaAnio:
    case Parte::Dia:
    case Parte::DiaSemana:
        r = f[0].addDays(n);
        break;
    case Parte::Semana:
        r = f[0].addDays(n * 7);
        break;
    case Parte::Hora:
        r = f[0].addSecs(n * 3600);
        break;
    case Parte::Minuto:
        r = f[0].addSecs(n * 60);
        break;
    case Parte::Segundo:
        r = f[0].addSecs(n);
        break;
    case Parte::Milisegundo:
        r = f[0].addMSecs(n);
        break;
    case Parte::SemanaIso:
    case Parte::Microsegundo:
    case Parte::Nanosegundo:
        return daError(ctx, parteNoAdmitida(argv[0], "dateadd"));
    }
    // A time alone stays a time, the day left behind.
    daTexto(ctx, dialecto::EsHoraSola(texto(argv[2])) ? textoHora(r) : textoFecha(r));
}

qint64 milisegundos(const QDateTime& f)
{
    return f.date().toJulianDay() * 86400000LL + f.time().msecsSinceStartOfDay();
}

void diferencia(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    Parte p{};
    QDateTime f[2];
    if (!lee(ctx, argc, argv, 1, &p, f))
        return;
    const QDate a = f[0].date();
    const QDate b = f[1].date();
    qint64 r = 0;
    switch (p) {
    case Parte::Anio:
        r = b.year() - a.year();
        break;
    case Parte::Trimestre:
        r = (b.year() * 4 + (b.month() - 1) / 3) - (a.year() * 4 + (a.month() - 1) / 3);
        break;
    case Parte::Mes:
        r = (b.year() * 12 + b.month()) - (a.year() * 12 + a.month());
        break;
    case Parte::DiaAnio:
    case Parte::Dia:
    case Parte::DiaSemana:
        r = a.daysTo(b);
        break;
    case Parte::Semana:
        r = (b.toJulianDay() + 1) / 7 - (a.toJulianDay() + 1) / 7;
        break;
    case Parte::Hora:
        r = milisegundos(f[1]) / 3600000 - milisegundos(f[0]) / 3600000;
        break;
    case Parte::Minuto:
        r = milisegundos(f[1]) / 60000 - milisegundos(f[0]) / 60000;
        break;
    case Parte::Segundo:
        r = milisegundos(f[1]) / 1000 - milisegundos(f[0]) / 1000;
        break;
    case Parte::Milisegundo:
        r = milisegundos(f[1]) - milisegundos(f[0]);
        break;
    case Parte::Microsegundo:
    case Parte::Nanosegundo: {
        // More milliseconds than an int holds are more micro- or nanoseconds too: refused below
        // before the product can overflow.
        const qint64 ms = milisegundos(f[1]) - milisegundos(f[0]);
        r = std::abs(ms) > std::numeric_limits<int>::max() ? ms : ms * (p == Parte::Microsegundo ? 1000 : 1000000);
        break;
    }
    case Parte::SemanaIso:
        return daError(ctx, parteNoAdmitida(argv[0], "datediff"));
    }
    // The server's DATEDIFF gives an int and refuses a count that does not fit in one.
    if (r < std::numeric_limits<int>::min() || r > std::numeric_limits<int>::max())
        return daError(ctx,
                       QStringLiteral("La función datediff produjo un desbordamiento. El número de partes de fecha "
                                      "que separan dos instancias de fecha u hora es demasiado grande. Intente "
                                      "usar datediff con una parte de fecha menos precisa."));
    sqlite3_result_int(ctx, static_cast<int>(r));
}

// A type as written in CAST or CONVERT: its name and the numbers in parentheses.
struct TipoDestino {
    QString nombre;
    QList<int> medidas;
    bool maximo = false;
};

TipoDestino leeTipo(const QString& texto)
{
    TipoDestino tipo;
    const qsizetype parentesis = texto.indexOf(u'(');
    tipo.nombre = texto.left(parentesis).trimmed().toLower();
    if (parentesis >= 0) {
        const QString dentro = texto.mid(parentesis + 1).section(u')', 0, 0);
        for (const QString& medida : dentro.split(u',')) {
            if (medida.trimmed().compare(QLatin1String("max"), Qt::CaseInsensitive) == 0)
                tipo.maximo = true;
            else
                tipo.medidas.append(medida.trimmed().toInt());
        }
    }
    return tipo;
}

bool es(const QString& nombre, std::initializer_list<const char*> nombres)
{
    return std::any_of(nombres.begin(), nombres.end(), [&](const char* n) { return nombre == QLatin1String(n); });
}

QString errorConversion(const QString& valor, const QString& tipo)
{
    return QStringLiteral("Error de conversión al convertir el valor varchar '%1' al tipo de datos %2.")
        .arg(valor, tipo);
}

// A date without its time, as CAST(x AS date) gives it: "2017-08-25".
bool esDiaSolo(QStringView t)
{
    return t.size() == 10 && conForma(t, u"0000-00-00");
}

std::optional<QString> conEstilo(const QDateTime& f, int estilo)
{
    switch (estilo) {
    case 0:
    case 100:
        return textoFecha(f);
    case 3:
        return f.toString(QStringLiteral("dd/MM/yy"));
    case 103:
        return f.toString(QStringLiteral("dd/MM/yyyy"));
    case 4:
        return f.toString(QStringLiteral("dd.MM.yy"));
    case 104:
        return f.toString(QStringLiteral("dd.MM.yyyy"));
    case 8:
    case 108:
        return f.toString(QStringLiteral("HH:mm:ss"));
    case 12:
        return f.toString(QStringLiteral("yyMMdd"));
    case 112:
        return f.toString(QStringLiteral("yyyyMMdd"));
    case 20:
    case 120:
        return f.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case 21:
    case 121:
        return f.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    default:
        return std::nullopt;
    }
}

// A style whose texts read day-first or in an unambiguous order, as every date text is read here.
bool estiloDiaPrimero(int estilo)
{
    static constexpr int kEstilos[] = {0, 100, 3, 103, 4, 104, 5, 105, 12, 112, 20, 120, 21, 121, 126};
    return std::find(std::begin(kEstilos), std::end(kEstilos), estilo) != std::end(kEstilos);
}

void convierte(sqlite3_context* ctx, const QString& tipoEscrito, sqlite3_value* v, std::optional<int> estilo)
{
    if (sqlite3_value_type(v) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const TipoDestino tipo = leeTipo(tipoEscrito);
    const bool numero = esNumero(v);
    const QString t = texto(v);
    if (es(tipo.nombre, {"int", "integer", "bigint", "smallint", "tinyint", "bit"})) {
        bool ok = numero;
        qlonglong n = sqlite3_value_type(v) == SQLITE_INTEGER
            ? sqlite3_value_int64(v)
            : static_cast<qlonglong>(std::trunc(sqlite3_value_double(v)));
        if (!numero)
            n = t.trimmed().toLongLong(&ok);
        if (!ok)
            return daError(ctx, errorConversion(t, tipo.nombre));
        if (tipo.nombre == QLatin1String("bit"))
            return sqlite3_result_int64(ctx, n != 0);
        const qlonglong minimo = tipo.nombre == QLatin1String("tinyint") ? 0
            : tipo.nombre == QLatin1String("smallint")                   ? -32768
            : tipo.nombre == QLatin1String("bigint")                     ? std::numeric_limits<qlonglong>::min()
                                                                         : std::numeric_limits<int32_t>::min();
        const qlonglong maximo = tipo.nombre == QLatin1String("tinyint") ? 255
            : tipo.nombre == QLatin1String("smallint")                   ? 32767
            : tipo.nombre == QLatin1String("bigint")                     ? std::numeric_limits<qlonglong>::max()
                                                                         : std::numeric_limits<int32_t>::max();
        if (n < minimo || n > maximo)
            return daError(
                ctx,
                QStringLiteral("Error de desbordamiento aritmético al convertir expression al tipo de datos %1.")
                    .arg(tipo.nombre));
        return sqlite3_result_int64(ctx, n);
    }
    if (es(tipo.nombre, {"float", "real", "decimal", "numeric", "money", "smallmoney"})) {
        bool ok = numero;
        double x = sqlite3_value_double(v);
        if (!numero)
            x = t.trimmed().toDouble(&ok);
        if (!ok)
            return daError(ctx, errorConversion(t, tipo.nombre));
        if (es(tipo.nombre, {"float", "real"}))
            return sqlite3_result_double(ctx, x);
        const int escala = tipo.nombre.endsWith(QLatin1String("money")) ? 4 : tipo.medidas.value(1, 0);
        if (escala == 0)
            return sqlite3_result_int64(ctx, std::llround(redondea(x, 0, false)));
        return sqlite3_result_double(ctx, redondea(x, escala, false));
    }
    if (es(tipo.nombre, {"varchar", "nvarchar", "char", "nchar", "text", "ntext", "sysname"})) {
        QString r = t;
        if (estilo && !numero && (dialecto::EsFechaAlmacenada(t) || esDiaSolo(t))) {
            const auto conFormato = conEstilo(*fecha(v), *estilo);
            if (!conFormato)
                return daError(
                    ctx, QStringLiteral("El estilo %1 no se admite al convertir una fecha en texto.").arg(*estilo));
            r = *conFormato;
        }
        const bool largo = !tipo.maximo && !es(tipo.nombre, {"text", "ntext"});
        const int medida = tipo.medidas.value(0, 30);
        if (largo)
            r.truncate(medida);
        if (largo && es(tipo.nombre, {"char", "nchar"}))
            r = r.leftJustified(medida, u' ');
        return daTexto(ctx, r);
    }
    if (es(tipo.nombre, {"datetime", "smalldatetime", "datetime2", "date", "time"})) {
        if (estilo && !numero && !dialecto::EsFechaAlmacenada(t) && !estiloDiaPrimero(*estilo))
            return daError(ctx,
                           QStringLiteral("El estilo %1 no se admite al convertir un texto en fecha.").arg(*estilo));
        auto f = fecha(v);
        if (!f)
            return daError(ctx, kFechaIlegible);
        if (tipo.nombre == QLatin1String("date"))
            return daTexto(ctx, f->toString(QStringLiteral("yyyy-MM-dd")));
        if (tipo.nombre == QLatin1String("time"))
            return daTexto(ctx, f->toString(QStringLiteral("HH:mm:ss")));
        if (tipo.nombre == QLatin1String("smalldatetime")) {
            const int resto = f->time().second() * 1000 + f->time().msec();
            *f = f->addMSecs(resto >= 29999 ? 60000 - resto : -resto);
        }
        // datetime keeps three-hundredths of a second, which its stored form rounds to.
        return daTexto(ctx, tipo.nombre == QLatin1String("datetime") ? dialecto::FechaAlmacenada(*f) : textoFecha(*f));
    }
    daError(ctx, QStringLiteral("El tipo de datos '%1' no se admite en una conversión.").arg(tipoEscrito));
}

void convert(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const bool hayEstilo = argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL;
    convierte(ctx, texto(argv[1]), argv[0],
              hayEstilo ? std::optional<int>(int(sqlite3_value_int64(argv[2]))) : std::nullopt);
}

} // namespace

void RegistraFuncionesFecha(sqlite3* conexion)
{
    if (!conexion)
        return;
    registra(conexion,
             {
                 {"KQ_YEAR", 1, parteFija<Parte::Anio>},
                 {"KQ_MONTH", 1, parteFija<Parte::Mes>},
                 {"KQ_DAY", 1, parteFija<Parte::Dia>},
                 {"KQ_DATEPART", 2, partePedida},
                 {"KQ_DATEADD", 3, suma},
                 {"KQ_DATEDIFF", 3, diferencia},
                 {"KQ_CONVERT", 2, convert},
                 {"KQ_CONVERT", 3, convert},
                 {"KQ_DATENAME", 2, nombreParte},
             });
}

} // namespace ado::sqlite
