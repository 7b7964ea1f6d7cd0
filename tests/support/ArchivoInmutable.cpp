#include "support/ArchivoInmutable.h"

#include <QProcess>

namespace {
bool cambia(const QString& ruta, const char* indicador)
{
    return QProcess::execute(QStringLiteral("chattr"), {QString::fromLatin1(indicador), ruta}) == 0;
}
} // namespace

ArchivoInmutable::ArchivoInmutable(const QString& ruta) : ruta_(ruta), logrado_(cambia(ruta, "+i")) { }

ArchivoInmutable::~ArchivoInmutable()
{
    if (logrado_)
        cambia(ruta_, "-i");
}
