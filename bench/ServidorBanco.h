#pragma once

#include <QString>
#include <QTemporaryDir>

// A throwaway PostgreSQL cluster for the server benchmarks, started the first time one asks for it
// with the same script the tests use (loopback only, fsync off) and stopped with the object.
// On a machine without the server's programs it stays empty and those benchmarks skip themselves.
class ServidorBanco {
public:
    // Made by main(), after the application object, so that it goes before it.
    ServidorBanco();
    ~ServidorBanco();
    ServidorBanco(const ServidorBanco&) = delete;
    ServidorBanco& operator=(const ServidorBanco&) = delete;

    static ServidorBanco& actual();

    // The connection string without a database, starting the cluster on the first call; "" when no
    // server could be started, and then motivo() says why.
    [[nodiscard]] QString cadena();
    [[nodiscard]] QString motivo() const { return motivo_; }
    // Where the started cluster listens.
    [[nodiscard]] QString host() const;
    [[nodiscard]] int puerto() const;

private:
    [[nodiscard]] QString carpetaCluster() const;

    QTemporaryDir carpeta_;
    bool arrancado_ = false;
    QString cadena_;
    QString motivo_;
};
