#include "Entrada.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/RegConsulta.h"
#include "runtime/Dialogos.h"
#include "runtime/ErrorVB.h"
#include "runtime/FuncionesVB.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// Answers every dialog at once: the lookup runs without a connection, so reading the row limit
// reports an error, and an entry without columns asks to be configured.
class DialogosMudos : public Dialogos {
public:
    int MsgBox(const QString&, int, const QString&) override { return Msg::Ok; }
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    int16_t ReportaError(int32_t, const QString&, const QString&) override { return 0; }
};

} // namespace

// The lookup catalogue, its bytes as they come: the statement built from the entry of the last
// record's table. A whole record read and written back gives its bytes again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    static const QTemporaryDir carpeta;
    static const QString ruta = carpeta.filePath(QStringLiteral("consultas.kqw"));
    static const auto anteriores = Dialogos::instala(std::make_unique<DialogosMudos>());
    static Lib_ClsCons3 consultas;
    static const SharedRuntime runtime;

    const QByteArray bytes = bytesDe(datos, largo);
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate) || archivo.write(bytes) != bytes.size())
        return 0;
    archivo.close();

    QString tabla;
    for (qsizetype desde = 0; desde < bytes.size(); desde += RegConsulta::kLargo) {
        const QByteArray registro = bytes.mid(desde, RegConsulta::kLargo);
        const RegConsulta leido = RegConsulta::desdeBytes(registro);
        if (registro.size() == RegConsulta::kLargo && registro.endsWith("\r\n") && leido.aBytes() != registro)
            std::abort();
        tabla = FuncionesVB::Trim(runtime.LimpiaTexto(leido.OrigenConsulta, QString(QChar(0)), QString(QChar(255))));
    }
    consultas.gUsarMascarasConsultas = true;
    consultas.gRutaMascaraConsultas = ruta;
    ArgumentosConsulta argumentos;
    try {
        (void)consultas.Sentencia(tabla, argumentos);
    } catch (const ErrorVB&) {
    }
    return 0;
}
