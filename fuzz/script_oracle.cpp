#include "Entrada.h"
#include "data/LiteralesSql.h"
#include "data/ScriptOracle.h"
#include "platform/ado/Connection.h"
#include "platform/ado/FalloProveedor.h"
#include "platform/ado/RegistroProveedores.h"
#include "runtime/ErrorVB.h"
#include "support/ProveedorGrabador.h"

#include <array>
#include <cstdlib>

namespace {

const QString kProveedorOracle = QStringLiteral("OraOLEDB.Oracle.1");
const QString kCadenaOracle = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=X;User Id=u;Password=p;");

// What the run saw: every piece it cut, in order (a transaction piece by its keyword).
struct Corrida {
    QStringList piezas;
    bool falla = false;
};

[[noreturn]] void fallo()
{
    throw ado::FalloProveedor({QStringLiteral("HY000"), 1, QStringLiteral("Fallo simulado"), 0, {}});
}

// The tests' connection double, recording the pieces into the run instead of its own list, or
// failing every call.
class Grabador : public ProveedorGrabador {
public:
    Grabador(Guion& guion, Corrida& corrida) : ProveedorGrabador(guion), corrida_(corrida) { }
    int32_t ejecuta(const QString&) override
    {
        if (corrida_.falla)
            fallo();
        return 1;
    }
    void iniciaTransaccion() override { anota(QStringLiteral("SET TRANSACTION")); }
    void confirmaTransaccion() override { anota(QStringLiteral("COMMIT")); }
    void deshaceTransaccion() override { anota(QStringLiteral("ROLLBACK")); }

private:
    void anota(const QString& pieza)
    {
        if (corrida_.falla)
            fallo();
        corrida_.piezas << pieza;
    }
    Corrida& corrida_;
};

// Runs the script; returns what `sentencia` holds afterwards.
QString corre(const QString& script, Corrida& corrida)
{
    ProveedorGrabador::Guion guion;
    ado::RegistroProveedores::registra(kProveedorOracle, [&] { return std::make_unique<Grabador>(guion, corrida); });
    ado::Connection conexion;
    conexion.Open(kCadenaOracle);
    QString sentencia = script;
    int32_t afectados = 0;
    try {
        ScriptOracle::Ejecuta(sentencia, afectados, conexion, [&](const QString& pieza) {
            if (corrida.falla)
                fallo();
            corrida.piezas << pieza;
            return pieza;
        });
    } catch (const ErrorVB&) {
    } catch (const ado::FalloProveedor&) {
    }
    ado::RegistroProveedores::elimina(kProveedorOracle);
    return sentencia;
}

// The first statement keyword outside literals and comments, or -1.
qsizetype primeraPalabra(const QString& texto)
{
    static const std::array<QLatin1StringView, 11> palabras{
        QLatin1StringView("INSERT "),         QLatin1StringView("DELETE "), QLatin1StringView("UPDATE "),
        QLatin1StringView("CREATE "),         QLatin1StringView("DROP "),   QLatin1StringView("ALTER "),
        QLatin1StringView("SET TRANSACTION"), QLatin1StringView("COMMIT"),  QLatin1StringView("ROLLBACK"),
        QLatin1StringView("IF NOT EXIST"),    QLatin1StringView("IF EXIST")};
    const QString cubierto = LiteralesSql(texto).cubierto();
    qsizetype menor = -1;
    for (const auto& palabra : palabras) {
        const qsizetype p = cubierto.indexOf(palabra, 0, Qt::CaseInsensitive);
        if (p >= 0 && (menor < 0 || p < menor))
            menor = p;
    }
    return menor;
}

QString sinBlancos(const QString& texto)
{
    QString resultado;
    for (QChar c : texto)
        if (!c.isSpace())
            resultado += c;
    return resultado.toUpper();
}

} // namespace

// The cutting never loses or duplicates a character outside the separators: the pieces, joined,
// are the normalised script from its first keyword on, but for the blanks and line breaks trimmed
// off each piece (and the case of a transaction keyword). The normalised script is what the caller
// gets back when the first piece fails.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo)
{
    const QString script = textoDe(datos, largo);
    Corrida fallida{{}, true};
    const QString normalizado = corre(script, fallida);
    Corrida corrida;
    const QString resto = corre(script, corrida);

    const qsizetype primera = primeraPalabra(normalizado);
    if (primera < 0) {
        if (!corrida.piezas.isEmpty() || resto != normalizado)
            std::abort();
        return 0;
    }
    if (!resto.isEmpty() || sinBlancos(corrida.piezas.join(QString())) != sinBlancos(normalizado.mid(primera)))
        std::abort();
    return 0;
}
