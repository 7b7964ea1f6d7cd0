#include "app/ConexionConsola.h"

#include "runtime/ErrorVB.h"
#include "runtime/FinDePrograma.h"
#include "runtime/FuncionesVB.h"
#include "runtime/RegistroErrores.h"
#include "runtime/Reloj.h"
#include "runtime/SharedRuntime.h"
#include "startup/ModGlobal.h"
#include "startup/ParametrosArranque.h"

ConexionConsola::ConexionConsola(const QString& conexion, Objeto objeto)
    : conexion_(conexion), comoPrograma_(conexion.startsWith(u'@')),
      compartido_(comoPrograma_ || objeto == Objeto::Compartido)
{
    if (!comoPrograma_) {
        db().gConnString = conexion;
        db().gEsAdmin = true;
    }
}

ConexionConsola::~ConexionConsola()
{
    if (compartido_ && db().gCnn().State() == ado::adStateOpen) {
        try {
            db().gCnn().Close();
        } catch (const ErrorVB&) {
            // Closing at the end of the run: nothing is left to report to.
        }
    }
}

bool ConexionConsola::Abre(QTextStream& errores)
{
    if (comoPrograma_)
        return abreComoPrograma(errores);
    try {
        db().gCnn().Open(conexion_);
        return true;
    } catch (const ErrorVB&) {
        const ado::Errors& lista = db().gCnn().Errors();
        for (int i = 0; i < lista.Count(); ++i) {
            errores << lista.Item(i).Description << Qt::endl;
            RegistroErrores::anota(Reloj::ahora(), QStringLiteral("Conexion"), lista.Item(i).Number,
                                   lista.Item(i).Description);
        }
        return false;
    }
}

bool ConexionConsola::abreComoPrograma(QTextStream& errores)
{
    QString servidor;
    try {
        ParametrosArranque::Extrae(conexion_, QStringLiteral("@Server"), servidor, {});
    } catch (const ErrorVB&) {
        servidor.clear();
    }
    if (FuncionesVB::EnBlanco(servidor)) {
        errores << "La línea de conexión no indica @Server (terminado en \";\"): no se pueden pedir los datos "
                   "de acceso desde la línea de órdenes."
                << Qt::endl;
        return false;
    }
    bool usaIni = false;
    QString parametros = conexion_;
    QString cadena;
    try {
        ModGlobal::IniciarConexion(usaIni, parametros, cadena);
    } catch (const FinDePrograma&) {
        errores << "No se pudo abrir la conexión." << Qt::endl;
        return false;
    }
    if (db().gCnn().State() != ado::adStateOpen) {
        errores << "No se pudo abrir la conexión." << Qt::endl;
        return false;
    }
    return true;
}
