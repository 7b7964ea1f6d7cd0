#pragma once

#include "platform/ado/dialect/MarcasSql.h"
#include "platform/ado/dialect/PasoPistas.h"
#include "platform/ado/dialect/PasoTop.h"
#include "platform/ado/dialect/SentenciasSql.h"
#include "platform/ado/dialect/TiposSql.h"
#include "platform/ado/dialect/TraductorDialecto.h"
#include "platform/ado/dialect/VistaSql.h"

#include <QAnyStringView>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

#include <vector>

namespace ado::dialecto {

// One translation of one text, in passes over one view of its tokens that mark what each token
// becomes (MarcasSql): the owners go (PasoPropietarios), then one walk over each statement that is
// not a definition, keeping a stack of scopes (the statement and each parenthesis), rewrites dates,
// text comparisons, conversions and the expressions the server types, asking PasoPistas to drop
// table hints, PasoTop where a TOP ends and TiposSql the type of each expression; then text is
// ordered (PasoOrden), the TOP clauses become LIMITs, functions get the engine's names
// (PasoFunciones), the statements refused by their types become the refusal, and the result is
// written once. Private to
// TraductorDialecto, which documents the rules.
class ReescrituraDialecto {
public:
    ReescrituraDialecto(const EsquemaDialecto& esquema, const RasgosDialecto& rasgos, QStringView texto);

    [[nodiscard]] QString resultado();
    // TiposDeAlias (TraductorDialecto.h).
    [[nodiscard]] QHash<QString, TipoExpresion> tiposDeAlias();

private:
    enum class Sentencia { Otra, Consulta, Actualizacion, Insercion };
    enum class Lista { Ninguna, Columnas, Valores };
    enum class Clase { Texto, Fecha, Otra };

    struct Ambito {
        bool clausulaSet = false;
        bool esperaAsignacion = false;
        Lista lista = Lista::Ninguna;
        int posicion = 0;
        bool inicioElemento = false;
    };

    void recorre();
    void iniciaSentencia(qsizetype k);
    qsizetype paso(qsizetype k);
    qsizetype pasoPalabra(qsizetype k);
    void pasoLista(qsizetype k);
    void abreParentesis(qsizetype k);
    void cierraAmbito();
    void cierraSentencia(qsizetype primero, qsizetype ultimo);
    void comparacion(qsizetype izquierda, qsizetype operador);
    void asignacion(qsizetype k);
    void comparaConNumero(qsizetype operador, TipoExpresion tipo);
    [[nodiscard]] Clase comparaTipos(qsizetype izquierda, qsizetype operador, TipoExpresion tipo, Clase clase);
    void valorDeColumna(qsizetype k, const QString& columna);
    void seleccionInsertada(qsizetype primera);
    [[nodiscard]] qsizetype finSeleccion(qsizetype primera);

    // Expressions (ReescrituraExpresiones.cpp).
    [[nodiscard]] const QString* funcionConversion(QAnyStringView tipo) const;
    void conversion(qsizetype k);
    void suma(qsizetype k);
    void signoMas(qsizetype k);
    void aritmetica(qsizetype k);
    void division(qsizetype k, qsizetype inicio, qsizetype fin, TipoExpresion izquierda, TipoExpresion derecha);
    void convierteTramo(qsizetype desde, qsizetype hasta, TipoExpresion destino, bool entero = false);
    void rechazaTramo(qsizetype desde, qsizetype hasta, const QString& mensaje);
    struct Rechazo {
        qsizetype primero;
        qsizetype ultimo;
        QString mensaje;
    };
    void aplicaRechazo(const Rechazo& rechazo);
    void nuloTipado(qsizetype k);
    [[nodiscard]] bool esNuloAritmetico(qsizetype k);
    void promedio(qsizetype k);
    void argumentosTipados(qsizetype k);
    void resultadosTipados(qsizetype k);
    void literalComo(qsizetype k, TipoExpresion destino);
    void reemplazaTramo(qsizetype desde, qsizetype hasta);
    [[nodiscard]] QString literalDeTramo(qsizetype desde, qsizetype hasta) const;
    void patronLike(qsizetype operador);
    void sinBlancosFinales(qsizetype izquierda, qsizetype operador);
    void recortaCadena(qsizetype k);

    [[nodiscard]] bool esCadenaSuelta(qsizetype k) const;
    [[nodiscard]] Clase claseIzquierda(qsizetype k) const;
    [[nodiscard]] bool esFechaSuelta(qsizetype k) const;
    [[nodiscard]] bool derechaTexto(qsizetype k) const;
    void reescribeFecha(qsizetype k);
    void agregaSufijo(qsizetype k, const QString& sufijo);
    // The same for a wrap around one function call, whose prefix went last onto the name: it is the
    // innermost of the wraps ending at `k`, so its suffix goes before theirs.
    void agregaSufijoInterior(qsizetype k, const QString& sufijo);

    const EsquemaDialecto& esquema_;
    const RasgosDialecto& rasgos_;
    VistaSql vista_;
    SentenciasSql sentencias_;
    MarcasSql marcas_;
    PasoPistas pistas_;
    PasoTop top_;
    TiposSql tipos_;
    std::vector<Ambito> ambitos_;
    Sentencia sentencia_ = Sentencia::Otra;
    bool esperaColumnas_ = false;
    bool enValores_ = false;
    QList<QString> columnasInsercion_;
    QString tablaInsercion_; // the table of an INSERT, upper case
    QString rechazo_; // the server's message refusing the statement being read, once its types do
    std::vector<Rechazo> rechazos_; // the statements refused, written last over everything else
};

} // namespace ado::dialecto
