#include "runtime/LectorIni.h"

#include "runtime/Entorno.h"
#include "runtime/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <ini.h>
#include <optional>

namespace {
struct Busqueda {
    QString seccion;
    QString clave;
    std::optional<QString> valor;
};

bool mismoNombre(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString sinComillas(QString valor)
{
    if (valor.size() >= 2 && (valor.front() == u'"' || valor.front() == u'\'') && valor.back() == valor.front())
        return valor.mid(1, valor.size() - 2);
    return valor;
}

int alLeerEntrada(void* usuario, const char* seccion, const char* clave, const char* valor)
{
    auto* busqueda = static_cast<Busqueda*>(usuario);
    if (!busqueda->valor && mismoNombre(Windows1252::decodifica(seccion), busqueda->seccion)
        && mismoNombre(Windows1252::decodifica(clave), busqueda->clave))
        busqueda->valor = sinComillas(Windows1252::decodifica(valor).trimmed());
    return 1;
}

// The parser reads an indented line as the continuation of the previous value; the suite's files
// mean an ordinary line, so indentation goes before parsing.
QByteArray sinSangria(const QByteArray& contenido)
{
    QByteArray resultado;
    resultado.reserve(contenido.size() + 1);
    for (const QByteArray& linea : contenido.split('\n'))
        resultado += linea.trimmed() + '\n';
    return resultado;
}

QString enCarpeta(const QDir& carpeta, const QString& nombre)
{
    if (QFileInfo(carpeta.filePath(nombre)).isFile())
        return carpeta.filePath(nombre);
    const QStringList parecidos = carpeta.entryList({nombre}, QDir::Files | QDir::Hidden);
    for (const QString& encontrado : parecidos) {
        if (mismoNombre(encontrado, nombre))
            return carpeta.filePath(encontrado);
    }
    return {};
}
} // namespace

QString LectorIni::Localiza(const QString& archivo)
{
    if (archivo.isEmpty())
        return {};
    if (archivo.contains(u'/'))
        return QFileInfo(archivo).isFile() ? archivo : QString();
    for (const QString& carpeta : Entorno::rutasIni()) {
        if (const QString ruta = enCarpeta(QDir(carpeta), archivo); !ruta.isEmpty())
            return ruta;
    }
    return {};
}

QString LectorIni::LeeIni(const QString& archivo, const QString& seccion, const QString& clave, const QString& defecto)
{
    QFile ini(Localiza(archivo));
    if (ini.fileName().isEmpty() || !ini.open(QIODevice::ReadOnly))
        return defecto;
    Busqueda busqueda{seccion, clave, std::nullopt};
    ini_parse_string(sinSangria(ini.readAll()).constData(), alLeerEntrada, &busqueda);
    return busqueda.valor.value_or(defecto);
}
