#include "runtime/Estacion.h"
#include "runtime/LectorIni.h"
#include "runtime/PasosAtrapados.h"
#include "startup/ModGlobal.h"

#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QWidget>

namespace {

QIcon iconoDelPrograma(const QString& nombre)
{
    const QString ruta = QStringLiteral(":/iconos/") + nombre.toUpper() + QStringLiteral(".png");
    return QFile::exists(ruta) ? QIcon(ruta) : QIcon();
}

} // namespace

void ModGlobal::CargarIconoSistema(QWidget* Ventana)
{
    if (!Ventana)
        return;
    Q_INIT_RESOURCE(iconos);
    QString nombre;
    QIcon icono;
    bool esMdi = false;
    // Every step is skipped when it fails.
    EjecutaPasos({
                     [&] {
                         nombre = LectorIni::LeeIni(QStringLiteral("CN000pr.INI"), QStringLiteral("Iconos"),
                                                    QStringLiteral("IconoDelSistema"), QStringLiteral("ICONPELMAR"));
                     },
                     [&] {
                         icono = iconoDelPrograma(nombre);
                         if (!icono.isNull())
                             Ventana->setWindowIcon(icono);
                     },
                     [&] {
                         const QString archivo = QDir::current().filePath(QStringLiteral("pelmar.ico"));
                         if (icono.isNull() && QFile::exists(archivo))
                             Ventana->setWindowIcon(QIcon(archivo));
                     },
                     [&] {
                         esMdi = QString::fromLatin1(Ventana->metaObject()->className())
                                     .compare(QLatin1String("FRMMDI"), Qt::CaseInsensitive)
                             == 0;
                     },
                     [&] {
                         if (!esMdi)
                             Estacion::AjustaFormulario(Ventana);
                     },
                     [&] {
                         if (esMdi)
                             return;
                         for (const char* control : {"UtilZel1", "TBarRep1", "Util0011"})
                             if (QObject* barra = Ventana->findChild<QObject*>(QString::fromLatin1(control)))
                                 barra->setProperty("StyleBar", gFlatToolbars);
                     },
                     [&] {
                         if (!esMdi)
                             QCoreApplication::processEvents();
                     },
                 },
                 IgnoraErrores);
}
