#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The setting every agenda benchmark shares: a temporary folder that is the program folder and the
// INI search path, the demo database laid out around today, and a second copy of it with two days
// booked for the day-load benchmarks. Built once, before the benchmarks run; dialogs that a
// benchmark would block on end the run instead.
class BancoAgenda {
public:
    // The folder and file names; nothing is written yet. Call before the application object exists,
    // so that its command line can name the demo database.
    BancoAgenda();
    ~BancoAgenda();

    // Creates both database files, fixes the program folder and installs the dialogs. Needs the
    // application object.
    void prepara();

    // The one instance, made by main().
    static BancoAgenda& actual();

    // The program's command line on the demo database, as `make run` gives it.
    [[nodiscard]] QString lineaDemo() const;
    [[nodiscard]] QString carpeta() const { return carpeta_.path(); }
    [[nodiscard]] QString rutaDemo() const { return rutaDemo_; }
    [[nodiscard]] QString rutaDias() const { return rutaDias_; }
    // A day of the second file with `franjas` slots (28 or 56), every other one booked: interviews
    // and evaluations alternately, half of each still pending.
    [[nodiscard]] QDate diaCon(int franjas) const;

    // Books the days of diaCon on the database that `cadena` names.
    static void reservaDias(const QString& cadena);

    // The program's shared data-access object connected through `cadena` as the program connects
    // (administrator, open flag set), or disconnected and reset so that a start-up connects again.
    static void conectaPrograma(const QString& cadena);
    static void desconectaPrograma();

private:
    QTemporaryDir carpeta_;
    QString rutaDemo_;
    QString rutaDias_;
    QDate hoy_;
};
