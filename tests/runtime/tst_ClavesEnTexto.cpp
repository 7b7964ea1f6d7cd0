#include "runtime/ClavesEnTexto.h"

#include <QTest>

// Masking must hide every password value and change nothing else: a short or common password must
// not garble the rest of a message, nor tell its letters by what it replaced.
class TstClavesEnTexto : public QObject {
    Q_OBJECT
private slots:
    void oculta_data();
    void oculta();
};

void TstClavesEnTexto::oculta_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::addColumn<QString>("clave");
    QTest::newRow("línea de arranque")
        << "@Server=(local);@DbName=a.db;@Usuario=admin;@Password=s3cretPw;@Proveedor=SQLite;"
        << "@Server=(local);@DbName=a.db;@Usuario=admin;@Password=***;@Proveedor=SQLite;"
        << "s3cretPw";
    QTest::newRow("línea con blancos e igual en la clave") << "@usuario= ana; @Password = ab=cd ; @Caja=1;"
                                                           << "@usuario= ana; @Password = ***; @Caja=1;"
                                                           << "ab=cd";
    QTest::newRow("línea sin igual") << "@PASSWORD clave;"
                                     << "@PASSWORD ***;"
                                     << "clave";
    QTest::newRow("cadena ado con pwd de una letra") << "Provider=PostgreSQL;Server=h:5432;UId=x;Pwd=x"
                                                     << "Provider=PostgreSQL;Server=h:5432;UId=x;Pwd=***"
                                                     << "";
    QTest::newRow("cadena ado con password") << "Data Source=PROD;User Id=u;Password = secreto;"
                                             << "Data Source=PROD;User Id=u;Password = ***;"
                                             << "secreto";
    QTest::newRow("odbc entre llaves") << "DRIVER={FreeTDS};PWD={a;b}}c};UID=u"
                                       << "DRIVER={FreeTDS};PWD={***};UID=u"
                                       << "a;b}}c";
    QTest::newRow("opción de libpq citada") << "host=h password='p \\' q' dbname=d"
                                            << "host=h password='***' dbname=d"
                                            << "p \\' q";
    QTest::newRow("dos cadenas en un mensaje") << "pwd=uno; y luego\nPWD=dos"
                                               << "pwd=***; y luego\nPWD=***"
                                               << "dos";
    QTest::newRow("clave vacía") << "UId=u;Pwd=;Database=d"
                                 << "UId=u;Pwd=;Database=d"
                                 << "";
    QTest::newRow("mensaje con la letra de la clave") << "relation \"x\" does not exist"
                                                      << "relation \"x\" does not exist"
                                                      << "";
    QTest::newRow("mensaje con la palabra password") << "password authentication failed for user \"password\""
                                                     << "password authentication failed for user \"password\""
                                                     << "";
    QTest::newRow("otras claves que acaban en password") << "UserPassWord=~~abc;gUserPassWord=x;mipwd=y"
                                                         << "UserPassWord=~~abc;gUserPassWord=x;mipwd=y"
                                                         << "";
}

// The same texts overwritten in place, as in a program's argument memory: same length, and every
// value gone wherever Oculta hides one.
void TstClavesEnTexto::oculta()
{
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QFETCH(QString, clave);
    QCOMPARE(ClavesEnTexto::Oculta(texto), esperado);

    QByteArray memoria = texto.toUtf8();
    ClavesEnTexto::Borra(memoria.data());
    QCOMPARE(memoria.size(), texto.toUtf8().size());
    QCOMPARE(ClavesEnTexto::Oculta(QString::fromUtf8(memoria)), esperado);
    if (!clave.isEmpty())
        QVERIFY(!memoria.contains(clave.toUtf8()));
}

AGENDA_PRUEBA_SIN_VENTANAS(TstClavesEnTexto)
#include "tst_ClavesEnTexto.moc"
