#include "db/ConfiguracionInicial.h"

#include "platform/ado/Connection.h"

void ConfiguracionInicial::Carga(ado::Connection& conexion)
{
    static const char* const kFilas[] = {
        "INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor, PoliticaNegocio) VALUES ('DATOS', 'HORARIOATENCIONDESDE', "
        "'9:00', 0)",
        "INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor, PoliticaNegocio) VALUES ('DATOS', 'HORARIOATENCIONHASTA', "
        "'18:00', 0)",
        "INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor, PoliticaNegocio) VALUES ('DATOS', 'MINUTOSAGENDA', '30', "
        "0)",
    };
    for (const char* fila : kFilas)
        conexion.Execute(QString::fromLatin1(fila));
}
