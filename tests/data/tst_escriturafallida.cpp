#include "data/DB_Dll.h"
#include "platform/ado/TipoFallo.h"
#include "runtime/RegistroErrores.h"
#include "support/ArchivoInmutable.h"
#include "support/BaseDePrueba.h"
#include "support/DialogosGuionados.h"

#include <QFile>
#include <QTest>

#include <optional>

// A write that the database cannot do is never silent: each failure of the file or of a lock gets
// its own number, outside the four that EjecutaConsultaSQL keeps quiet, and a Spanish description
// naming the cause reaches the person. Every case is a real file in a temporary folder.
class TstEscrituraFallida : public QObject {
    Q_OBJECT
private slots:
    void fallaConAviso_data();
    void fallaConAviso();
};

namespace {

const QString kNota
    = QStringLiteral("UPDATE MV_AGENDA SET MENSAJE = 'Llamar' WHERE FECHA BETWEEN '5/3/2025' AND '5/3/2025 23:59'");

} // namespace

void TstEscrituraFallida::fallaConAviso_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("causa");
    QTest::newRow("bloqueada por otra conexión") << "bloqueo" << int(ado::NumeroError::TiempoAgotado) << "bloqueada";
    QTest::newRow("archivo inmutable") << "inmutable" << int(ado::NumeroError::SinEscritura) << "solo lectura";
    QTest::newRow("tamaño máximo alcanzado") << "lleno" << int(ado::NumeroError::EspacioAgotado) << "disco está lleno";
    QTest::newRow("archivo borrado con la base abierta")
        << "borrado" << int(ado::NumeroError::ArchivoNoEncontrado) << "borrado";
    QTest::newRow("cabecera dañada con la base abierta")
        << "danado" << int(ado::NumeroError::ArchivoDanado) << "dañado";
}

void TstEscrituraFallida::fallaConAviso()
{
    QFETCH(QString, caso);
    QFETCH(int, numero);
    QFETCH(QString, causa);
    DialogosDePrueba dialogos;
    BaseDePrueba base(true);
    std::optional<ArchivoInmutable> inmutable;
    if (caso == "inmutable" && !inmutable.emplace(base.ruta()).logrado())
        QSKIP("chattr +i no está disponible en este sistema de archivos");

    DB_Dll db;
    db.gEsAdmin = true;
    db.gCnn().Open(base.cadenaConexion());
    db.gCnn().setCommandTimeout(1);
    ado::Connection otra;
    if (caso == "bloqueo") {
        otra.Open(base.cadenaConexion());
        otra.BeginTrans();
        otra.Execute(QStringLiteral("UPDATE MV_AGENDA SET MENSAJE = 'otra' WHERE ID = 1"));
    } else if (caso == "lleno") {
        db.gCnn().Execute(QStringLiteral("PRAGMA max_page_count = 1")); // no room beyond what the file holds
    } else if (caso == "borrado") {
        QVERIFY(QFile::remove(base.ruta()));
    } else if (caso == "danado") {
        QFile archivo(base.ruta());
        QVERIFY(archivo.open(QIODevice::ReadWrite));
        archivo.write(QByteArray(100, '\xff'));
    }
    QString sql
        = caso == "lleno" ? QStringLiteral("UPDATE MV_AGENDA SET MENSAJE = '%1'").arg(QString(2000, u'x')) : kNota;
    QFile registro(RegistroErrores::ruta());
    const qint64 antes = registro.exists() ? registro.size() : 0;
    db.EjecutaConsultaSQL(sql);

    QCOMPARE(db.gCnn().Errors().Count(), 1);
    QCOMPARE(db.gCnn().Errors().Item(0).Number, numero);
    QCOMPARE(dialogos->registros().size(), 1);
    QCOMPARE(dialogos->registros().first().titulo, "Aviso al operador!!!");
    QVERIFY2(dialogos->registros().first().texto.contains(causa), qPrintable(dialogos->registros().first().texto));
    QVERIFY(registro.open(QIODevice::ReadOnly) && registro.seek(antes));
    QVERIFY(QString::fromUtf8(registro.readAll()).contains(QStringLiteral("\tEjecutaConsultaSQL\t%1\t").arg(numero)));
    if (caso == "bloqueo")
        otra.RollbackTrans();
}

AGENDA_PRUEBA_SIN_VENTANAS(TstEscrituraFallida)
#include "tst_escriturafallida.moc"
