#include "data/DB_Dll.h"
#include "support/VerificaAdo.h"

#include <QDateTime>
#include <QTest>

#include <functional>

class TstAyudantes : public QObject {
    Q_OBJECT
private slots:
    void clasificaTipos_data();
    void clasificaTipos();
    void sqlValue_data();
    void sqlValue();
    void nombres_data();
    void nombres();
    void partesDelNombre_data();
    void partesDelNombre();
    void argumentoNoValido_data();
    void argumentoNoValido();
};

void TstAyudantes::clasificaTipos_data()
{
    QTest::addColumn<QVariant>("tipo");
    QTest::addColumn<QString>("clase");
    const auto filas = [](const QString& clase, std::initializer_list<int> codigos) {
        for (int codigo : codigos)
            QTest::addRow("%s %d", qPrintable(clase), codigo) << QVariant(codigo) << clase;
    };
    filas("fecha", {7, 133, 137, 134, 135, 64});
    filas("texto", {8, 201, 203, 200, 202, 130});
    filas("numero", {20, 14, 5, 3, 131, 4, 2, 16, 21, 19, 18, 17});
    filas("moneda", {6});
    filas("logico", {11});
    filas("ninguno", {129, 0, 12, 128});
    QTest::newRow("código escrito como texto") << QVariant("7") << "fecha";
    QTest::newRow("nulo") << QVariant() << "ninguno";
    QTest::newRow("texto sin número") << QVariant("fecha") << "ninguno";
}

void TstAyudantes::clasificaTipos()
{
    QFETCH(QVariant, tipo);
    QFETCH(QString, clase);
    QCOMPARE(DB_Dll::adodate(tipo), clase == "fecha");
    QCOMPARE(DB_Dll::ADOText(tipo), clase == "texto");
    QCOMPARE(DB_Dll::ADONumeric(tipo), clase == "numero");
    QCOMPARE(DB_Dll::ADOCurrency(tipo), clase == "moneda");
    QCOMPARE(DB_Dll::ADOBoolean(tipo), clase == "logico");
}

void TstAyudantes::sqlValue_data()
{
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("literal");
    QTest::newRow("nulo entre comillas es NULL") << QVariant() << "'"
                                                 << "NULL";
    QTest::newRow("nulo numérico es 0") << QVariant() << "@"
                                        << "0";
    QTest::newRow("nulo desnudo es NULL") << QVariant() << ""
                                          << "NULL";
    QTest::newRow("texto entre comillas") << QVariant("Ana") << "'"
                                          << "'Ana'";
    QTest::newRow("texto vacío") << QVariant(QString()) << "'"
                                 << "''";
    QTest::newRow("comilla dentro no cierra el literal") << QVariant("O'Neill") << "'"
                                                         << "'O''Neill'";
    QTest::newRow("número con punto decimal") << QVariant(12.5) << "@"
                                              << "12.5";
    QTest::newRow("texto numérico con cola") << QVariant(" 42abc") << "@"
                                             << "42";
    QTest::newRow("redondeo a cuatro decimales") << QVariant("1.23456") << "@"
                                                 << "1.2346";
    QTest::newRow("negativo") << QVariant(-3) << "@"
                              << "-3";
    QTest::newRow("texto sin número es 0") << QVariant("abc") << "@"
                                           << "0";
    QTest::newRow("otro tipo, desnudo") << QVariant("a + b") << "#"
                                        << "a + b";
    QTest::newRow("fecha día primero") << QVariant(QDate(2025, 3, 5)) << "'"
                                       << "'05/03/2025'";
    QTest::newRow("fecha y hora") << QVariant(QDateTime(QDate(2025, 3, 5), QTime(9, 30))) << "'"
                                  << "'05/03/2025 09:30:00'";
}

void TstAyudantes::sqlValue()
{
    QFETCH(QVariant, valor);
    QFETCH(QString, tipo);
    QFETCH(QString, literal);
    DB_Dll db;
    const QVariant resultado = db.SQLValue(valor, tipo);
    QCOMPARE(resultado.typeId(), QMetaType::QString);
    QCOMPARE(resultado.toString(), literal);
}

void TstAyudantes::nombres_data()
{
    QTest::addColumn<QString>("funcion");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("resultado");
    QTest::newRow("corchetes a un nombre con blanco") << "AddBrackets"
                                                      << "Mi Tabla"
                                                      << "[Mi Tabla]";
    QTest::newRow("corchetes ya puestos") << "AddBrackets"
                                          << "[Mi Tabla"
                                          << "[Mi Tabla";
    QTest::newRow("corchetes innecesarios") << "AddBrackets"
                                            << "Tabla"
                                            << "Tabla";
    QTest::newRow("quita corchetes") << "StripBrackets"
                                     << "[Mi Tabla]"
                                     << "Mi Tabla";
    QTest::newRow("sin cierre pierde la última letra") << "StripBrackets"
                                                       << "[Tabla"
                                                       << "Tabl";
    QTest::newRow("corchetes vacíos") << "StripBrackets"
                                      << "[]"
                                      << "";
    QTest::newRow("sin corchetes") << "StripBrackets"
                                   << "Tabla]"
                                   << "Tabla]";
    QTest::newRow("blanco antes de la flecha") << "StripConnect"
                                               << "Tabla ->Srv"
                                               << "Tabla";
    QTest::newRow("sin blanco pierde la última letra") << "StripConnect"
                                                       << "Tabla->Srv"
                                                       << "Tabl";
    QTest::newRow("sin flecha") << "StripConnect"
                                << "Tabla-Srv"
                                << "Tabla-Srv";
    QTest::newRow("carpeta de un archivo") << "StripFileName"
                                           << "C:\\Datos\\a.txt"
                                           << "C:\\Datos";
    QTest::newRow("ruta acabada en barra") << "StripFileName"
                                           << "C:\\Datos\\"
                                           << "C:\\Datos";
    QTest::newRow("sin barra invertida") << "StripFileName"
                                         << "/home/a.txt"
                                         << "";
}

void TstAyudantes::nombres()
{
    QFETCH(QString, funcion);
    QFETCH(QString, nombre);
    QFETCH(QString, resultado);
    const QMap<QString, std::function<QString(const QString&)>> funciones{{"AddBrackets", DB_Dll::AddBrackets},
                                                                          {"StripBrackets", DB_Dll::StripBrackets},
                                                                          {"StripConnect", DB_Dll::StripConnect},
                                                                          {"StripFileName", DB_Dll::StripFileName}};
    QCOMPARE(funciones.value(funcion)(nombre), resultado);
}

// Both functions may write their result back to the caller's variable; "parte" -1 stands for StripOwner.
void TstAyudantes::partesDelNombre_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<int>("parte");
    QTest::addColumn<QString>("resultado");
    QTest::addColumn<QString>("nombreDespues");
    QTest::newRow("dueño quitado y devuelto") << "dbo.T" << -1 << "T"
                                              << "T";
    QTest::newRow("sin dueño") << "T" << -1 << "T"
                               << "T";
    QTest::newRow("solo el primer punto") << "a.b.c" << -1 << "b.c"
                                          << "b.c";
    QTest::newRow("segunda parte") << "dbo.T" << 1 << "T"
                                   << "dbo.T";
    QTest::newRow("primera parte") << "dbo.T" << 0 << "dbo"
                                   << "dbo.T";
    QTest::newRow("sin punto, segunda parte es todo") << "T" << 2 << "T"
                                                      << "T";
    QTest::newRow("tres partes cambian la variable") << "srv.dbo.T" << 0 << "dbo.T"
                                                     << "dbo.T";
}

void TstAyudantes::partesDelNombre()
{
    QFETCH(QString, nombre);
    QFETCH(int, parte);
    QFETCH(QString, resultado);
    QFETCH(QString, nombreDespues);
    QCOMPARE(parte < 0 ? DB_Dll::StripOwner(nombre) : DB_Dll::stSTF(nombre, int16_t(parte)), resultado);
    QCOMPARE(nombre, nombreDespues);
}

void TstAyudantes::argumentoNoValido_data()
{
    QTest::addColumn<QString>("funcion");
    QTest::addColumn<QString>("nombre");
    QTest::newRow("corchete solo") << "StripBrackets"
                                   << "[";
    QTest::newRow("flecha al principio") << "StripConnect"
                                         << "->Srv";
    QTest::newRow("primera parte sin punto") << "stSTF"
                                             << "Tabla";
}

void TstAyudantes::argumentoNoValido()
{
    QFETCH(QString, funcion);
    QFETCH(QString, nombre);
    const ErrorVB e = ErrorDe([&] {
        if (funcion == "StripBrackets")
            (void)DB_Dll::StripBrackets(nombre);
        else if (funcion == "StripConnect")
            (void)DB_Dll::StripConnect(nombre);
        else
            DB_Dll::stSTF(nombre, 0);
    });
    QCOMPARE(e.numero(), ErroresVB::LlamadaNoValida);
}

AGENDA_PRUEBA(TstAyudantes)
#include "tst_ayudantes.moc"
