#include "runtime/DialogosQt.h"

#include "runtime/DialogoErrorQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString tituloOPrograma(const QString& titulo)
{
    return titulo.isEmpty() ? QApplication::applicationName() : titulo;
}
} // namespace

int DialogosQt::MsgBox(const QString& texto, int estilo, const QString& titulo)
{
    QMessageBox caja;
    caja.setWindowTitle(tituloOPrograma(titulo));
    caja.setText(texto);
    switch (Msg::icono(estilo)) {
    case Msg::Critico:
        caja.setIcon(QMessageBox::Critical);
        break;
    case Msg::Pregunta:
        caja.setIcon(QMessageBox::Question);
        break;
    case Msg::Exclamacion:
        caja.setIcon(QMessageBox::Warning);
        break;
    case Msg::Informacion:
        caja.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    struct Boton {
        QString texto;
        int respuesta;
        QMessageBox::ButtonRole rol;
    };
    QList<Boton> botones;
    switch (Msg::botones(estilo)) {
    case Msg::OkCancelar:
        botones = {{"Aceptar", Msg::Ok, QMessageBox::AcceptRole}, {"Cancelar", Msg::Cancelar, QMessageBox::RejectRole}};
        break;
    case Msg::AbortarReintentarIgnorar:
        botones = {{"&Anular", Msg::Abortar, QMessageBox::RejectRole},
                   {"&Reintentar", Msg::Reintentar, QMessageBox::AcceptRole},
                   {"&Omitir", Msg::Ignorar, QMessageBox::DestructiveRole}};
        break;
    case Msg::SiNoCancelar:
        botones = {{"&Sí", Msg::Si, QMessageBox::YesRole},
                   {"&No", Msg::No, QMessageBox::NoRole},
                   {"Cancelar", Msg::Cancelar, QMessageBox::RejectRole}};
        break;
    case Msg::SiNo:
        botones = {{"&Sí", Msg::Si, QMessageBox::YesRole}, {"&No", Msg::No, QMessageBox::NoRole}};
        break;
    case Msg::ReintentarCancelar:
        botones = {{"&Reintentar", Msg::Reintentar, QMessageBox::AcceptRole},
                   {"Cancelar", Msg::Cancelar, QMessageBox::RejectRole}};
        break;
    default:
        botones = {{"Aceptar", Msg::Ok, QMessageBox::AcceptRole}};
        break;
    }
    QHash<QAbstractButton*, int> respuestas;
    for (const auto& b : botones) {
        QPushButton* boton = caja.addButton(b.texto, b.rol);
        respuestas.insert(boton, b.respuesta);
        if (respuestas.size() == 1)
            caja.setDefaultButton(boton);
    }
    caja.exec();
    return respuestas.value(caja.clickedButton(), botones.last().respuesta);
}

QString DialogosQt::InputBox(const QString& texto, const QString& titulo, const QString& defecto)
{
    bool aceptado = false;
    const QString valor
        = QInputDialog::getText(nullptr, tituloOPrograma(titulo), texto, QLineEdit::Normal, defecto, &aceptado);
    return aceptado ? valor : QString();
}

int16_t DialogosQt::ReportaError(int32_t numero, const QString& descripcion, const QString& contexto)
{
    DialogoErrorQt dialogo(numero, descripcion, contexto, QApplication::activeWindow());
    dialogo.exec();
    return dialogo.respuesta();
}
