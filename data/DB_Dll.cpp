#include "data/DB_Dll.h"

#include "data/DiccionarioOracle.h"
#include "data/ScriptOracle.h"
#include "data/SinonimosTablas.h"
#include "runtime/CursorEspera.h"
#include "runtime/Dialogos.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"
#include "runtime/RegistroErrores.h"
#include "runtime/Reloj.h"

#include <QCoreApplication>

#include <array>

namespace {

// Errors that EjecutaConsultaSQL leaves unreported: the provider's usual failures of a statement.
constexpr std::array<int32_t, 4> kErroresSilenciosos{ado::NumeroError::Fallo, ado::NumeroError::ViolacionIntegridad,
                                                     ado::NumeroError::NoExisteTabla,
                                                     ado::NumeroError::ErroresEnComando};

} // namespace

DB_Dll::DB_Dll() = default;
DB_Dll::~DB_Dll() = default;

DB_Dll& DB_Dll::Compartido()
{
    static DB_Dll compartido;
    // The connection must go while Qt's database machinery still exists: it is released when the
    // application object is destroyed, well before static objects are.
    static const bool liberacionRegistrada = [] {
        qAddPostRoutine([] { compartido.setGCnn(nullptr); });
        return true;
    }();
    Q_UNUSED(liberacionRegistrada);
    return compartido;
}

ado::Connection& DB_Dll::gCnn()
{
    if (!cnn_)
        cnn_ = std::make_shared<ado::Connection>();
    return *cnn_;
}

QString DB_Dll::SS_TSinonimos(const QString& SQL) const
{
    return SinonimosTablas::Sustituye(SQL, gEsAdmin);
}

QString DB_Dll::ORACLE_Dicc(const QString& Valor) const
{
    return DiccionarioOracle::Traduce(Valor, gConnString, runtime_);
}

void DB_Dll::CierraRecordset(ado::Recordset* LrcsTemp)
{
    EjecutaPasos({[&] {
                     if (!LrcsTemp)
                         ElevaObjetoNoEstablecido(QStringLiteral("CierraRecordset"));
                     if (LrcsTemp->State() != ado::adStateClosed)
                         LrcsTemp->Close();
                 }},
                 [this](const ErrorVB& e) { return runtime_.ReportaError(e, QStringLiteral("CierraRecordset")); });
}

void DB_Dll::AbrirRecordset(QString& SentenciaSQL, ado::Recordset* Lrcs, const ado::ConexionActiva& ConexionActiva,
                            int CursorType, int LockType, int Options, bool ConvOracle)
{
    const CursorEspera espera;
    bool esOracle = false;
    QString fuente;
    ado::ConexionActiva activa;
    EjecutaPasos(
        {
            [&] { CierraRecordset(Lrcs); },
            [&] { SentenciaSQL = SS_TSinonimos(SentenciaSQL); },
            [&] { esOracle = DiccionarioOracle::EsConexionOracle(gCnn().ConnectionString(), true) && ConvOracle; },
            [&] { fuente = esOracle ? ORACLE_Dicc(SentenciaSQL) : SentenciaSQL; },
            [&] {
                activa = std::holds_alternative<std::monostate>(ConexionActiva) ? ado::ConexionActiva(&gCnn())
                                                                                : ConexionActiva;
            },
            [&] {
                if (!Lrcs)
                    ElevaObjetoNoEstablecido(QStringLiteral("AbrirRecordset"));
                Lrcs->Open(fuente, activa, CursorType, LockType, Options);
            },
        },
        [this](const ErrorVB& e) { return runtime_.ReportaError(e, QStringLiteral("AbrirRecordset")); });
}

void DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL)
{
    int32_t registros = 0;
    EjecutaConsultaSQL(SentenciaSQL, registros);
}

void DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL, int32_t& RecordsAffected)
{
    const CursorEspera espera;
    try {
        if (FuncionesVB::ContieneSinCaso(SentenciaSQL, QLatin1StringView("@ADMIN_")))
            FuncionesVB::ReemplazaSinCaso(SentenciaSQL, QLatin1StringView("@Admin_"), QStringView());
        else if (!FuncionesVB::ContieneSinCaso(SentenciaSQL, QLatin1StringView("DELETE")))
            SentenciaSQL = SS_TSinonimos(SentenciaSQL);

        if (DiccionarioOracle::EsConexionOracle(gCnn().ConnectionString(), false))
            EjecutaScriptSQL(SentenciaSQL, RecordsAffected);
        else
            gCnn().Execute(SentenciaSQL, &RecordsAffected, -1);
    } catch (const ErrorVB& e) {
        if (std::find(kErroresSilenciosos.begin(), kErroresSilenciosos.end(), e.numero())
            == kErroresSilenciosos.end()) {
            avisaFallo(QStringLiteral("EjecutaConsultaSQL"), e.numero(), e.descripcion(), e.descripcion(),
                       Msg::OkSolo + Msg::Critico, QStringLiteral("Aviso al operador!!!"));
        }
    }
}

int DB_Dll::avisaFallo(const QString& contexto, int32_t numero, const QString& descripcion, const QString& texto,
                       int estilo, const QString& titulo)
{
    // What the person is shown, support can read: a lost server among them.
    RegistroErrores::anota(Reloj::ahora(), contexto, numero, descripcion);
    runtime_.AntesDeMensaje(nullptr);
    const int respuesta = Dialogos::actual().MsgBox(texto, estilo, titulo);
    runtime_.DespuesDeMensaje(nullptr);
    return respuesta;
}

void DB_Dll::EjecutaScriptSQL(QString& SentenciaSQL, int32_t& RecordsAffected)
{
    ScriptOracle::Ejecuta(SentenciaSQL, RecordsAffected, gCnn(),
                          [this](const QString& orden) { return ORACLE_Dicc(orden); });
}
