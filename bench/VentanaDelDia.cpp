#include "VentanaDelDia.h"

#include "BancoAgenda.h"
#include "agenda/FrmMVAgenda.h"
#include "platform/ui/MonthView.h"
#include "runtime/Reloj.h"

VentanaDelDia::VentanaDelDia(const QString& cadena, const QDate& dia)
{
    Reloj::fija(QDateTime(dia, QTime(10, 15)));
    BancoAgenda::conectaPrograma(cadena);
    ventana_ = std::make_unique<FrmMVAgenda>();
    ventana_->Form_Load();
    ventana_->MonthView1().setValue(dia);
}

VentanaDelDia::~VentanaDelDia()
{
    ventana_.reset();
    BancoAgenda::desconectaPrograma();
    Reloj::libera();
}
