#include "platform/ado/CadenaConexion.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "runtime/ErrorVB.h"
#include "support/BaseDePrueba.h"

#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <optional>

// Generated arithmetic over integer, decimal, float and text columns (NULL included), and a date
// column plus or minus such integer arithmetic, must give the same answer on both databases, or be refused by both: a rewrite that decides a type wrongly shows
// up as a different number on one of them. Expressions over integers alone must also give what
// PostgreSQL gives for the text as written, which for them is the server's arithmetic.
class TstDiferencialExpresiones : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void mismaRespuestaEnAmbasBases();
    void cleanupTestCase();

private:
    std::unique_ptr<BaseDePrueba> sqlite_;
    std::unique_ptr<BaseDePrueba> postgres_;
    ado::Connection conexionSqlite_;
    ado::Connection conexionPostgres_;
    QSqlDatabase directa_;
};

namespace {

const char* const kFilas[] = {
    "INSERT INTO KQ_DIF (ID, E, F, D, R, S, T) VALUES (1, 10, 3, 30, 2.5, '7', '05/03/2025 09:30')",
    "INSERT INTO KQ_DIF (ID, E, F, D, R, S, T) VALUES (2, -7, 2, 17.5, -0.5, NULL, '31/12/2024')",
    "INSERT INTO KQ_DIF (ID, E, F, D, R, S, T) VALUES (3, NULL, 4, NULL, NULL, ' 12 ', NULL)",
    "INSERT INTO KQ_DIF (ID, E, F, D, R, S, T) VALUES (4, 0, -3, 0.25, 4, '4', '29/02/2024 23:59:59')",
};

// Random expressions from a fixed seed. `enteros` keeps them to integer columns and literals.
class Generador {
public:
    Generador(quint32 semilla, bool enteros) : azar_(semilla), enteros_(enteros) { }

    QString expresion(int profundidad)
    {
        if (profundidad <= 0)
            return hoja();
        switch (azar_.bounded(9)) {
        case 0:
            return hoja();
        case 1:
            return QStringLiteral("- ") + expresion(profundidad - 1);
        case 2:
            return QStringLiteral("+ ") + expresion(profundidad - 1);
        case 3:
            return QStringLiteral("(") + expresion(profundidad - 1) + u')';
        case 4:
            return QStringLiteral("CASE WHEN %1 > %2 THEN %3 ELSE %4 END")
                .arg(hoja(), hoja(), expresion(profundidad - 1), expresion(profundidad - 1));
        case 5: {
            static const char* const funciones[] = {"NULLIF", "COALESCE", "ISNULL"};
            return QStringLiteral("%1(%2, %3)")
                .arg(QLatin1String(funciones[azar_.bounded(3)]), expresion(profundidad - 1),
                     expresion(profundidad - 1));
        }
        default: {
            static const char* const operadores[] = {" + ", " - ", " * ", " / "};
            return expresion(profundidad - 1) + QLatin1String(operadores[azar_.bounded(4)])
                + expresion(profundidad - 1);
        }
        }
    }

private:
    QString hoja()
    {
        // No literal zero or NULL: PostgreSQL works out constants while planning, dividing by zero
        // in a CASE branch that never runs, or skipping a division by zero beside a NULL. The rows
        // hold zeros and NULLs instead.
        static const char* const enteras[] = {"E", "F", "1", "2", "7", "-3", "3"};
        static const char* const todas[] = {"E", "F", "D", "R", "S", "3", "1", "2.5", "'4'", "-2"};
        return enteros_ ? QLatin1String(enteras[azar_.bounded(7)]) : QLatin1String(todas[azar_.bounded(10)]);
    }

    QRandomGenerator azar_;
    bool enteros_;
};

// A result in a form both databases share: "NULL", "ERROR", a number (compared with a margin for
// the last digits of a real) or a text.
struct Respuesta {
    QString texto;
    std::optional<double> numero;

    bool operator==(const Respuesta& otra) const
    {
        if (numero && otra.numero)
            return qAbs(*numero - *otra.numero) <= 1e-9 * std::max({1.0, qAbs(*numero), qAbs(*otra.numero)});
        return texto == otra.texto;
    }
};

Respuesta respuestaDe(const QVariant& v)
{
    if (v.isNull())
        return {QStringLiteral("NULL"), std::nullopt};
    bool esNumero = false;
    const double n = v.toDouble(&esNumero);
    if (v.typeId() == QMetaType::QDateTime)
        return {v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), std::nullopt};
    if (esNumero && v.typeId() != QMetaType::QString)
        return {QString::number(n, 'g', 15), n};
    return {v.toString(), std::nullopt};
}

Respuesta ejecuta(ado::Connection& conexion, const QString& sql)
{
    ado::Recordset rs;
    try {
        rs.Open(sql, &conexion);
        return respuestaDe(rs.Fields().Item(0).Value());
    } catch (const ErrorVB&) {
        return {QStringLiteral("ERROR"), std::nullopt};
    }
}

Respuesta ejecutaDirecta(QSqlDatabase& base, const QString& sql)
{
    QSqlQuery q(base);
    if (!q.exec(sql) || !q.next())
        return {QStringLiteral("ERROR"), std::nullopt};
    return respuestaDe(q.value(0));
}

} // namespace

void TstDiferencialExpresiones::initTestCase()
{
    if (ServidorDePrueba().isEmpty())
        QSKIP("No hay servidor PostgreSQL de prueba");
    sqlite_ = std::make_unique<BaseDePrueba>(false, QDate(2025, 3, 5), Motor::SQLite);
    postgres_ = std::make_unique<BaseDePrueba>(false, QDate(2025, 3, 5), Motor::PostgreSQL);
    conexionSqlite_.Open(sqlite_->cadenaConexion());
    conexionPostgres_.Open(postgres_->cadenaConexion());
    for (ado::Connection* c : {&conexionSqlite_, &conexionPostgres_}) {
        c->Execute(
            QStringLiteral("CREATE TABLE KQ_DIF (ID INT PRIMARY KEY, E INT NULL, F INT NULL, D DECIMAL(12, 2) NULL,"
                           " R FLOAT NULL, S VARCHAR(20) NULL, T TIMESTAMP NULL)"));
        for (const char* fila : kFilas)
            c->Execute(QString::fromLatin1(fila));
    }
    const ado::CadenaConexion cadena(postgres_->cadenaConexion());
    const QString servidor = cadena.valor(QStringLiteral("Server"));
    directa_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("diferencial"));
    directa_.setHostName(servidor.section(u':', 0, 0));
    directa_.setPort(servidor.section(u':', 1, 1).toInt());
    directa_.setUserName(cadena.valor(QStringLiteral("UId")));
    directa_.setDatabaseName(cadena.baseDeDatos());
    QVERIFY2(directa_.open(), qPrintable(directa_.lastError().text()));
}

void TstDiferencialExpresiones::mismaRespuestaEnAmbasBases()
{
    QStringList diferencias;
    int comparadas = 0;
    enum class Modo { Todas, Enteros, Fechas };
    for (const Modo modo : {Modo::Todas, Modo::Enteros, Modo::Fechas}) {
        const bool enteros = modo == Modo::Enteros;
        Generador generador(modo == Modo::Todas ? 23 : modo == Modo::Enteros ? 19 : 29, modo != Modo::Todas);
        for (int i = 0; i < (modo == Modo::Fechas ? 50 : 150); ++i) {
            // A date plus or minus days: the integer arithmetic on either side, unbracketed, so
            // that the chain's order matters too.
            const QString expresion = modo != Modo::Fechas ? generador.expresion(3)
                : i % 3 == 0
                ? generador.expresion(2) + QStringLiteral(" + T")
                : QStringLiteral("T %1 ").arg(QLatin1String(i % 3 == 1 ? "+" : "-")) + generador.expresion(2);
            for (int id = 1; id <= 4; ++id) {
                const QString sql = QStringLiteral("SELECT %1 FROM KQ_DIF WHERE ID = %2").arg(expresion).arg(id);
                const Respuesta embebida = ejecuta(conexionSqlite_, sql);
                const Respuesta servidor = ejecuta(conexionPostgres_, sql);
                ++comparadas;
                if (!(embebida == servidor))
                    diferencias << QStringLiteral("%1 → %2 / %3").arg(sql, embebida.texto, servidor.texto);
                if (!enteros)
                    continue;
                QString tal = sql;
                tal.replace(QStringLiteral("ISNULL("), QStringLiteral("COALESCE("));
                // PostgreSQL refuses arithmetic on a bare NULL, which the server types as an int.
                const Respuesta directa = ejecutaDirecta(directa_, tal);
                if (directa.texto != u"ERROR" && !(directa == servidor))
                    diferencias
                        << QStringLiteral("%1 → %2 sin reescribir / %3").arg(sql, directa.texto, servidor.texto);
            }
        }
    }
    for (const QString& d : diferencias)
        qInfo("%s", qPrintable(d));
    QVERIFY2(diferencias.isEmpty(),
             qPrintable(QStringLiteral("%1 de %2 difieren").arg(diferencias.size()).arg(comparadas)));
}

void TstDiferencialExpresiones::cleanupTestCase()
{
    directa_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("diferencial"));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstDiferencialExpresiones)
#include "tst_diferencialexpresiones.moc"
