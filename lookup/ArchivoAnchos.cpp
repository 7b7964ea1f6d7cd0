#include "lookup/ArchivoAnchos.h"

#include "runtime/ErrorVB.h"
#include "runtime/Windows1252.h"

#include <QFile>
#include <QLockFile>

#include <cstdio>

namespace {

constexpr int EsperaBloqueoMs = 5000;
constexpr int32_t ErrorRutaArchivo = 75;

[[noreturn]] void falla(const QString& descripcion)
{
    throw ErrorVB(ErrorRutaArchivo, descripcion, QStringLiteral("ArchivoAnchos"));
}

// The fields of one line as the sequential input of the suite reads them: a quoted field runs to
// the next double quote; an unquoted one to the next comma, trimmed.
QList<QString> campos(const QString& linea)
{
    QList<QString> resultado;
    qsizetype i = 0;
    while (i < linea.size()) {
        while (i < linea.size() && linea.at(i) == u' ')
            ++i;
        QString campo;
        if (i < linea.size() && linea.at(i) == u'"') {
            const qsizetype cierre = linea.indexOf(u'"', i + 1);
            const qsizetype fin = cierre < 0 ? linea.size() : cierre;
            campo = linea.mid(i + 1, fin - i - 1);
            i = fin + 1;
            const qsizetype coma = linea.indexOf(u',', i);
            i = coma < 0 ? linea.size() : coma + 1;
        } else {
            const qsizetype coma = linea.indexOf(u',', i);
            const qsizetype fin = coma < 0 ? linea.size() : coma;
            campo = linea.mid(i, fin - i).trimmed();
            i = coma < 0 ? linea.size() : coma + 1;
        }
        resultado.append(campo);
    }
    return resultado;
}

} // namespace

ArchivoAnchos::ArchivoAnchos(const QString& carpeta) : carpeta_(carpeta) { }

QString ArchivoAnchos::ruta() const
{
    return carpeta_ + kNombre;
}

QString ArchivoAnchos::rutaTemporal() const
{
    return carpeta_ + QStringLiteral("CONSULTASLEN.AUX");
}

QList<ArchivoAnchos::Registro> ArchivoAnchos::Lee() const
{
    QFile archivo(ruta());
    if (!archivo.exists())
        return {};
    if (!archivo.open(QIODevice::ReadOnly))
        falla(QStringLiteral("No se pudo leer el archivo %1: %2").arg(ruta(), archivo.errorString()));
    QList<Registro> registros;
    for (const QByteArray& bytes : archivo.readAll().split('\n')) {
        const QString linea = Windows1252::decodifica(bytes).remove(u'\r');
        if (linea.trimmed().isEmpty())
            continue;
        const QList<QString> lista = campos(linea);
        registros.append({lista.value(0), lista.value(1)});
    }
    return registros;
}

void ArchivoAnchos::Graba(const QString& clave, const QString& anchos) const
{
    QLockFile bloqueo(ruta() + QStringLiteral(".lock"));
    if (!bloqueo.tryLock(EsperaBloqueoMs))
        falla(QStringLiteral("El archivo %1 está en uso; no se guardaron los anchos de las columnas.").arg(ruta()));

    QByteArray contenido;
    const auto escribe = [&contenido](const Registro& registro) {
        contenido += '"' + Windows1252::codifica(registro.clave) + "\",\"" + Windows1252::codifica(registro.anchos)
            + "\"\r\n";
    };
    for (const Registro& registro : Lee())
        if (registro.clave.compare(clave, Qt::CaseInsensitive) != 0)
            escribe(registro);
    escribe({clave, anchos});

    QFile temporal(rutaTemporal());
    if (!temporal.open(QIODevice::WriteOnly | QIODevice::Truncate) || temporal.write(contenido) != contenido.size()
        || !temporal.flush())
        falla(QStringLiteral("No se pudo escribir el archivo %1: %2").arg(rutaTemporal(), temporal.errorString()));
    temporal.close();
    // rename() replaces the old file in one step: a reader sees either the old file or the new one.
    if (std::rename(QFile::encodeName(rutaTemporal()).constData(), QFile::encodeName(ruta()).constData()) != 0)
        falla(QStringLiteral("No se pudo reemplazar el archivo %1.").arg(ruta()));
}
