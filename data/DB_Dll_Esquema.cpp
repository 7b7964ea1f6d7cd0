#include "data/DB_Dll.h"
#include "platform/ado/RegistroProveedores.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"

namespace {

const QString kContextoVerifica = QStringLiteral("VerificaCampos");

// A step that runs after a failed OpenSchema the person chose to go past finds no rowset.
ado::Recordset& Abierto(const std::unique_ptr<ado::Recordset>& rs)
{
    if (!rs)
        ElevaObjetoNoEstablecido(kContextoVerifica);
    return *rs;
}

// Walks from the current row to the end; true at the first row whose `campo`, trimmed, equals
// `nombre` (already trimmed) ignoring case. The rowset stays where the walk stopped, so a repeated
// step goes on from the row that failed.
bool BuscaNombre(ado::Recordset& rs, const QString& campo, const QString& nombre)
{
    for (; !rs.Eof(); rs.MoveNext()) {
        if (FuncionesVB::Trim(rs.Fields().Item(campo).Value().toString()).compare(nombre, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

bool DB_Dll::ExisteTablaDB(const QString& Tabla)
{
    bool existe = false;
    std::unique_ptr<ado::Recordset> rs;
    EjecutaPasos({[&] { rs = gCnn().OpenSchema(ado::adSchemaTables); },
                  [&] { existe = BuscaNombre(Abierto(rs), QStringLiteral("TABLE_NAME"), FuncionesVB::Trim(Tabla)); }},
                 [this](const ErrorVB& e) { return runtime_.ReportaError(e, kContextoVerifica); });
    return existe;
}

bool DB_Dll::ExisteCampoDB(const QString& Tabla, const QString& Campo)
{
    // Oracle's schema rowsets are not asked: every column counts as present there.
    if (ado::RegistroProveedores::motor(Compartido().gProveedor) == ado::RegistroProveedores::Motor::Oracle)
        return true;
    bool existe = false;
    std::unique_ptr<ado::Recordset> rs;
    EjecutaPasos({[&] {
                      rs = gCnn().OpenSchema(ado::adSchemaColumns, {gDbName, QVariant(), Tabla, QVariant()});
                  },
                  [&] { existe = BuscaNombre(Abierto(rs), QStringLiteral("COLUMN_NAME"), FuncionesVB::Trim(Campo)); }},
                 [this](const ErrorVB& e) { return runtime_.ReportaError(e, kContextoVerifica); });
    return existe;
}

void DB_Dll::AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                      const std::optional<QVariant>& ValorDefault)
{
    EjecutaPasos({[&] {
                     const QString nulos = PermiteNulos ? QStringLiteral(" Null ") : QStringLiteral(" Not Null ");
                     const QString defecto = ValorDefault ? QStringLiteral(" CONSTRAINT DF_") + FuncionesVB::Trim(Tabla)
                             + QLatin1Char('_') + FuncionesVB::Trim(Campo) + QStringLiteral(" DEFAULT (")
                             + ValorDefault->toString() + QLatin1Char(')')
                                                          : QString();
                     QString sentencia = QStringLiteral("ALTER TABLE dbo.") + Tabla + QStringLiteral(" ADD ") + Campo
                         + QLatin1Char(' ') + Tipo + nulos + defecto;
                     int32_t registros = 0;
                     EjecutaConsultaSQL(sentencia, registros);
                 }},
                 [this](const ErrorVB& e) { return runtime_.ReportaError(e, QStringLiteral("errAddField")); });
}

bool DB_Dll::VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo,
                        bool PermiteNulos, const std::optional<QVariant>& ValorDefault)
{
    if (Agregar && ExisteTablaDB(Tabla) && !ExisteCampoDB(Tabla, Campo))
        AddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault);
    return true;
}
