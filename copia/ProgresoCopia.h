#pragma once

#include <QString>
#include <QTextStream>

#include <cstdint>

// The progress bar of a copy, on one line that is rewritten in place: the table, a bar, and the rows
// copied of the rows to copy. Inactive (it writes nothing) when its stream is not a terminal.
class ProgresoCopia {
public:
    ProgresoCopia(QTextStream& salida, bool activo);

    // Whether it draws: the rows to copy need counting only then.
    [[nodiscard]] bool activo() const { return activo_; }
    void iniciaTabla(const QString& tabla, int64_t total);
    void avanza();
    // Clears the line.
    void termina();

private:
    void dibuja();

    QTextStream& salida_;
    bool activo_;
    QString tabla_;
    int64_t total_ = 0;
    int64_t hechas_ = 0;
    int64_t proximoDibujo_ = 0;
};
