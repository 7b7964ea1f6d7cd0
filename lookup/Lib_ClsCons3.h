#pragma once

#include <QString>

// The suite's generic lookup request. For now it carries what start-up gives it: the connection
// string and where its catalogue of lookups is.
class Lib_ClsCons3 {
public:
    // The connection string of the shared data-access object, set at start-up.
    QString gConnString;
    // Whether lookups take their columns and filter from the catalogue file.
    bool gUsarMascarasConsultas = false;
    // Full path of the catalogue file "consultas.kqw" in the program folder.
    QString gRutaMascaraConsultas;
};
