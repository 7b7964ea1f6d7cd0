#include "data/SinonimosTablas.h"

#include <QTest>

class TstSinonimosTablas : public QObject {
    Q_OBJECT
private slots:
    void sustituye_data();
    void sustituye();
};

void TstSinonimosTablas::sustituye_data()
{
    QTest::addColumn<bool>("esAdmin");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("administrador: sin cambios") << true << "SELECT * FROM MA_CUENTAS WHERE X = 1"
                                                << "SELECT * FROM MA_CUENTAS WHERE X = 1";
    QTest::newRow("administrador: solo se quita el marcador") << true << "SELECT * FROM @Admin_MA_CUENTAS WHERE X = 1"
                                                              << "SELECT * FROM MA_CUENTAS WHERE X = 1";
    QTest::newRow("usuario: tabla entre blancos") << false << "SELECT * FROM MA_CUENTAS WHERE X = 1"
                                                  << "SELECT * FROM SS_MA_CUENTAS WHERE X = 1";
    QTest::newRow("usuario: columna calificada tras blanco, paréntesis y coma")
        << false << "SELECT MA_CUENTAS.CODIGO,MA_CUENTAS.X FROM T WHERE (MA_CUENTAS.Y = 1)"
        << "SELECT SS_MA_CUENTAS.CODIGO,SS_MA_CUENTAS.X FROM T WHERE (SS_MA_CUENTAS.Y = 1)";
    QTest::newRow("usuario: llave solo para MA_CUENTAS") << false << "{MA_CUENTAS.A} {V_TA_CAJAS.B}"
                                                         << "{SS_MA_CUENTAS.A} {V_TA_CAJAS.B}";
    QTest::newRow("usuario: nombre al final del texto no se cambia") << false << "SELECT * FROM MA_CUENTAS"
                                                                     << "SELECT * FROM MA_CUENTAS";
    QTest::newRow("usuario: nombre seguido de salto de línea no se cambia")
        << false << "SELECT * FROM MA_CUENTAS\nWHERE X = 1"
        << "SELECT * FROM MA_CUENTAS\nWHERE X = 1";
    QTest::newRow("usuario: con dueño no se cambia") << false << "SELECT * FROM dbo.MA_CUENTAS WHERE X"
                                                     << "SELECT * FROM dbo.MA_CUENTAS WHERE X";
    QTest::newRow("usuario: marcador conserva la tabla base") << false << "SELECT * FROM @Admin_V_TA_CAJAS WHERE X"
                                                              << "SELECT * FROM V_TA_CAJAS WHERE X";
    QTest::newRow("usuario: marcador en minúsculas") << false << "SELECT * FROM @admin_MA_CUENTAS WHERE X"
                                                     << "SELECT * FROM MA_CUENTAS WHERE X";
    QTest::newRow("usuario: minúsculas, sinónimo en mayúsculas") << false << "select * from ma_cuentas where x = 1"
                                                                 << "select * from SS_MA_CUENTAS where x = 1";
    QTest::newRow("usuario: el diario no toca el diario por centro de costo")
        << false << "SELECT * FROM AC_CUENTASDIARIO_CCOSTO WHERE X"
        << "SELECT * FROM SS_AC_CUENTAS_DIARIO_CCOSTO WHERE X";
    QTest::newRow("usuario: diario simple") << false << "SELECT * FROM AC_CUENTASDIARIO WHERE X"
                                            << "SELECT * FROM SS_AC_CUENTASDIARIO WHERE X";
    QTest::newRow("usuario: las siete tablas") << false
                                               << " MA_CUENTAS  V_TA_DEPOSITO  MV_ASIENTOS  V_TA_FAMILIAS  V_TA_CAJAS  "
                                                  "AC_CUENTASDIARIO  AC_CUENTASDIARIO_CCOSTO "
                                               << " SS_MA_CUENTAS  SS_V_TA_DEPOSITO  SS_MV_ASIENTOS  SS_V_TA_FAMILIAS  "
                                                  "SS_V_TA_CAJAS  SS_AC_CUENTASDIARIO  SS_AC_CUENTAS_DIARIO_CCOSTO ";
    QTest::newRow("usuario: tabla ajena sin cambios") << false << "SELECT * FROM MV_AGENDA WHERE X"
                                                      << "SELECT * FROM MV_AGENDA WHERE X";
}

void TstSinonimosTablas::sustituye()
{
    QFETCH(bool, esAdmin);
    QFETCH(QString, sql);
    QFETCH(QString, esperado);
    QCOMPARE(SinonimosTablas::Sustituye(sql, esAdmin), esperado);
}

AGENDA_PRUEBA_SIN_VENTANAS(TstSinonimosTablas)
#include "tst_sinonimostablas.moc"
