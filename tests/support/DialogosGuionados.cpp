#include "support/DialogosGuionados.h"

namespace {
int primerBoton(int estilo)
{
    switch (Msg::botones(estilo)) {
    case Msg::AbortarReintentarIgnorar:
        return Msg::Abortar;
    case Msg::SiNoCancelar:
    case Msg::SiNo:
        return Msg::Si;
    case Msg::ReintentarCancelar:
        return Msg::Reintentar;
    default:
        return Msg::Ok;
    }
}
} // namespace

int DialogosGuionados::MsgBox(const QString& texto, int estilo, const QString& titulo)
{
    registros_.append({Tipo::Mensaje, titulo, texto, estilo, 0, {}});
    if (respuestas_.empty())
        return primerBoton(estilo);
    const int r = respuestas_.front().toInt();
    respuestas_.pop_front();
    return r;
}

QString DialogosGuionados::InputBox(const QString& texto, const QString& titulo, const QString&)
{
    registros_.append({Tipo::Pregunta, titulo, texto, 0, 0, {}});
    if (respuestas_.empty())
        return {};
    QString r = respuestas_.front();
    respuestas_.pop_front();
    return r;
}

int16_t DialogosGuionados::ReportaError(int32_t numero, const QString& descripcion, const QString& contexto)
{
    registros_.append({Tipo::Error, {}, descripcion, 0, numero, contexto});
    if (respuestas_.empty())
        return 0;
    const int r = respuestas_.front().toInt();
    respuestas_.pop_front();
    return static_cast<int16_t>(r);
}

DialogosDePrueba::DialogosDePrueba()
{
    auto nuevos = std::make_unique<DialogosGuionados>();
    dialogos_ = nuevos.get();
    anteriores_ = Dialogos::instala(std::move(nuevos));
}

DialogosDePrueba::~DialogosDePrueba()
{
    Dialogos::instala(std::move(anteriores_));
}
