#pragma once

#include <QDate>
#include <QString>

#include <memory>

class FrmMVAgenda;

// The agenda window loaded on a database of booked days (BancoAgenda::reservaDias), with today fixed
// at the day to load and the program connected through `cadena`; disconnected again when it goes.
class VentanaDelDia {
public:
    VentanaDelDia(const QString& cadena, const QDate& dia);
    ~VentanaDelDia();
    FrmMVAgenda& operator*() { return *ventana_; }

private:
    std::unique_ptr<FrmMVAgenda> ventana_;
};
