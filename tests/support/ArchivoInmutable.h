#pragma once

#include <QString>

// Makes a file or folder immutable (chattr +i) for as long as the object lives, so that it cannot be
// written even by root, who ignores file modes. Not every file system offers the flag: a test checks
// `logrado()` and skips when it is false.
class ArchivoInmutable {
public:
    explicit ArchivoInmutable(const QString& ruta);
    ~ArchivoInmutable();
    ArchivoInmutable(const ArchivoInmutable&) = delete;
    ArchivoInmutable& operator=(const ArchivoInmutable&) = delete;

    [[nodiscard]] bool logrado() const { return logrado_; }

private:
    QString ruta_;
    bool logrado_;
};
