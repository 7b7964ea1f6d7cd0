#include "app/ConsolaSql.h"

#include "app/ConexionConsola.h"
#include "data/DB_Dll.h"
#include "platform/ado/dialect/TokenizadorSql.h"
#include "runtime/DialogosConsola.h"
#include "runtime/ErrorVB.h"
#include "runtime/FuncionesVB.h"

#include <QDateTime>

namespace {

constexpr int kSalidaFallo = 1;
constexpr int kSalidaUso = 2;

const char* const kUso =
    "Uso: agenda-sql CONEXION [SENTENCIA...]\n"
    "     agenda-sql --traducir-oracle [TEXTO...]\n"
    "Sin sentencias en la línea de órdenes, se leen de la entrada estándar.";

bool esConsulta(const QString& sentencia)
{
    const QString inicio = FuncionesVB::LTrim(sentencia).trimmed().left(7).toUpper();
    return inicio.startsWith(QLatin1String("SELECT")) || inicio.startsWith(QLatin1String("WITH "))
           || inicio.startsWith(u'(');
}

QString textoValor(const QVariant& valor)
{
    if (valor.isNull())
        return QStringLiteral("NULL");
    if (valor.typeId() == QMetaType::QDateTime)
        return valor.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    return valor.toString().replace(u'\t', u' ').replace(u'\n', u' ');
}

void imprimeRecordset(ado::Recordset& rs, QTextStream& salida)
{
    auto campos = rs.Fields();
    QStringList cabecera;
    for (int i = 0; i < campos.Count(); ++i)
        cabecera << campos.Item(i).Name();
    salida << cabecera.join(u'\t') << '\n';
    int filas = 0;
    for (; !rs.Eof(); rs.MoveNext(), ++filas) {
        QStringList fila;
        for (int i = 0; i < campos.Count(); ++i)
            fila << textoValor(campos.Item(i).Value());
        salida << fila.join(u'\t') << '\n';
    }
    salida << (filas == 1 ? QStringLiteral("(1 fila)") : QStringLiteral("(%1 filas)").arg(filas)) << Qt::endl;
}

// Runs one statement; false when it failed. A failure that the program keeps quiet (or reports
// through no dialog) is printed from the connection's errors, so that none goes unseen.
bool ejecutaSentencia(DB_Dll& db, QString sentencia, const DialogosConsola& dialogos, QTextStream& salida,
                      QTextStream& errores)
{
    const int erroresAntes = dialogos.errores();
    db.gCnn().Errors().Clear();
    if (esConsulta(sentencia)) {
        ado::Recordset rs;
        db.AbrirRecordset(sentencia, &rs);
        if (rs.State() == ado::adStateOpen)
            imprimeRecordset(rs, salida);
    } else {
        int32_t afectados = 0;
        db.EjecutaConsultaSQL(sentencia, afectados);
        if (db.gCnn().Errors().Count() == 0 && dialogos.errores() == erroresAntes)
            salida << (afectados == 1 ? QStringLiteral("1 registro afectado")
                                      : QStringLiteral("%1 registros afectados").arg(afectados))
                   << Qt::endl;
    }
    const ado::Errors& lista = db.gCnn().Errors();
    if (dialogos.errores() == erroresAntes) {
        for (int i = 0; i < lista.Count(); ++i)
            errores << QStringLiteral("Error %1: %2").arg(lista.Item(i).Number).arg(lista.Item(i).Description) << Qt::endl;
    }
    return lista.Count() == 0 && dialogos.errores() == erroresAntes;
}

// Whether nothing but blanks stands between the piece and the line breaks around it.
bool solaEnSuLinea(const QString& texto, qsizetype inicio, qsizetype fin)
{
    const auto blanco = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; };
    while (inicio > 0 && blanco(texto[inicio - 1]))
        --inicio;
    while (fin < texto.size() && blanco(texto[fin]))
        ++fin;
    return (inicio == 0 || texto[inicio - 1] == u'\n') && (fin == texto.size() || texto[fin] == u'\n');
}

} // namespace

QStringList ConsolaSql::CortaSentencias(const QString& texto)
{
    using Tipo = ado::dialecto::TokenSql::Tipo;
    QStringList sentencias;
    QString actual;
    auto cierra = [&] {
        if (!FuncionesVB::EnBlanco(actual.trimmed()))
            sentencias << actual.trimmed();
        actual.clear();
    };
    for (const ado::dialecto::TokenSql& token : ado::dialecto::TokenizadorSql::divide(texto)) {
        const QStringView pieza = QStringView(texto).mid(token.inicio, token.largo);
        if (token.tipo == Tipo::Comentario)
            actual += u' '; // the database skips it; a blank keeps the words around it apart
        else if (token.tipo == Tipo::Simbolo && pieza == u";")
            cierra();
        else if (token.tipo == Tipo::Palabra && pieza.compare(QLatin1String("GO"), Qt::CaseInsensitive) == 0
                 && solaEnSuLinea(texto, token.inicio, token.inicio + token.largo))
            cierra();
        else
            actual += pieza;
    }
    cierra();
    return sentencias;
}

int ConsolaSql::Ejecuta(const QStringList& argumentos, QTextStream& entrada, QTextStream& salida, QTextStream& errores)
{
    QStringList args = argumentos;
    const bool traducir = !args.isEmpty() && args.first() == QLatin1String("--traducir-oracle");
    if (traducir)
        args.removeFirst();
    else if (args.isEmpty() || args.first().startsWith(QLatin1String("--"))) {
        errores << kUso << Qt::endl;
        return kSalidaUso;
    }
    const QString textoConexion = traducir ? QString() : args.takeFirst();
    const QStringList sentencias = args.isEmpty() ? CortaSentencias(entrada.readAll()) : args;

    const DialogosConsola::Instalados instalados(errores);
    if (traducir) {
        DB_Dll db;
        db.gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1");
        int estado = 0;
        for (const QString& s : sentencias) {
            try {
                salida << db.ORACLE_Dicc(s) << Qt::endl;
            } catch (const ErrorVB& e) {
                errores << QStringLiteral("Error %1: %2").arg(e.numero()).arg(e.descripcion()) << Qt::endl;
                estado = kSalidaFallo;
            }
        }
        return estado;
    }

    ConexionConsola conexion(textoConexion);
    if (!conexion.Abre(errores))
        return kSalidaUso;
    int estado = 0;
    for (const QString& s : sentencias)
        if (!ejecutaSentencia(conexion.db(), s, instalados.dialogos(), salida, errores))
            estado = kSalidaFallo;
    return estado;
}
