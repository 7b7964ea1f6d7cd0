#include "platform/ado/Errors.h"

#include "runtime/ErrorVB.h"

namespace ado {

const Error& Errors::Item(int i) const
{
    if (i < 0 || i >= errores_.size())
        throw ErrorVB(ErroresVB::ElementoNoEncontrado,
                      QStringLiteral("No se encontró el elemento en la colección que corresponde al "
                                     "nombre o al ordinal solicitado."),
                      QStringLiteral("ADODB.Errors"));
    return errores_.at(i);
}

} // namespace ado
