#pragma once

#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <exception>
#include <optional>

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

    // The benchmarks' data of type T, built on the cluster (T(connection string)) the first time a
    // benchmark asks for it and kept for the rest. Without a server, or when T cannot be built, the
    // benchmark is skipped with the reason and the answer is nullptr.
    template <class T>
    static T* datos(benchmark::State& estado)
    {
        static std::optional<T> datos;
        static QString motivo;
        if (!datos && motivo.isEmpty()) {
            const QString servidor = actual().cadena();
            if (servidor.isEmpty())
                motivo = QStringLiteral("sin servidor PostgreSQL (%1)").arg(actual().motivo());
            else {
                try {
                    datos.emplace(servidor);
                } catch (const std::exception& e) {
                    motivo = QString::fromUtf8(e.what());
                }
            }
        }
        if (!datos)
            estado.SkipWithError(motivo.toStdString().c_str());
        return datos ? &*datos : nullptr;
    }

private:
    [[nodiscard]] QString carpetaCluster() const;

    QTemporaryDir carpeta_;
    bool arrancado_ = false;
    QString cadena_;
    QString motivo_;
};
