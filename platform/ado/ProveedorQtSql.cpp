#include "platform/ado/ProveedorQtSql.h"

#include "platform/ado/Constantes.h"
#include "platform/ado/FalloProveedor.h"
#include "platform/ado/LectorFilasQtSql.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>

namespace ado {
namespace {

std::atomic<int> conexionesCreadas{0};

bool mismoValor(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a == b;
}

} // namespace

ProveedorQtSql::ProveedorQtSql(const char* prefijo, QString origen)
    : nombreConexion_(QStringLiteral("%1_%2").arg(QLatin1String(prefijo)).arg(++conexionesCreadas)),
      origen_(std::move(origen))
{
}

ProveedorQtSql::~ProveedorQtSql()
{
    cierraConexion();
}

void ProveedorQtSql::agregaConexion(const QString& controlador, const QString& siFalta)
{
    base_ = QSqlDatabase::addDatabase(controlador, nombreConexion_);
    if (base_.isValid())
        return;
    cierraConexion();
    fallaPropia(siFalta, NumeroError::ProveedorNoEncontrado);
}

void ProveedorQtSql::cierraConexion()
{
    if (base_.isValid())
        base_.close();
    base_ = QSqlDatabase();
    if (QSqlDatabase::contains(nombreConexion_))
        QSqlDatabase::removeDatabase(nombreConexion_);
}

bool ProveedorQtSql::abierta() const
{
    return base_.isValid() && base_.isOpen();
}

void ProveedorQtSql::compruebaAbierta() const
{
    if (!abierta())
        fallaPropia(QStringLiteral("La base de datos no está abierta."));
}

void ProveedorQtSql::fallaPropia(const QString& descripcion, int32_t numero, const QString& estado) const
{
    throw FalloProveedor::Propio(origen_, numero, descripcion, estado);
}

void ProveedorQtSql::iniciaTransaccion()
{
    compruebaAbierta();
    pasoTransaccion(PasoTransaccion::Inicia);
}

void ProveedorQtSql::confirmaTransaccion()
{
    compruebaAbierta();
    pasoTransaccion(PasoTransaccion::Confirma);
}

void ProveedorQtSql::deshaceTransaccion()
{
    compruebaAbierta();
    pasoTransaccion(PasoTransaccion::Deshace);
}

void ProveedorQtSql::pasoTransaccion(PasoTransaccion paso)
{
    switch (paso) {
    case PasoTransaccion::Inicia:
        ejecutaSimple(QStringLiteral("BEGIN"));
        break;
    case PasoTransaccion::Confirma:
        ejecutaSimple(QStringLiteral("COMMIT"));
        break;
    case PasoTransaccion::Deshace:
        ejecutaSimple(QStringLiteral("ROLLBACK"));
        break;
    }
}

QString ProveedorQtSql::idFila() const
{
    return {};
}

QString ProveedorQtSql::baseDeDatos() const
{
    return base_.isValid() ? baseDeDatos_ : QString();
}

void ProveedorQtSql::ejecutaSimple(const QString& sentencia)
{
    QSqlQuery q(base_);
    if (!q.exec(sentencia))
        fallaConsulta(q);
}

void ProveedorQtSql::insertaFila(const QString& tabla, const QStringList& columnas, const QVariantList& valores)
{
    compruebaAbierta();
    QString texto = QStringLiteral("INSERT INTO ") + citaNombre(tabla);
    if (columnas.isEmpty()) {
        texto += QStringLiteral(" DEFAULT VALUES");
    } else {
        QStringList citadas;
        for (const QString& columna : columnas)
            citadas.append(citaNombre(columna));
        const QStringList marcas(columnas.size(), QStringLiteral("?"));
        texto += QStringLiteral(" (%1) VALUES (%2)")
                     .arg(citadas.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", ")));
    }
    QSqlQuery q(base_);
    if (!q.prepare(texto))
        fallaConsulta(q);
    for (qsizetype i = 0; i < columnas.size(); ++i)
        q.addBindValue(valorEscrito(valores.value(i), columnas.at(i)));
    if (!q.exec())
        fallaConsulta(q);
}

void ProveedorQtSql::actualizaFila(const QString& tabla, const QStringList& columnas, const QVariantList& originales,
                                   const QVariantList& nuevos)
{
    compruebaAbierta();
    QStringList cambios;
    QVariantList valores;
    QStringList condiciones;
    QVariantList valoresCondicion;
    for (qsizetype i = 0; i < columnas.size(); ++i) {
        const QString columna = citaNombre(columnas.at(i));
        const QVariant original = originales.value(i);
        if (!mismoValor(original, nuevos.value(i))) {
            cambios.append(columna + QStringLiteral(" = ?"));
            valores.append(valorEscrito(nuevos.value(i), columnas.at(i)));
        }
        condiciones.append(original.isNull() ? columna + QStringLiteral(" IS NULL")
                                             : condicionOriginal(columna, original, valoresCondicion));
    }
    if (cambios.isEmpty())
        return;
    const QString citada = citaNombre(tabla);
    QString donde = condiciones.join(QStringLiteral(" AND "));
    if (const QString id = idFila(); !id.isEmpty())
        donde = QStringLiteral("%1 = (SELECT %1 FROM %2 WHERE %3 LIMIT 1)").arg(id, citada, donde);
    QSqlQuery q(base_);
    if (!q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(citada, cambios.join(QStringLiteral(", ")), donde)))
        fallaConsulta(q);
    for (const QVariant& v : valores + valoresCondicion)
        q.addBindValue(v);
    if (!q.exec())
        fallaConsulta(q);
    if (q.numRowsAffected() == 0)
        fallaPropia(QStringLiteral("No se encuentra la fila que se quería actualizar en la tabla \"%1\"; "
                                   "puede que otro usuario la haya cambiado.")
                        .arg(tabla));
}

std::unique_ptr<LectorFilas> ProveedorQtSql::lectorDe(const QSqlRecord& registro, const QString&) const
{
    return std::make_unique<LectorFilasQtSql>(
        registro, [this](const QSqlField& campo, int masLargo) { return columnaLeida(campo, masLargo); });
}

Columna ProveedorQtSql::columnaLeida(const QSqlField& campo, int) const
{
    return {campo.name(), LectorFilasQtSql::TipoDeCampo(campo), campo.length() > 0 ? campo.length() : 0};
}

Resultado ProveedorQtSql::leeFilas(QSqlQuery& q, const QString& sentencia) const
{
    const QSqlRecord registro = q.record();
    const std::unique_ptr<LectorFilas> lector = lectorDe(registro, sentencia);
    QVariantList crudos(registro.count());
    while (q.next()) {
        for (int i = 0; i < registro.count(); ++i)
            crudos[i] = q.value(i);
        lector->agrega(crudos);
    }
    if (q.lastError().type() != QSqlError::NoError)
        fallaConsulta(q);
    return lector->termina();
}

void ProveedorQtSql::fallaConsulta(const QSqlQuery& q) const
{
    falla(q.lastError());
}

} // namespace ado
