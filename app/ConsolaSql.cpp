#include "app/ConsolaSql.h"

#include "app/ConexionConsola.h"
#include "app/SalidaConsulta.h"
#include "data/DB_Dll.h"
#include "platform/ado/dialect/VistaSql.h"
#include "runtime/DialogosConsola.h"
#include "runtime/ErrorVB.h"
#include "runtime/FuncionesVB.h"

namespace {

constexpr int kSalidaFallo = 1;
constexpr int kSalidaUso = 2;

// A statement that gives rows: SELECT, WITH or a parenthesised query first.
bool esConsulta(const QString& sentencia)
{
    const ado::dialecto::VistaSql v(sentencia);
    return v.esAlguna(0, {QLatin1String("SELECT"), QLatin1String("WITH")}) || v.esSimbolo(0, QLatin1String("("));
}

// Runs statement number `numero`; false when it failed. A failure that the program keeps quiet (or
// reports through no dialog) is printed from the connection's errors, so that none goes unseen; every
// failure also leaves its mark on standard output.
bool ejecutaSentencia(DB_Dll& db, QString sentencia, int numero, const DialogosConsola& dialogos,
                      SalidaConsulta& salida, QTextStream& errores)
{
    const int erroresAntes = dialogos.errores();
    db.gCnn().Errors().Clear();
    if (esConsulta(sentencia)) {
        ado::Recordset rs;
        db.AbrirRecordset(sentencia, &rs);
        if (rs.State() == ado::adStateOpen)
            salida.filas(rs);
    } else {
        int32_t afectados = 0;
        db.EjecutaConsultaSQL(sentencia, afectados);
        if (db.gCnn().Errors().Count() == 0 && dialogos.errores() == erroresAntes)
            salida.afectados(afectados);
    }
    const ado::Errors& lista = db.gCnn().Errors();
    const bool sinDialogo = dialogos.errores() == erroresAntes;
    const auto error = [&](int i) {
        return QStringLiteral("Error %1: %2").arg(lista.Item(i).Number).arg(lista.Item(i).Description);
    };
    for (int i = 0; sinDialogo && i < lista.Count(); ++i)
        errores << error(i) << Qt::endl;
    const bool bien = lista.Count() == 0 && sinDialogo;
    if (!bien)
        salida.fallo(numero,
                     lista.Count() > 0 ? error(0) : QStringLiteral("falló (el motivo está en la salida de errores)"));
    return bien;
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
    bool traducir = false;
    auto formato = SalidaConsulta::Formato::Tabla;
    while (!args.isEmpty() && args.first().startsWith(u'-')) {
        const QString opcion = args.takeFirst();
        if (opcion == QLatin1String("--traducir-oracle"))
            traducir = true;
        else if (opcion == QLatin1String("--csv") && formato == SalidaConsulta::Formato::Tabla)
            formato = SalidaConsulta::Formato::Csv;
        else if (opcion == QLatin1String("--json") && formato == SalidaConsulta::Formato::Tabla)
            formato = SalidaConsulta::Formato::Json;
        else {
            errores << kUso << Qt::endl;
            return kSalidaUso;
        }
        if (traducir)
            break;
    }
    if (!traducir && args.isEmpty()) {
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
    SalidaConsulta resultados(formato, salida);
    int estado = 0;
    for (int i = 0; i < sentencias.size(); ++i)
        if (!ejecutaSentencia(conexion.db(), sentencias[i], i + 1, instalados.dialogos(), resultados, errores))
            estado = kSalidaFallo;
    return estado;
}

const char* const ConsolaSql::kUso
    = "Uso: agenda-sql [--csv | --json] CONEXION [SENTENCIA...]\n"
      "     agenda-sql --traducir-oracle [TEXTO...]\n"
      "Sin sentencias en la línea de órdenes, se leen de la entrada estándar.\n"
      "CONEXION: \"Provider=SQLite;Database=RUTA\", \"Provider=PostgreSQL;Server=...;Database=...;UId=...;Pwd=...\",\n"
      "\"Provider=SQLOLEDB;...\", \"Provider=OraOLEDB.Oracle.1;...\", \"Provider=ODBC;DSN=...\" o la línea del "
      "programa (@Server=...;).\n"
      "--csv: filas en CSV (RFC 4180); --json: un objeto JSON por fila.";
