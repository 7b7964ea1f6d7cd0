#include "data/ConsolaSql.h"

#include "data/DB_Dll.h"
#include "data/DialogosConsola.h"
#include "runtime/FinDePrograma.h"
#include "runtime/FuncionesVB.h"
#include "runtime/SharedRuntime.h"
#include "startup/ModGlobal.h"
#include "startup/ParametrosArranque.h"

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

void imprimeErroresConexion(const ado::Connection& cnn, QTextStream& errores)
{
    for (int i = 0; i < cnn.Errors().Count(); ++i)
        errores << cnn.Errors().Item(i).Description << Qt::endl;
}

// The program's own "@key=value;" line: connects the shared object through IniciarConexion, as the
// program does (administrator check included). A line without a server would need the login
// dialog, which a command-line tool cannot show.
bool conectaComoPrograma(const QString& linea, QTextStream& errores)
{
    QString servidor;
    try {
        ParametrosArranque::Extrae(linea, QStringLiteral("@Server"), servidor, {}, SharedRuntime());
    } catch (const ErrorVB&) {
        servidor.clear();
    }
    if (FuncionesVB::EnBlanco(servidor)) {
        errores << "La línea de conexión no indica @Server (terminado en \";\"): agenda-sql no puede pedir los "
                   "datos de acceso."
                << Qt::endl;
        return false;
    }
    bool usaIni = false;
    QString parametros = linea;
    QString cadena;
    try {
        ModGlobal::IniciarConexion(usaIni, parametros, cadena);
    } catch (const FinDePrograma&) {
        errores << "No se pudo abrir la conexión." << Qt::endl;
        return false;
    }
    if (ModGlobal::DB().gCnn().State() != ado::adStateOpen) {
        errores << "No se pudo abrir la conexión." << Qt::endl;
        return false;
    }
    return true;
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
    const QString conexion = traducir ? QStringLiteral("Provider=OraOLEDB.Oracle.1") : args.takeFirst();
    const QStringList sentencias = args.isEmpty() ? CortaSentencias(entrada.readAll()) : args;

    auto propios = std::make_unique<DialogosConsola>(errores);
    DialogosConsola& dialogos = *propios;
    auto anteriores = Dialogos::instala(std::move(propios));
    struct Restaura {
        std::unique_ptr<Dialogos>& d;
        ~Restaura() { Dialogos::instala(std::move(d)); }
    } restaura{anteriores};

    const bool comoPrograma = !traducir && conexion.startsWith(u'@');
    DB_Dll propia;
    DB_Dll& db = comoPrograma ? ModGlobal::DB() : propia;
    if (!comoPrograma) {
        db.gConnString = conexion;
        db.gEsAdmin = true;
    }
    if (traducir) {
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

    if (comoPrograma) {
        if (!conectaComoPrograma(conexion, errores))
            return kSalidaUso;
    } else {
        try {
            db.gCnn().Open(conexion);
        } catch (const ErrorVB&) {
            imprimeErroresConexion(db.gCnn(), errores);
            return kSalidaUso;
        }
    }
    int estado = 0;
    for (const QString& s : sentencias)
        if (!ejecutaSentencia(db, s, dialogos, salida))
            estado = kSalidaFallo;
    // The shared object outlives Qt's own globals; its connection must be closed while they exist.
    if (comoPrograma)
        db.gCnn().Close();
    return estado;
}
