#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "support/BaseDePrueba.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <csignal>
#include <memory>

namespace {

struct Salida {
    int estado;
    QString salida;
    QString errores;
};

Salida espera(QProcess& proceso)
{
    proceso.waitForFinished(120000);
    return {proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1,
            QString::fromUtf8(proceso.readAllStandardOutput()), QString::fromUtf8(proceso.readAllStandardError())};
}

void arranca(QProcess& proceso, const QStringList& argumentos)
{
    proceso.start(QStringLiteral(AGENDA_CARPETA_BINARIOS "/agenda-copia"), argumentos);
    proceso.waitForStarted();
}

Salida copia(const QStringList& argumentos)
{
    QProcess proceso;
    arranca(proceso, argumentos);
    return espera(proceso);
}

// The comparison table's rows, as "tabla filas suma" of one side (0 the source, 1 the destination).
QStringList sumas(const QString& salida, int lado)
{
    QStringList filas;
    for (const QString& linea : salida.split(u'\n')) {
        const QStringList c = linea.simplified().split(u' ');
        if (c.size() == 6 && c[0] != u"Tabla")
            filas << QStringList{c[0], c[1 + lado], c[3 + lado]}.join(u' ');
    }
    return filas;
}

// Every row of an embedded file with its values as SQLite keeps them (13 and 13.0 and '13' apart),
// sorted: equal for two files that hold the same values, whatever the order of their rows.
QStringList volcado(const QString& ruta)
{
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"), {ruta, QStringLiteral(".dump")});
    sqlite.waitForFinished(60000);
    QStringList lineas = QString::fromUtf8(sqlite.readAllStandardOutput()).split(u'\n');
    lineas.sort();
    return lineas;
}

QByteArray resumenArchivo(const QString& ruta)
{
    QFile archivo(ruta);
    archivo.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(archivo.readAll(), QCryptographicHash::Sha256);
}

// A database of its own on the test server, empty (no schema) unless made from a BaseDePrueba.
class BaseServidorVacia {
public:
    BaseServidorVacia() : nombre_(QStringLiteral("copia_%1_%2").arg(QCoreApplication::applicationPid()).arg(++creadas_))
    {
        ejecuta(QStringLiteral("CREATE DATABASE %1").arg(nombre_));
    }
    ~BaseServidorVacia() { ejecuta(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(nombre_)); }
    [[nodiscard]] QString cadena() const { return ServidorDePrueba() + QStringLiteral(";Database=") + nombre_; }

private:
    static void ejecuta(const QString& sentencia)
    {
        ado::Connection servidor;
        servidor.Open(ServidorDePrueba() + QStringLiteral(";Database=postgres"));
        servidor.Execute(sentencia);
    }
    static inline int creadas_ = 0;
    QString nombre_;
};

// A plain connection to a test server database, for what the program never does: holding a lock,
// looking at what other sessions wait for.
class SesionServidor {
public:
    explicit SesionServidor(const QString& base) : nombre_(QStringLiteral("sesion_%1").arg(++abiertas_))
    {
        const QString servidor = ServidorDePrueba().section(QLatin1String("Server="), 1).section(u';', 0, 0);
        QSqlDatabase bd = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nombre_);
        bd.setHostName(servidor.section(u':', 0, 0));
        bd.setPort(servidor.section(u':', 1).toInt());
        bd.setUserName(QStringLiteral("postgres"));
        bd.setDatabaseName(base);
        bd.open();
    }
    ~SesionServidor() { QSqlDatabase::removeDatabase(nombre_); }
    bool ejecuta(const QString& sentencia)
    {
        QSqlQuery q(QSqlDatabase::database(nombre_));
        return q.exec(sentencia);
    }
    QVariant valor(const QString& consulta)
    {
        QSqlQuery q(QSqlDatabase::database(nombre_));
        return q.exec(consulta) && q.next() ? q.value(0) : QVariant();
    }
    // Whether agenda-copia waits for a lock.
    bool copiaBloqueada()
    {
        return valor(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE application_name = 'agenda-copia' "
                                    "AND wait_event_type = 'Lock'"))
                   .toInt()
            > 0;
    }

private:
    static inline int abiertas_ = 0;
    QString nombre_;
};

QString baseDe(const QString& cadena)
{
    return cadena.section(QLatin1String("Database="), 1).section(u';', 0, 0);
}

} // namespace

class TstAgendaCopia : public QObject {
    Q_OBJECT
private slots:
    void idaYVueltaPorElServidor();
    void destinoConDatosRechazado_data();
    void destinoConDatosRechazado();
    void instantaneaConsistente();
    void archivoEnUsoSeCopia();
    void copiaInterrumpida_data();
    void copiaInterrumpida();
};

// A desk moves to the office and back: every value as it was (types, decimals, dates, NULL against
// 'NULL', accents, emoji, blanks, line breaks), the same checksums on both trips, and the server's
// next slot gets an id of its own.
void TstAgendaCopia::idaYVueltaPorElServidor()
{
    if (ServidorDePrueba().isEmpty())
        QSKIP("No hay servidor PostgreSQL de prueba");
    BaseDePrueba origen(true);
    {
        ado::Connection c;
        c.Open(origen.cadenaConexion());
        c.Execute(
            QStringLiteral("INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('2025-03-05 09:30:00', 'José 😀 ñ  ')"));
        c.Execute(QStringLiteral("INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('2025-03-05 10:00:00', 'NULL')"));
        c.Execute(QStringLiteral("INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('2025-03-05 10:30:00', '')"));
        c.Execute(
            QStringLiteral("INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('2025-03-05 11:00:00', 'a\tb\nc\\\\d')"));
        c.Execute(QStringLiteral(
            "INSERT INTO MV_ASIENTOS (ID, FECHA, CODIGO, IMPORTE) VALUES (1, '2025-03-05 00:00:00', '1.1', 0.1), "
            "(2, NULL, NULL, 1234567.8901), (3, NULL, '', -13)"));
    }
    BaseServidorVacia servidor;
    const Salida ida = copia({origen.ruta(), servidor.cadena()});
    QVERIFY2(ida.estado == 0, qPrintable(ida.errores));
    QTemporaryDir carpeta;
    const QString vuelta = carpeta.filePath(QStringLiteral("vuelta.db"));
    const Salida regreso = copia({servidor.cadena(), vuelta});
    QVERIFY2(regreso.estado == 0, qPrintable(regreso.errores));
    QCOMPARE(sumas(regreso.salida, 1), sumas(ida.salida, 0));
    QCOMPARE(volcado(vuelta), volcado(origen.ruta()));

    ado::Connection enServidor;
    enServidor.Open(servidor.cadena());
    ado::Recordset mayor;
    mayor.Open(QStringLiteral("SELECT MAX(ID) FROM MV_AGENDA"), &enServidor);
    const int ultimo = mayor.Fields().Item(0).Value().toInt();
    enServidor.Execute(QStringLiteral("EXEC KQ_CREARAGENDA '01/01/2030', 30"));
    ado::Recordset nuevos;
    nuevos.Open(QStringLiteral("SELECT MIN(ID) FROM MV_AGENDA WHERE FECHA >= '01/01/2030'"), &enServidor);
    QCOMPARE(nuevos.Fields().Item(0).Value().toInt(), ultimo + 1);
}

void TstAgendaCopia::destinoConDatosRechazado_data()
{
    QTest::addColumn<QString>("destino");
    QTest::newRow("archivo con una agenda") << "archivo";
    QTest::newRow("archivo que no es una agenda") << "texto";
    QTest::newRow("servidor con filas") << "servidor";
}

// A destination that holds rows is left untouched unless --reemplazar, which then replaces them.
void TstAgendaCopia::destinoConDatosRechazado()
{
    QFETCH(QString, destino);
    if (destino == u"servidor" && ServidorDePrueba().isEmpty())
        QSKIP("No hay servidor PostgreSQL de prueba");
    BaseDePrueba origen(true, QDate(2025, 3, 5));
    std::unique_ptr<BaseDePrueba> previa;
    QTemporaryDir carpeta;
    QString lado;
    if (destino == u"texto") {
        lado = carpeta.filePath(QStringLiteral("notas.txt"));
        QFile texto(lado);
        QVERIFY(texto.open(QIODevice::WriteOnly));
        texto.write("notas de la semana\n");
    } else {
        previa = std::make_unique<BaseDePrueba>(true, QDate(2024, 1, 8),
                                                destino == u"servidor" ? Motor::PostgreSQL : Motor::SQLite);
        lado = destino == u"servidor" ? previa->cadenaConexion() : previa->ruta();
    }
    const auto estadoDelDestino = [&] {
        if (destino != u"servidor")
            return resumenArchivo(lado);
        ado::Connection c;
        c.Open(lado);
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT COUNT(*), MIN(FECHA) FROM MV_AGENDA"), &c);
        return (rs.Fields().Item(0).Value().toString() + rs.Fields().Item(1).Value().toString()).toUtf8();
    };
    const QByteArray antes = estadoDelDestino();

    const Salida rechazo = copia({origen.ruta(), lado});
    QCOMPARE(rechazo.estado, 3);
    QVERIFY2(rechazo.errores.contains(QLatin1String("ya tiene datos"))
                 && rechazo.errores.contains(QLatin1String("--reemplazar")),
             qPrintable(rechazo.errores));
    QCOMPARE(estadoDelDestino(), antes);

    const Salida reemplazo = copia({QStringLiteral("--reemplazar"), origen.ruta(), lado});
    QVERIFY2(reemplazo.estado == 0, qPrintable(reemplazo.errores));
    QVERIFY(estadoDelDestino() != antes);
}

// The server is read on one snapshot: rows that other desks commit while the copy runs (here, while
// it waits for a lock on the first table) are in no table of the copy.
void TstAgendaCopia::instantaneaConsistente()
{
    if (ServidorDePrueba().isEmpty())
        QSKIP("No hay servidor PostgreSQL de prueba");
    BaseDePrueba origen(true, QDate(2025, 3, 5), Motor::PostgreSQL);
    SesionServidor bloqueo(origen.ruta());
    SesionServidor otroPuesto(origen.ruta());
    const int agenda = otroPuesto.valor(QStringLiteral("SELECT count(*) FROM mv_agenda")).toInt();
    const int usuarios = otroPuesto.valor(QStringLiteral("SELECT count(*) FROM ta_usuarios")).toInt();
    QVERIFY(bloqueo.ejecuta(QStringLiteral("BEGIN")));
    QVERIFY(bloqueo.ejecuta(QStringLiteral("LOCK TABLE mv_agenda IN ACCESS EXCLUSIVE MODE")));

    QTemporaryDir carpeta;
    const QString destino = carpeta.filePath(QStringLiteral("copia.db"));
    QProcess proceso;
    arranca(proceso, {origen.cadenaConexion(), destino});
    QTRY_VERIFY_WITH_TIMEOUT(otroPuesto.copiaBloqueada(), 60000);
    QVERIFY(otroPuesto.ejecuta(QStringLiteral("INSERT INTO ta_usuarios (nombre, Administrador) VALUES ('nuevo', 0)")));
    QVERIFY(bloqueo.ejecuta(
        QStringLiteral("INSERT INTO mv_agenda (fecha, mensaje) VALUES ('2025-03-06 09:00', 'durante la copia')")));
    QVERIFY(bloqueo.ejecuta(QStringLiteral("COMMIT")));
    const Salida r = espera(proceso);
    QVERIFY2(r.estado == 0, qPrintable(r.errores));
    const QStringList filas = sumas(r.salida, 1);
    QVERIFY2(filas.filter(QStringLiteral("MV_AGENDA %1 ").arg(agenda)).size() == 1, qPrintable(r.salida));
    QVERIFY2(filas.filter(QStringLiteral("ta_usuarios %1 ").arg(usuarios)).size() == 1, qPrintable(r.salida));
}

// A desk in the middle of writing its file (a transaction begun, not committed) neither stops the
// backup nor gets its unfinished rows into it.
void TstAgendaCopia::archivoEnUsoSeCopia()
{
    BaseDePrueba origen(true);
    ado::Connection puesto;
    puesto.Open(origen.cadenaConexion());
    ado::Recordset cuenta;
    cuenta.Open(QStringLiteral("SELECT COUNT(*) FROM MV_AGENDA"), &puesto);
    const int filas = cuenta.Fields().Item(0).Value().toInt();
    cuenta.Close();
    puesto.BeginTrans();
    puesto.Execute(
        QStringLiteral("INSERT INTO MV_AGENDA (FECHA, Mensaje) VALUES ('06/03/2025 09:00', 'a medio guardar')"));
    QTemporaryDir carpeta;
    const Salida r = copia({origen.ruta(), carpeta.filePath(QStringLiteral("respaldo.db"))});
    puesto.CommitTrans();
    QVERIFY2(r.estado == 0, qPrintable(r.errores));
    QVERIFY2(sumas(r.salida, 1).filter(QStringLiteral("MV_AGENDA %1 ").arg(filas)).size() == 1, qPrintable(r.salida));
}

void TstAgendaCopia::copiaInterrumpida_data()
{
    QTest::addColumn<bool>("aServidor");
    QTest::addColumn<int>("senal");
    QTest::newRow("kill de una copia a un archivo") << false << int(SIGKILL);
    QTest::newRow("Ctrl+C de una copia a un archivo") << false << int(SIGINT);
    QTest::newRow("kill de una copia al servidor") << true << int(SIGKILL);
}

// A copy stopped half-way (held by a lock on a table after others were already written) leaves no
// destination file, and no rows on a server.
void TstAgendaCopia::copiaInterrumpida()
{
    QFETCH(bool, aServidor);
    QFETCH(int, senal);
    if (ServidorDePrueba().isEmpty())
        QSKIP("No hay servidor PostgreSQL de prueba");
    QTemporaryDir carpeta;
    std::unique_ptr<BaseDePrueba> servidor;
    std::unique_ptr<BaseDePrueba> archivo;
    QString origen;
    QString destino;
    if (aServidor) {
        archivo = std::make_unique<BaseDePrueba>(true);
        servidor = std::make_unique<BaseDePrueba>(false, QDate(2025, 3, 5), Motor::PostgreSQL);
        origen = archivo->ruta();
        destino = servidor->cadenaConexion();
    } else {
        servidor = std::make_unique<BaseDePrueba>(true, QDate(2025, 3, 5), Motor::PostgreSQL);
        origen = servidor->cadenaConexion();
        destino = carpeta.filePath(QStringLiteral("copia.db"));
    }
    SesionServidor bloqueo(baseDe(servidor->cadenaConexion()));
    QVERIFY(bloqueo.ejecuta(QStringLiteral("BEGIN")));
    // Reading goes on, writing waits (a copy to the server); nothing goes on (a copy from it).
    QVERIFY(bloqueo.ejecuta(
        QStringLiteral("LOCK TABLE ta_usuarios IN %1 MODE").arg(aServidor ? "SHARE" : "ACCESS EXCLUSIVE")));
    QProcess proceso;
    arranca(proceso, {origen, destino});
    SesionServidor mira(baseDe(servidor->cadenaConexion()));
    QTRY_VERIFY_WITH_TIMEOUT(mira.copiaBloqueada(), 60000);
    ::kill(static_cast<pid_t>(proceso.processId()), senal);
    espera(proceso);
    QVERIFY(bloqueo.ejecuta(QStringLiteral("COMMIT")));

    if (aServidor) {
        QCOMPARE(mira.valor(QStringLiteral("SELECT count(*) FROM mv_agenda")).toInt(), 0);
        QCOMPARE(mira.valor(QStringLiteral("SELECT count(*) FROM ta_configuracion")).toInt(), 0);
    } else {
        QVERIFY(!QFile::exists(destino));
        if (senal == SIGINT)
            QVERIFY(!QFile::exists(destino + QStringLiteral(".copia")));
    }
}

AGENDA_PRUEBA_SIN_VENTANAS(TstAgendaCopia)
#include "tst_agendacopia.moc"
