#include "app/ConsolaSql.h"

#include "app/ConexionConsola.h"
#include "data/DB_Dll.h"
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
    salida << QStringLiteral("(%1 filas)").arg(filas) << Qt::endl;
}

// Runs one statement; false when it failed.
bool ejecutaSentencia(DB_Dll& db, QString sentencia, const DialogosConsola& dialogos, QTextStream& salida)
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
            salida << QStringLiteral("%1 registros afectados").arg(afectados) << Qt::endl;
    }
    return db.gCnn().Errors().Count() == 0 && dialogos.errores() == erroresAntes;
}

} // namespace

QStringList ConsolaSql::CortaSentencias(const QString& texto)
{
    QStringList sentencias;
    QString actual;
    auto cierra = [&] {
        if (!FuncionesVB::EnBlanco(actual.trimmed()))
            sentencias << actual.trimmed();
        actual.clear();
    };
    QChar comilla;
    for (const QString& linea : texto.split(u'\n')) {
        if (comilla.isNull() && linea.trimmed().compare(QLatin1String("GO"), Qt::CaseInsensitive) == 0) {
            cierra();
            continue;
        }
        for (QChar c : linea) {
            if (!comilla.isNull()) {
                if (c == comilla)
                    comilla = QChar();
            } else if (c == u'\'' || c == u'"') {
                comilla = c;
            } else if (c == u';') {
                cierra();
                continue;
            }
            actual += c;
        }
        actual += u'\n';
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
        if (!ejecutaSentencia(conexion.db(), s, instalados.dialogos(), salida))
            estado = kSalidaFallo;
    return estado;
}
