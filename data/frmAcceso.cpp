#include "data/frmAcceso.h"

#include "platform/ui/Twips.h"
#include "runtime/SharedRuntime.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QScreen>

namespace {

QFont fuente(const char* familia)
{
    QFont f(QString::fromLatin1(familia));
    f.setPointSize(8);
    return f;
}

} // namespace

frmAcceso::frmAcceso(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAcceso"));
    setWindowTitle(QStringLiteral("Control de Acceso"));
    setModal(true);
    creaControles();
    colocaControles();
    conectaEventos();
    centraEnPantalla();
}

frmAcceso::~frmAcceso()
{
    devuelveCursor();
}

void frmAcceso::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!cursorQuitado_) {
        SharedRuntime().AntesDeMensaje(this);
        cursorQuitado_ = true;
    }
}

void frmAcceso::hideEvent(QHideEvent* evento)
{
    devuelveCursor();
    QDialog::hideEvent(evento);
}

void frmAcceso::devuelveCursor()
{
    if (!cursorQuitado_)
        return;
    cursorQuitado_ = false;
    SharedRuntime().DespuesDeMensaje(this);
}

void frmAcceso::creaControles()
{
    framAcceso = new QFrame(this);
    framAcceso->setFrameShape(QFrame::Box);
    framAcceso->setFrameShadow(QFrame::Sunken);

    const auto etiqueta = [this](const char* nombre, const QString& texto) {
        auto* l = new QLabel(texto, framAcceso);
        l->setObjectName(QString::fromLatin1(nombre));
        l->setFont(fuente("Courier"));
        return l;
    };
    const auto caja = [this](const char* nombre) {
        auto* t = new QLineEdit(framAcceso);
        t->setObjectName(QString::fromLatin1(nombre));
        t->setFont(fuente("MS Sans Serif"));
        return t;
    };
    lbUsuario = etiqueta("lbUsuario", QStringLiteral("&Usuario"));
    TxtUserId = caja("TxtUserId");
    lbcontrasena = etiqueta("lbcontrasena", QStringLiteral("&Contraseña"));
    TxtUserPassword = caja("TxtUserPassword");
    TxtUserPassword->setEchoMode(QLineEdit::Password);
    // The platform style would mask with a dot; the suite's dialog shows an asterisk.
    TxtUserPassword->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    Label1 = etiqueta("Label1", QStringLiteral("&Base de Datos"));
    TxtDbName = caja("TxtDbName");
    Label2 = etiqueta("Label2", QStringLiteral("&Servidor"));
    TxtServidor = caja("TxtServidor");
    lbUsuario->setBuddy(TxtUserId);
    lbcontrasena->setBuddy(TxtUserPassword);
    Label1->setBuddy(TxtDbName);
    Label2->setBuddy(TxtServidor);

    CboPlataformaDB = new QComboBox(framAcceso);
    CboPlataformaDB->setObjectName(QStringLiteral("CboPlataformaDB"));
    CboPlataformaDB->addItems({QStringLiteral("SQL Server"), QStringLiteral("ORACLE"),
                               QStringLiteral("SQLite (base local)"), QStringLiteral("PostgreSQL")});

    bcAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    bcAceptar->setObjectName(QStringLiteral("bcAceptar"));
    bcAceptar->setDefault(true);
    bcAceptar->setAutoDefault(true);
    bcCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    bcCancelar->setObjectName(QStringLiteral("bcCancelar"));
    bcCancelar->setAutoDefault(false);
}

void frmAcceso::colocaControles()
{
    const auto coloca = &Twips::coloca;
    setFixedSize(Twips::aPixelesX(5850, this), Twips::aPixelesY(2820, this));
    coloca(framAcceso, 0, 0, 5775, 2340);
    coloca(lbUsuario, 240, 360, 1455, 255);
    coloca(TxtUserId, 1920, 240, 3735, 345);
    coloca(lbcontrasena, 240, 720, 1452, 252);
    coloca(TxtUserPassword, 1920, 600, 3735, 345);
    coloca(Label1, 240, 1200, 1695, 255);
    coloca(TxtDbName, 1920, 1080, 3735, 345);
    coloca(Label2, 240, 1560, 1455, 255);
    coloca(TxtServidor, 1920, 1440, 3735, 345);
    coloca(CboPlataformaDB, 1905, 1890, 3765, 315);
    coloca(bcAceptar, 1440, 2415, 1350, 375);
    coloca(bcCancelar, 3000, 2415, 1332, 372);

    setTabOrder(TxtUserId, TxtUserPassword);
    setTabOrder(TxtUserPassword, TxtDbName);
    setTabOrder(TxtDbName, TxtServidor);
    setTabOrder(TxtServidor, CboPlataformaDB);
    setTabOrder(CboPlataformaDB, bcAceptar);
    setTabOrder(bcAceptar, bcCancelar);
    TxtUserId->setFocus();
}

void frmAcceso::conectaEventos()
{
    connect(bcAceptar, &QPushButton::clicked, this, [this] {
        Aceptar = true;
        accept();
    });
    connect(bcCancelar, &QPushButton::clicked, this, [this] {
        Aceptar = false;
        reject();
    });
    // Escape and closing the window count as Cancelar.
    connect(this, &QDialog::rejected, this, [this] { Aceptar = false; });
}

void frmAcceso::centraEnPantalla()
{
    const QScreen* pantalla = screen();
    if (!pantalla)
        return;
    const QRect zona = pantalla->geometry();
    move(zona.x() + zona.width() / 2 - width() / 2, zona.y() + zona.height() / 2 - height() / 2);
}
