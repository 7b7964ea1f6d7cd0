#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <exception>

// A trappable run-time error as the suite's procedures see it: a number, a description and the
// source that raised it. Every failure that a procedure may trap travels as this exception.
class ErrorVB : public std::exception {
public:
    ErrorVB(int32_t numero, QString descripcion, QString origen = {});

    [[nodiscard]] int32_t numero() const noexcept { return numero_; }
    [[nodiscard]] const QString& descripcion() const noexcept { return descripcion_; }
    [[nodiscard]] const QString& origen() const noexcept { return origen_; }
    [[nodiscard]] const char* what() const noexcept override { return texto_.constData(); }

private:
    int32_t numero_;
    QString descripcion_;
    QString origen_;
    QByteArray texto_;
};

// Numbers of the run-time errors the program raises itself.
namespace ErroresVB {
inline constexpr int32_t LlamadaNoValida = 5; // invalid procedure call or argument
inline constexpr int32_t Desbordamiento = 6; // overflow
inline constexpr int32_t ObjetoNoEstablecido = 91; // object variable not set
inline constexpr int32_t ElementoNoEncontrado = 3265; // item not found in the collection
} // namespace ErroresVB

// Raises error 5, "invalid procedure call or argument".
[[noreturn]] void ElevaLlamadaNoValida(const QString& origen = {});
// Raises error 91, "object variable not set".
[[noreturn]] void ElevaObjetoNoEstablecido(const QString& origen = {});
