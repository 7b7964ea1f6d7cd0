#include "platform/ado/sqlite/ProcedimientosSqlite.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/FalloProveedor.h"
#include "platform/ado/dialect/ClaseSentencia.h"
#include "platform/ado/dialect/FechasDialecto.h"
#include "platform/ado/dialect/VistaSql.h"
#include "platform/ado/sqlite/ErroresSqlite.h"
#include "platform/ado/sqlite/LectorFilasSqlite.h"
#include "platform/ado/sqlite/TiposSqlite.h"
#include "platform/ado/sqlite/ValoresSqlite.h"

#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace ado::sqlite {
namespace {

struct Parametro {
    QString nombre; // without "@"
    QString tipo;
    std::optional<QVariant> defecto;
};

[[noreturn]] void errorDeComando(const QString& descripcion)
{
    throw FalloProveedor::Propio(OrigenSqlite, NumeroError::ErroresEnComando, descripcion, QStringLiteral("42000"));
}

using dialecto::TokenSql;
using dialecto::VistaSql;
using Tipo = TokenSql::Tipo;

bool esNombreCerrado(const VistaSql& v, qsizetype i)
{
    return v.esNombre(i) && !v.token(i).abierto;
}

// One argument or default at token `i`: a quoted text (N'' too), a number with its sign (kept as
// its text) or NULL (a null QVariant). False when there is none; `i` goes past it otherwise.
bool leeValor(const VistaSql& v, qsizetype& i, QVariant& valor)
{
    if (!v.existe(i))
        return false;
    if (v.token(i).tipo == Tipo::Cadena) {
        if (!v.esCadena(i))
            return false;
        valor = v.cadena(i);
        ++i;
        return true;
    }
    if (v.es(i, QLatin1String("NULL"))) {
        valor = QVariant();
        ++i;
        return true;
    }
    const bool signo = v.esSimbolo(i, QLatin1String("-")) || v.esSimbolo(i, QLatin1String("+"));
    const qsizetype n = signo ? i + 1 : i;
    if (!v.existe(n) || v.token(n).tipo != Tipo::Numero)
        return false;
    const QString numero = (signo ? v.texto(i).toString() : QString()) + v.texto(n).toString();
    bool leido = false;
    static_cast<void>(numero.toDouble(&leido));
    valor = numero;
    i = n + 1;
    return leido;
}

void leeLlamada(const QString& llamada, QString& nombre, QVariantList& argumentos)
{
    const auto invalida = [&] {
        errorDeComando(QStringLiteral("La llamada al procedimiento no es válida: %1").arg(llamada.trimmed()));
    };
    const VistaSql v(llamada);
    const QLatin1String puntoYComa(";");
    // EXEC or EXECUTE, then the name, owner-qualified or not.
    qsizetype i = 1;
    if (!esNombreCerrado(v, i))
        invalida();
    nombre = v.nombreEscrito(i);
    while (v.esSimbolo(i + 1, QLatin1String(".")) && esNombreCerrado(v, i + 2)) {
        i += 2;
        nombre = v.nombreEscrito(i);
    }
    ++i;
    bool hayArgumento = v.existe(i) && !v.esSimbolo(i, puntoYComa);
    while (hayArgumento) {
        QVariant valor;
        if (!leeValor(v, i, valor))
            invalida();
        argumentos.append(valor);
        hayArgumento = v.esSimbolo(i, QLatin1String(","));
        if (hayArgumento)
            ++i;
        else if (v.existe(i) && !v.esSimbolo(i, puntoYComa))
            invalida();
    }
    if (v.esSimbolo(i, puntoYComa))
        ++i;
    if (i != v.size())
        invalida();
}

// Splits `texto` at `separador` outside quotes, brackets, parentheses and comments; drops blank pieces.
// A comment becomes a blank (a line end for "--"), so that no piece ends inside one.
QStringList parte(QStringView texto, QLatin1String separador)
{
    const VistaSql v(texto);
    QStringList piezas;
    QString actual;
    const auto cierra = [&] {
        if (!actual.trimmed().isEmpty())
            piezas.append(actual.trimmed());
        actual.clear();
    };
    qsizetype k = 0; // the significant token tokens()[i] is, once past the blanks
    for (const TokenSql& tk : v.tokens()) {
        const QStringView t = texto.mid(tk.inicio, tk.largo);
        if (tk.tipo == Tipo::Comentario) {
            actual += t.startsWith(u"--") ? u'\n' : u' ';
        } else if (tk.tipo == Tipo::Espacio) {
            actual += t;
        } else {
            if (v.esSimbolo(k, separador) && v.profundidad(k) == 0)
                cierra();
            else
                actual += t;
            ++k;
        }
    }
    cierra();
    return piezas;
}

// "@nombre tipo [= valor]".
QList<Parametro> leeParametros(const QString& procedimiento, const QString& declaracion)
{
    QList<Parametro> parametros;
    for (const QString& pieza : parte(declaracion, QLatin1String(","))) {
        const auto mal = [&] {
            errorDeComando(QStringLiteral("Los parámetros del procedimiento \"%1\" no están bien declarados: %2")
                               .arg(procedimiento, pieza));
        };
        const VistaSql v(pieza);
        if (v.token(0).tipo != Tipo::Palabra || !v.texto(0).startsWith(u'@'))
            mal();
        qsizetype igual = 1;
        while (v.existe(igual) && !(v.token(igual).tipo == Tipo::Simbolo && v.texto(igual).contains(u'=')))
            ++igual;
        Parametro p;
        p.nombre = v.texto(0).mid(1).toString();
        p.tipo = pieza.mid(v.fin(0), (v.existe(igual) ? v.inicio(igual) : pieza.size()) - v.fin(0)).trimmed();
        if (p.nombre.isEmpty() || p.tipo.isEmpty())
            mal();
        if (v.existe(igual)) {
            qsizetype i = igual + 1;
            QVariant defecto;
            if (!v.esSimbolo(igual, QLatin1String("=")) || !leeValor(v, i, defecto) || i != v.size())
                mal();
            p.defecto = defecto;
        }
        parametros.append(p);
    }
    return parametros;
}

bool esTipoReal(const QString& tipo)
{
    for (const char* t : {"REAL", "FLOA", "DOUB", "DEC", "NUMERIC", "MONEY"}) {
        if (tipo.contains(QLatin1String(t), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QVariant convierte(const Parametro& p, const QVariant& valor)
{
    if (valor.isNull())
        return {};
    const QString texto = valor.toString();
    if (EsTipoFecha(p.tipo)) {
        const auto fecha = dialecto::TextoAlmacenado(texto);
        if (!fecha)
            errorDeComando(
                QStringLiteral("El valor '%1' del parámetro @%2 no es una fecha válida.").arg(texto, p.nombre));
        return *fecha;
    }
    if (EsTipoEntero(p.tipo) || esTipoReal(p.tipo)) {
        bool leido = false;
        const double numero = texto.trimmed().toDouble(&leido);
        if (!leido)
            errorDeComando(
                QStringLiteral("El valor '%1' del parámetro @%2 no es un número válido.").arg(texto, p.nombre));
        if (esTipoReal(p.tipo))
            return numero;
        return static_cast<qlonglong>(numero);
    }
    return texto;
}

// Fails the procedure with the connection's last error.
[[noreturn]] void fallaSqlite(sqlite3* conexion)
{
    LanzaFallo(QSqlError(QStringLiteral("Error al ejecutar el procedimiento"),
                         QString::fromUtf8(sqlite3_errmsg(conexion)), QSqlError::StatementError,
                         QString::number(sqlite3_extended_errcode(conexion))));
}

void vincula(sqlite3_stmt* sentencia, int indice, const QVariant& valor)
{
    switch (valor.typeId()) {
    case QMetaType::LongLong:
        sqlite3_bind_int64(sentencia, indice, valor.toLongLong());
        break;
    case QMetaType::Double:
        sqlite3_bind_double(sentencia, indice, valor.toDouble());
        break;
    case QMetaType::QString: {
        const QByteArray utf8 = valor.toString().toUtf8();
        sqlite3_bind_text(sentencia, indice, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        break;
    }
    default:
        sqlite3_bind_null(sentencia, indice);
    }
}

// Finalizes the statement whatever way the scope is left.
struct SentenciaPreparada {
    sqlite3_stmt* s = nullptr;
    ~SentenciaPreparada() { sqlite3_finalize(s); }
};

// Resets a cached statement whatever way the scope is left, so that it holds nothing between calls.
struct Restablece {
    sqlite3_stmt* s;
    ~Restablece()
    {
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
    }
};

const QString kBusca
    = QStringLiteral("SELECT PARAMETROS, CUERPO FROM KQ_PROCEDIMIENTOS WHERE NOMBRE = ? COLLATE NOCASE");

} // namespace

ProcedimientosSqlite::ProcedimientosSqlite(const QSqlDatabase& base, sqlite3* conexion, CacheSentenciasSqlite& cache)
    : base_(base), conexion_(conexion), cache_(cache)
{
}

bool ProcedimientosSqlite::leeDefinicion(const QString& nombre, QString& declaracion, QString& cuerpo)
{
    if (sqlite3_stmt* busca = cache_.prepara(conexion_, kBusca)) {
        const Restablece restablece{busca};
        sqlite3_bind_text16(busca, 1, nombre.utf16(), int(nombre.size() * sizeof(char16_t)), SQLITE_STATIC);
        const int rc = sqlite3_step(busca);
        if (rc == SQLITE_ROW) {
            declaracion = ValorDeColumna(busca, 0).toString();
            cuerpo = ValorDeColumna(busca, 1).toString();
            return true;
        }
        if (rc == SQLITE_DONE)
            return false;
    }
    // Not preparable (no procedures table) or failing: asked again through Qt, which words the error.
    cache_.descarta(kBusca);
    QSqlQuery busca(base_);
    busca.setForwardOnly(true);
    bool hayTabla = busca.prepare(kBusca);
    if (hayTabla) {
        busca.addBindValue(nombre);
        hayTabla = busca.exec();
    }
    if (!hayTabla && ErrorDeSqlite(busca.lastError()).Number != NumeroError::NoExisteTabla)
        LanzaFallo(busca.lastError());
    if (!hayTabla || !busca.next())
        return false;
    declaracion = busca.value(0).toString();
    cuerpo = busca.value(1).toString();
    return true;
}

ProcedimientosSqlite::Ejecucion ProcedimientosSqlite::ejecuta(const QString& llamada,
                                                              const EsquemaSqlite& esquemaInicial)
{
    QString nombre;
    QVariantList argumentos;
    leeLlamada(llamada, nombre, argumentos);

    QString declaracion;
    QString textoCuerpo;
    if (!leeDefinicion(nombre, declaracion, textoCuerpo))
        errorDeComando(QStringLiteral("No se encuentra el procedimiento almacenado \"%1\".").arg(nombre));
    const QList<Parametro> parametros = leeParametros(nombre, declaracion);
    const QStringList cuerpo = parte(textoCuerpo, QLatin1String(";"));

    if (argumentos.size() > parametros.size())
        errorDeComando(QStringLiteral("Se han pasado demasiados argumentos al procedimiento \"%1\" (admite %2).")
                           .arg(nombre)
                           .arg(parametros.size()));
    QHash<QString, QVariant> valores; // upper-case parameter name
    for (qsizetype i = 0; i < parametros.size(); ++i) {
        const Parametro& p = parametros.at(i);
        if (i >= argumentos.size() && !p.defecto)
            errorDeComando(QStringLiteral("El procedimiento \"%1\" espera el parámetro @%2, que no se ha indicado.")
                               .arg(nombre, p.nombre));
        valores.insert(p.nombre.toUpper(), convierte(p, i < argumentos.size() ? argumentos.at(i) : *p.defecto));
    }

    if (sqlite3_exec(conexion_, "SAVEPOINT kq_procedimiento", nullptr, nullptr, nullptr) != SQLITE_OK)
        fallaSqlite(conexion_);
    Ejecucion ejecucion;
    std::optional<EsquemaSqlite> esquemaNuevo; // read again after the body changes the schema
    try {
        for (const QString& texto : cuerpo) {
            // The body's statements are the same on every call: they stay prepared in the cache.
            SentenciaPreparada propia;
            sqlite3_stmt* s = cache_.prepara(conexion_, texto);
            if (!s) {
                // Not cacheable: prepared here to report why, or skipped when it holds no statement.
                const QByteArray utf8 = texto.toUtf8();
                if (sqlite3_prepare_v2(conexion_, utf8.constData(), static_cast<int>(utf8.size()), &propia.s, nullptr)
                    != SQLITE_OK)
                    fallaSqlite(conexion_);
                if (!propia.s)
                    continue;
                s = propia.s;
            }
            const Restablece restablece{s};
            for (int i = 1; i <= sqlite3_bind_parameter_count(s); ++i) {
                const QString marca = QString::fromUtf8(sqlite3_bind_parameter_name(s, i));
                const auto it = valores.constFind(marca.mid(1).toUpper());
                if (marca.size() < 2 || it == valores.constEnd())
                    errorDeComando(QStringLiteral("El procedimiento \"%1\" usa el parámetro %2, que no declara.")
                                       .arg(nombre, marca));
                vincula(s, i, *it);
            }
            const int columnas = sqlite3_column_count(s);
            QStringList nombres;
            for (int i = 0; i < columnas; ++i)
                nombres.append(QString::fromUtf8(sqlite3_column_name(s, i)));
            LectorFilasSqlite lector(esquemaNuevo ? *esquemaNuevo : esquemaInicial, nombres);
            if (lector.agregaPasos(s, sqlite3_step(s)) != SQLITE_DONE)
                fallaSqlite(conexion_);
            const dialecto::ClaseSentencia clase = dialecto::ClasificaSentencia(texto);
            if (columnas > 0) {
                ejecucion.filas = lector.termina();
                ejecucion.devuelveFilas = true;
            } else if (clase.cuentaRegistros) {
                ejecucion.registros += sqlite3_changes(conexion_);
            }
            if (clase.cambiaEsquema) {
                ejecucion.cambiaEsquema = true;
                esquemaNuevo = EsquemaSqlite::lee(base_);
            }
        }
    } catch (...) {
        sqlite3_exec(conexion_, "ROLLBACK TO kq_procedimiento; RELEASE kq_procedimiento", nullptr, nullptr, nullptr);
        throw;
    }
    if (sqlite3_exec(conexion_, "RELEASE kq_procedimiento", nullptr, nullptr, nullptr) != SQLITE_OK)
        fallaSqlite(conexion_);
    return ejecucion;
}

} // namespace ado::sqlite
