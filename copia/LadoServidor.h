#pragma once

#include "copia/LadoCopia.h"

#include <QByteArray>

struct pg_conn;

// An agenda on a PostgreSQL server, named by the connection string the programs take
// ("Provider=PostgreSQL;Server=host[:port];Database=agenda;UId=...;Pwd=...").
// Read: in one REPEATABLE READ, READ ONLY transaction, whose snapshot is taken when it opens.
// Written: in one transaction, the schema included when the database has none yet (the server's
// definitions are transactional); nothing is seen by the desks, or left behind by a failure or a lost
// connection, before confirma commits. Rows travel through COPY.
class LadoServidor : public LadoCopia {
public:
    explicit LadoServidor(const QString& cadena);
    ~LadoServidor() override;
    LadoServidor(const LadoServidor&) = delete;
    LadoServidor& operator=(const LadoServidor&) = delete;

    [[nodiscard]] QString descripcion() const override;
    void abreLectura() override;
    void abreEscritura() override;
    [[nodiscard]] std::vector<ColumnaCopia> columnas(const QString& tabla) override;
    [[nodiscard]] int64_t cuentaFilas(const QString& tabla) override;
    void leeFilas(const QString& tabla, const std::vector<ColumnaCopia>& columnas, const LectorFilas& lector) override;
    [[nodiscard]] QStringList contenidoPrevio(const QStringList& tablas) override;
    void vacia(const QStringList& tablas) override;
    void iniciaTabla(const QString& tabla, const std::vector<ColumnaCopia>& columnas) override;
    void agregaFila(const FilaCopia& fila) override;
    void terminaTabla() override;
    void ajustaSecuencias(const QStringList& tablas) override;
    void confirma() override;
    void descarta() noexcept override;

private:
    void conecta();
    // Runs `sentencia`; its rows (each value as text, "" for NULL) when it returns any.
    std::vector<QStringList> ejecuta(const QString& sentencia);
    void enviaCopia();
    [[noreturn]] void falla(const QString& que) const;

    QString servidor_;
    int puerto_ = 5432;
    QString base_;
    QString usuario_;
    QString clave_;
    // The link's encryption items of the connection string (SslMode, SslRootCert...), as libpq's keys.
    QList<std::pair<QByteArray, QByteArray>> tls_;
    QString errorCadena_;
    pg_conn* conexion_ = nullptr;
    QByteArray pendiente_; // rows of the COPY under way not sent yet
};
