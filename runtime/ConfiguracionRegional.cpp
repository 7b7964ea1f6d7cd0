#include "runtime/ConfiguracionRegional.h"

#include <QLocale>

void ConfiguracionRegional::Fija()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
}
