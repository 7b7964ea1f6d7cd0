#pragma once

#include <QList>
#include <QString>

#include <cstdint>

namespace ado {

// One provider error, as ADO's Error object describes it.
struct Error {
    QString SQLState;
    int32_t Number = 0;
    QString Description;
    int32_t NativeError = 0;
    QString Source;
    friend bool operator==(const Error&, const Error&) = default;
};

// The provider errors of a connection's last failing call.
class Errors {
public:
    [[nodiscard]] int Count() const { return static_cast<int>(errores_.size()); }
    // Item i, counting from 0; raises error 3265 when there is no such item.
    [[nodiscard]] const Error& Item(int i) const;
    void Clear() { errores_.clear(); }
    void Agrega(const Error& error) { errores_.append(error); }

private:
    QList<Error> errores_;
};

} // namespace ado
