#include "runtime/DialogoErrorQt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

DialogoErrorQt::DialogoErrorQt(int32_t numero, const QString& descripcion, const QString& contexto, QWidget* padre)
    : QDialog(padre)
{
    setWindowTitle(QApplication::applicationName());
    creaControles(numero, descripcion, contexto);
}

void DialogoErrorQt::creaControles(int32_t numero, const QString& descripcion, const QString& contexto)
{
    auto* icono = new QLabel(this);
    const int lado = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icono->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this).pixmap(lado, lado));
    icono->setObjectName(QStringLiteral("icono"));

    auto* titular = new QLabel(QStringLiteral("Se produjo un error en %1.").arg(contexto), this);
    titular->setObjectName(QStringLiteral("contexto"));
    auto* detalle = new QLabel(QStringLiteral("Error %1: %2").arg(numero).arg(descripcion), this);
    detalle->setObjectName(QStringLiteral("descripcion"));
    detalle->setWordWrap(true);
    detalle->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* botones = new QDialogButtonBox(this);
    auto* reintentar = creaBoton(QStringLiteral("&Reintentar"), QStringLiteral("botonReintentar"), 4);
    botones->addButton(reintentar, QDialogButtonBox::AcceptRole);
    botones->addButton(creaBoton(QStringLiteral("&Continuar"), QStringLiteral("botonContinuar"), 5),
                       QDialogButtonBox::ActionRole);
    botones->addButton(creaBoton(QStringLiteral("&Salir"), QStringLiteral("botonSalir"), 0),
                       QDialogButtonBox::RejectRole);
    reintentar->setDefault(true);

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(icono, 0, 0, 2, 1, Qt::AlignTop);
    rejilla->addWidget(titular, 0, 1);
    rejilla->addWidget(detalle, 1, 1);
    rejilla->addWidget(botones, 2, 0, 1, 2);
}

QPushButton* DialogoErrorQt::creaBoton(const QString& texto, const QString& nombre, int16_t respuesta)
{
    auto* boton = new QPushButton(texto, this);
    boton->setObjectName(nombre);
    boton->setAutoDefault(false);
    // Each button closes the window with its own answer; Escape goes through reject() as "Salir".
    connect(boton, &QPushButton::clicked, this, [this, respuesta] {
        respuesta_ = respuesta;
        done(respuesta == 0 ? QDialog::Rejected : QDialog::Accepted);
    });
    return boton;
}
