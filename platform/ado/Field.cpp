#include "platform/ado/Field.h"

#include "platform/ado/Recordset.h"
#include "runtime/ErrorVB.h"

namespace ado {
namespace {

[[noreturn]] void elevaNoEncontrado()
{
    throw ErrorVB(ErroresVB::ElementoNoEncontrado,
                  QStringLiteral("No se encontró el elemento en la colección que corresponde al nombre o al "
                                 "ordinal solicitado."),
                  QStringLiteral("ADODB.Fields"));
}

const Columna& columna(const Recordset& recordset, int indice)
{
    const auto& columnas = recordset.resultado().columnas;
    if (indice < 0 || indice >= columnas.size())
        elevaNoEncontrado();
    return columnas.at(indice);
}

} // namespace

QString Field::Name() const
{
    return columna(*recordset_, indice_).nombre;
}

QVariant Field::Value() const
{
    columna(*recordset_, indice_);
    return recordset_->valor(indice_);
}

void Field::setValue(const QVariant& valor)
{
    columna(*recordset_, indice_);
    recordset_->fijaValor(indice_, valor);
}

int Field::Type() const
{
    return columna(*recordset_, indice_).tipo;
}

int Field::DefinedSize() const
{
    return columna(*recordset_, indice_).tamanoDefinido;
}

int Fields::Count() const
{
    return static_cast<int>(recordset_->resultado().columnas.size());
}

Field Fields::Item(int indice) const
{
    columna(*recordset_, indice);
    return Field(*recordset_, indice);
}

Field Fields::Item(const QString& nombre) const
{
    const auto& columnas = recordset_->resultado().columnas;
    const QString buscado = nombre.trimmed();
    for (qsizetype i = 0; i < columnas.size(); ++i) {
        if (columnas.at(i).nombre.compare(buscado, Qt::CaseInsensitive) == 0)
            return Field(*recordset_, static_cast<int>(i));
    }
    elevaNoEncontrado();
}

} // namespace ado
