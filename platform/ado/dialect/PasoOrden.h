#pragma once

#include "platform/ado/dialect/MarcasSql.h"
#include "platform/ado/dialect/PasoPistas.h"
#include "platform/ado/dialect/PasoTop.h"
#include "platform/ado/dialect/SentenciasSql.h"
#include "platform/ado/dialect/TiposSql.h"

#include <QSet>

#include <utility>
#include <vector>

namespace ado::dialecto {

// Text ordered and grouped as the server does, through the rasgos' case-blind marker (ordenSinCaso,
// ordenColumnaTexto, nulosComoServidor, TraductorDialecto.h): ORDER BY and GROUP BY items, the
// arguments of MIN, MAX and COUNT(DISTINCT ...), the text columns of SELECT DISTINCT and of the
// SELECTs a UNION, EXCEPT or INTERSECT joins. Definitions, table hints and TOP clauses are passed
// over. It runs after the walk that rewrites expressions, whose marks on an item's last token go
// first, and before the TOP clauses become LIMITs, which end the statement.
class PasoOrden {
public:
    PasoOrden(const VistaSql& vista, const SentenciasSql& sentencias, const PasoTop& top, const PasoPistas& pistas,
              TiposSql& tipos, const EsquemaDialecto& esquema, const RasgosDialecto& rasgos);

    void marca(MarcasSql& marcas);

private:
    struct Ambito {
        bool ordenBy = false;
        bool porOrden = false; // that list is an ORDER BY, not a GROUP BY
        bool inicioOrden = false;
        qsizetype inicioOrdenado = -1; // first token of the current ORDER BY / GROUP BY item
        bool enSeleccion = false; // inside the column list of this scope's SELECT
        bool distinta = false; // that SELECT is DISTINCT
        bool compuesta = false; // a UNION, EXCEPT or INTERSECT joins this scope's SELECTs
        bool unida = false; // the same, UNION ALL included
        bool limitada = false; // a TOP of this scope becomes its LIMIT
        qsizetype inicioColumna = -1;
        std::vector<std::pair<qsizetype, qsizetype>> columnas; // the list's items, first and last token
        QSet<QString> alias; // the names the list's aliases give, once read
        bool aliasLeidos = false;
    };

    qsizetype paso(qsizetype k);
    qsizetype pasoPalabra(qsizetype k);
    [[nodiscard]] bool puedeSerClave(qsizetype k) const;
    void cierraAmbito(qsizetype ultimo);
    void iniciaSeleccion(qsizetype k, qsizetype primera);
    void terminaSeleccion(qsizetype ultimo);
    void compone(qsizetype k);
    void cierraOrdenado(qsizetype ultimo, qsizetype sentido = -1);
    void marcaOrdenado(qsizetype ultimo);
    void argumentoOrdenado(qsizetype k);
    void columnaOrdenada(qsizetype inicio, qsizetype fin);
    [[nodiscard]] bool esTextoConocido(qsizetype fin) const;
    [[nodiscard]] bool esAlias(const QString& columna);

    const VistaSql& vista_;
    const SentenciasSql& sentencias_;
    const PasoTop& top_;
    const PasoPistas& pistas_;
    TiposSql& tipos_;
    const EsquemaDialecto& esquema_;
    const RasgosDialecto& rasgos_;
    MarcasSql* marcas_ = nullptr;
    std::vector<Ambito> ambitos_;
};

} // namespace ado::dialecto
