#include "runtime/DialogosConsola.h"

int DialogosConsola::MsgBox(const QString& texto, int estilo, const QString& titulo)
{
    errores_ << (titulo.isEmpty() ? QString() : titulo + QStringLiteral(": ")) << QString(texto).replace(u'\r', u' ')
             << Qt::endl;
    if (Msg::icono(estilo) == Msg::Critico)
        ++errores_contados_;
    switch (Msg::botones(estilo)) {
    case Msg::SiNo:
    case Msg::SiNoCancelar:
        return Msg::No;
    case Msg::AbortarReintentarIgnorar:
        return Msg::Abortar;
    case Msg::ReintentarCancelar:
        return Msg::Cancelar;
    default:
        return Msg::Ok;
    }
}

QString DialogosConsola::InputBox(const QString& texto, const QString&, const QString&)
{
    errores_ << texto << Qt::endl;
    return {};
}

int16_t DialogosConsola::ReportaError(int32_t numero, const QString& descripcion, const QString& contexto)
{
    errores_ << QStringLiteral("Error %1 en %2: %3").arg(numero).arg(contexto, descripcion) << Qt::endl;
    ++errores_contados_;
    return 0;
}

DialogosConsola::Instalados::Instalados(QTextStream& errores)
{
    auto propios = std::make_unique<DialogosConsola>(errores);
    dialogos_ = propios.get();
    anteriores_ = Dialogos::instala(std::move(propios));
}

DialogosConsola::Instalados::~Instalados()
{
    Dialogos::instala(std::move(anteriores_));
}
