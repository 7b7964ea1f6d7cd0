#include "platform/ado/dialect/ReescrituraDialecto.h"

#include "platform/ado/dialect/FechasDialecto.h"
#include "runtime/FuncionesVB.h"

namespace ado::dialecto {
namespace {

using Tipo = TokenSql::Tipo;

// Keywords that end an ORDER BY list of the same scope.
const QLatin1String kFinOrden[] = {
    QLatin1String("LIMIT"),     QLatin1String("OFFSET"), QLatin1String("UNION"),  QLatin1String("EXCEPT"),
    QLatin1String("INTERSECT"), QLatin1String("FOR"),    QLatin1String("OPTION"), QLatin1String("HAVING"),
};

// Keywords that end the column list of a SELECT of the same scope.
const QLatin1String kFinSeleccion[] = {
    QLatin1String("FROM"),      QLatin1String("INTO"),   QLatin1String("WHERE"), QLatin1String("GROUP"),
    QLatin1String("ORDER"),     QLatin1String("HAVING"), QLatin1String("UNION"), QLatin1String("EXCEPT"),
    QLatin1String("INTERSECT"), QLatin1String("OPTION"), QLatin1String("FOR"),   QLatin1String("LIMIT"),
};

// "2025-03-05 09:30:00": already the stored form, nothing to read or rewrite.
bool esFormaAlmacenada(QStringView t)
{
    static constexpr char16_t kForma[] = u"0000-00-00 00:00:00";
    if (t.size() != 19)
        return false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const bool cifra = kForma[i] == u'0';
        if (cifra ? !(t[i] >= u'0' && t[i] <= u'9') : t[i] != kForma[i])
            return false;
    }
    return true;
}

// Upper case of a name; ASCII names (nearly all of them) skip Qt's Unicode tables.
QString mayusculas(QStringView t)
{
    QString s(t.size(), Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(s.data());
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= 0x80)
            return t.toString().toUpper();
        d[i] = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
    }
    return s;
}

// The text between the quotes of a quoted piece, with the doubled quote undone.
QString sinComillas(QStringView t, QChar cierre)
{
    QString s = t.mid(1, t.size() - 2).toString();
    s.replace(QString(2, cierre), QString(cierre));
    return s;
}

} // namespace

ReescrituraDialecto::ReescrituraDialecto(const EsquemaDialecto& esquema, const RasgosDialecto& rasgos,
                                         QStringView texto)
    : esquema_(esquema), rasgos_(rasgos), texto_(texto), tokens_(TokenizadorSql::divide(texto))
{
    sig_.reserve(tokens_.size());
    for (qsizetype i = 0; i < tokens_.size(); ++i) {
        const Tipo t = tokens_[i].tipo;
        if (t != Tipo::Espacio && t != Tipo::Comentario)
            sig_.append(i);
    }
}

QString ReescrituraDialecto::resultado()
{
    recorre();
    QString salida;
    salida.reserve(texto_.size() + 32);
    // The tokens cover the text without gaps: those kept as they are go out in runs, one append
    // per run rather than one per token.
    qsizetype copiaDesde = 0;
    for (qsizetype i = 0; i < tokens_.size(); ++i) {
        const TokenSql& tk = tokens_[i];
        const Accion* a = acciones_.isEmpty() ? nullptr : &acciones_[i];
        const bool nombre = tk.tipo == Tipo::NombreCorchetes || tk.tipo == Tipo::NombreComillas;
        const bool tal = !tk.nacional
            && (!nombre || tk.abierto || (tk.tipo == Tipo::NombreComillas && !rasgos_.nombresEnMinusculas));
        if (tal && (!a || (!a->reemplaza && !a->omite && a->sufijo.isEmpty() && a->prefijo.isEmpty())))
            continue;
        salida += texto_.mid(copiaDesde, tk.inicio - copiaDesde);
        copiaDesde = tk.inicio + tk.largo;
        // What the rewrite writes or leaves out never joins the words on either side into one token:
        // "x'a '" must not become "xrtrim('a ')", "'a '$$" "...::citext$$", nor "x$dbo.T" "x$T".
        const auto separa = [&salida](QChar siguiente) {
            if (!salida.isEmpty() && TokenizadorSql::siguePalabra(salida.back())
                && TokenizadorSql::siguePalabra(siguiente))
                salida += u' ';
        };
        if (a && !a->prefijo.isEmpty()) {
            separa(a->prefijo.front());
            salida += a->prefijo;
        }
        if (a && a->reemplaza)
            salida += a->reemplazo;
        else if (!a || !a->omite)
            agregaToken(salida, tk);
        if (a)
            salida += a->sufijo;
        if (copiaDesde < texto_.size())
            separa(texto_[copiaDesde]);
    }
    salida += texto_.mid(copiaDesde);
    return salida;
}

QHash<QString, TipoExpresion> ReescrituraDialecto::tiposDeAlias()
{
    QHash<QString, TipoExpresion> tipos;
    if (!es(0, QLatin1String("SELECT")))
        return tipos;
    qsizetype m = es(1, QLatin1String("DISTINCT")) || es(1, QLatin1String("ALL")) ? 2 : 1;
    if (es(m, QLatin1String("TOP")))
        m = esSimbolo(m + 1, QLatin1String("(")) ? std::max(pareja(m + 1), m + 1) + 1 : m + 2;
    for (const auto& [inicio, hasta] : elementos(m, finSeleccion(m) - 1)) {
        const qsizetype alias = hasta;
        const bool conAs = es(alias - 1, QLatin1String("AS"));
        const qsizetype finExpresion = conAs ? alias - 2 : alias - 1;
        if (alias > inicio && finExpresion >= inicio && esNombre(alias) && !esSimbolo(alias - 1, QLatin1String("."))
            && (conAs || esFinOperando(finExpresion)))
            tipos.insert(nombre(alias), tipoTramo(inicio, finExpresion, 0));
    }
    return tipos;
}

void ReescrituraDialecto::agregaToken(QString& salida, const TokenSql& tk) const
{
    const QStringView t = texto_.mid(tk.inicio, tk.largo);
    if (tk.tipo == Tipo::NombreCorchetes && !tk.abierto) {
        const QString nombre = TokenizadorSql::entreComillas(t);
        salida += rasgos_.nombresEnMinusculas ? nombre.toLower() : nombre;
    } else if (tk.tipo == Tipo::NombreComillas && rasgos_.nombresEnMinusculas) {
        salida += t.toString().toLower();
    } else if (tk.nacional) {
        // Right after another literal, 'a'N'b' would become the one literal 'a''b'.
        if (salida.endsWith(u'\''))
            salida += u' ';
        salida += t.mid(1);
    } else {
        salida += t;
    }
}

void ReescrituraDialecto::recorre()
{
    ambitos_.clear();
    ambitos_.emplace_back();
    qsizetype k = 0;
    while (k < sig_.size()) {
        if (inicio_)
            iniciaSentencia(k);
        k = sentencia_ == Sentencia::Definicion ? pasoDefinicion(k) : paso(k);
    }
    cierraSentencia(sig_.size() - 1);
}

void ReescrituraDialecto::iniciaSentencia(qsizetype k)
{
    inicio_ = false;
    esperaColumnas_ = false;
    enValores_ = false;
    bloque_ = 0;
    columnasInsercion_.clear();
    if (es(k, QLatin1String("SELECT")) || es(k, QLatin1String("WITH")))
        sentencia_ = Sentencia::Consulta;
    else if (es(k, QLatin1String("UPDATE")))
        sentencia_ = Sentencia::Actualizacion;
    else if (es(k, QLatin1String("INSERT")))
        sentencia_ = Sentencia::Insercion;
    else if (es(k, QLatin1String("CREATE")) || es(k, QLatin1String("ALTER")) || es(k, QLatin1String("DROP")))
        sentencia_ = Sentencia::Definicion;
    else
        sentencia_ = Sentencia::Otra;
    esperaColumnas_ = sentencia_ == Sentencia::Insercion;
    tablaInsercion_.clear();
    if (sentencia_ == Sentencia::Insercion) {
        const qsizetype tabla = es(k + 1, QLatin1String("INTO")) ? k + 2 : k + 1;
        if (esNombre(tabla))
            tablaInsercion_ = nombre(finCadena(tabla));
    }
}

// Definitions only get names and N'' rewritten; a trigger body's ";" does not end the statement.
qsizetype ReescrituraDialecto::pasoDefinicion(qsizetype k)
{
    if (es(k, QLatin1String("BEGIN")) || es(k, QLatin1String("CASE")))
        ++bloque_;
    else if (es(k, QLatin1String("END")))
        --bloque_;
    else if (esSimbolo(k, QLatin1String(";")) && bloque_ <= 0)
        inicio_ = true;
    else if (esNombre(k))
        return quitaPropietario(k) + 1;
    return k + 1;
}

qsizetype ReescrituraDialecto::paso(qsizetype k)
{
    if (ambitos_.back().lista != Lista::Ninguna)
        pasoLista(k);
    if (ambitos_.back().inicioOrden)
        pasoOrden(k);
    const TokenSql& tk = tokens_[sig_[k]];
    switch (tk.tipo) {
    case Tipo::Palabra:
        return pasoPalabra(k);
    case Tipo::NombreCorchetes:
    case Tipo::NombreComillas:
        return quitaPropietario(k) + 1;
    case Tipo::Simbolo:
        break;
    default:
        return k + 1;
    }
    const QStringView s = texto(k);
    const char16_t c = s.size() == 1 ? s[0].unicode() : u'\0';
    Ambito& a = ambitos_.back();
    if (c == u'(') {
        if (const qsizetype tras = quitaPistas(k); tras >= 0)
            return tras;
        abreParentesis(k);
    } else if (c == u')') {
        if (ambitos_.size() > 1)
            cierraAmbito(k - 1);
    } else if (c == u';') {
        cierraSentencia(k - 1);
        inicio_ = true;
    } else if (c == u',') {
        if (a.clausulaSet)
            a.esperaAsignacion = true;
        if (a.ordenBy) {
            cierraOrdenado(k - 1);
            a.inicioOrden = true;
        }
        if (a.enSeleccion) {
            a.columnas.emplace_back(a.inicioColumna, k - 1);
            a.inicioColumna = k + 1;
        }
    } else if (c == u'+' && !rasgos_.suma.isEmpty() && esFinOperando(k - 1)) {
        suma(k);
    } else if (c == u'+' && !rasgos_.suma.isEmpty()) {
        signoMas(k);
    } else if ((c == u'-' || c == u'*' || c == u'/' || c == u'%') && !rasgos_.suma.isEmpty()) {
        aritmetica(k);
    } else if (c == u'=' && a.clausulaSet && a.esperaAsignacion && ambitos_.size() == 1) {
        asignacion(k);
    } else if (c == u'=' || c == u'<' || c == u'>'
               || (s.size() == 2 && (s == u"<>" || s == u"!=" || s == u"<=" || s == u">="))) {
        comparacion(k - 1, k);
    }
    return k + 1;
}

qsizetype ReescrituraDialecto::pasoPalabra(qsizetype k)
{
    Ambito& a = ambitos_.back();
    const bool alto = ambitos_.size() == 1;
    if (es(k, QLatin1String("SELECT"))) {
        const qsizetype tras = quitaTop(k);
        const bool cuantificada = es(k + 1, QLatin1String("DISTINCT")) || es(k + 1, QLatin1String("ALL"));
        const qsizetype primera = tras == k + 1 && cuantificada ? k + 2 : tras;
        if (alto && sentencia_ == Sentencia::Insercion) {
            esperaColumnas_ = false;
            seleccionInsertada(primera);
        }
        iniciaSeleccion(k, primera);
        return tras;
    }
    if (es(k, QLatin1String("WITH"))) {
        if (const qsizetype tras = quitaPistas(k); tras >= 0)
            return tras;
    }
    if (a.enSeleccion) {
        for (const QLatin1String& fin : kFinSeleccion)
            if (es(k, fin))
                terminaSeleccion(k - 1);
    }
    if (es(k, QLatin1String("UNION")) || es(k, QLatin1String("EXCEPT")) || es(k, QLatin1String("INTERSECT")))
        compone(k);
    if ((es(k, QLatin1String("ORDER")) || es(k, QLatin1String("GROUP"))) && es(k + 1, QLatin1String("BY"))) {
        if (a.ordenBy)
            cierraOrdenado(k - 1);
        a.ordenBy = true;
        a.porOrden = es(k, QLatin1String("ORDER"));
        a.inicioOrden = true;
        return k + 2;
    }
    if (a.ordenBy) {
        if (es(k, QLatin1String("ASC")) || es(k, QLatin1String("DESC")))
            cierraOrdenado(k - 1, k);
        for (const QLatin1String& fin : kFinOrden) {
            if (es(k, fin)) {
                cierraOrdenado(k - 1);
                a.ordenBy = false;
            }
        }
    }
    if (es(k, QLatin1String("NOT"))
        && (es(k + 1, QLatin1String("LIKE")) || es(k + 1, QLatin1String("IN"))
            || es(k + 1, QLatin1String("BETWEEN")))) {
        comparacion(k - 1, k + 1);
        return k + 2;
    }
    if (es(k, QLatin1String("LIKE")) || es(k, QLatin1String("IN")) || es(k, QLatin1String("BETWEEN"))) {
        comparacion(k - 1, k);
        return k + 1;
    }
    if (alto && sentencia_ == Sentencia::Actualizacion) {
        if (es(k, QLatin1String("SET"))) {
            a.clausulaSet = true;
            a.esperaAsignacion = true;
        } else if (es(k, QLatin1String("WHERE")) || es(k, QLatin1String("FROM"))) {
            a.clausulaSet = false;
        }
    }
    if (alto && sentencia_ == Sentencia::Insercion && es(k, QLatin1String("VALUES"))) {
        enValores_ = true;
        esperaColumnas_ = false;
        if (columnasInsercion_.isEmpty())
            columnasInsercion_ = esquema_.columnasTabla.value(tablaInsercion_);
    }
    if (es(k, QLatin1String("CASE")))
        resultadosTipados(k);
    if (!rasgos_.nuloEntero.isEmpty() && es(k, QLatin1String("NULL")) && esNuloAritmetico(k))
        nuloTipado(k);
    if (esSimbolo(k + 1, QLatin1String("(")) && !esSimbolo(k - 1, QLatin1String("."))) {
        parteDeFecha(k);
        if (!rasgos_.conversiones.isEmpty() && (es(k, QLatin1String("CAST")) || es(k, QLatin1String("CONVERT"))))
            conversion(k);
        if (rasgos_.ordenSinCaso)
            argumentoOrdenado(k);
        if (!rasgos_.enteroTruncado.first.isEmpty() && es(k, QLatin1String("AVG")))
            promedio(k);
        if (es(k, QLatin1String("ISNULL")) || es(k, QLatin1String("NULLIF")) || es(k, QLatin1String("COALESCE")))
            argumentosTipados(k);
        const bool marcado = !acciones_.isEmpty() && (acciones_[sig_[k]].reemplaza || acciones_[sig_[k]].omite);
        for (const FuncionDialecto& f : marcado ? QList<FuncionDialecto>() : rasgos_.funciones) {
            if (tokens_[sig_[k]].largo == f.suite.size() && texto(k).compare(f.suite, Qt::CaseInsensitive) == 0) {
                Accion& ac = accion(sig_[k]);
                ac.reemplaza = true;
                ac.reemplazo = f.motor;
                return k + 1;
            }
        }
    }
    return quitaPropietario(k) + 1;
}

void ReescrituraDialecto::pasoLista(qsizetype k)
{
    Ambito& a = ambitos_.back();
    if (esSimbolo(k, QLatin1String(","))) {
        ++a.posicion;
        a.inicioElemento = true;
        return;
    }
    if (!a.inicioElemento || esSimbolo(k, QLatin1String(")")))
        return;
    a.inicioElemento = false;
    if (a.lista == Lista::Columnas) {
        columnasInsercion_.append(esNombre(k) ? nombre(finCadena(k)) : QString());
        return;
    }
    const bool elementoSolo = esSimbolo(k + 1, QLatin1String(",")) || esSimbolo(k + 1, QLatin1String(")"));
    if (elementoSolo && a.posicion < columnasInsercion_.size())
        valorDeColumna(k, columnasInsercion_[a.posicion]);
}

void ReescrituraDialecto::pasoOrden(qsizetype k)
{
    ambitos_.back().inicioOrden = false;
    ambitos_.back().inicioOrdenado = k;
}

void ReescrituraDialecto::abreParentesis(qsizetype)
{
    Ambito nuevo;
    if (ambitos_.size() == 1 && sentencia_ == Sentencia::Insercion) {
        if (enValores_) {
            nuevo.lista = Lista::Valores;
            nuevo.inicioElemento = true;
        } else if (esperaColumnas_) {
            nuevo.lista = Lista::Columnas;
            nuevo.inicioElemento = true;
            columnasInsercion_.clear();
        }
    }
    ambitos_.push_back(std::move(nuevo));
}

void ReescrituraDialecto::cierraAmbito(qsizetype ultimo)
{
    if (ambitos_.back().ordenBy)
        cierraOrdenado(ultimo);
    terminaSeleccion(ultimo);
    const Ambito& a = ambitos_.back();
    if (!a.limite.isEmpty() && ultimo >= 0 && tokens_[sig_[ultimo]].abierto) {
        // The LIMIT cannot follow an unterminated quote: the TOP stays as written, for the
        // database to report, rather than be lost.
        for (qsizetype i = a.topDesde; i <= a.topHasta; ++i)
            accion(i).omite = false;
    } else if (!a.limite.isEmpty() && ultimo >= 0) {
        agregaSufijo(ultimo, QLatin1String(" LIMIT ") + a.limite);
    }
    if (a.lista == Lista::Columnas)
        esperaColumnas_ = false;
    ambitos_.pop_back();
}

void ReescrituraDialecto::cierraSentencia(qsizetype ultimo)
{
    while (ambitos_.size() > 1)
        cierraAmbito(ultimo);
    cierraAmbito(ultimo);
    ambitos_.emplace_back();
}

// TOP n / TOP (n) right after SELECT [DISTINCT|ALL]: the words go, the scope remembers the limit.
qsizetype ReescrituraDialecto::quitaTop(qsizetype k)
{
    qsizetype top = k + 1;
    if (es(top, QLatin1String("DISTINCT")) || es(top, QLatin1String("ALL")))
        ++top;
    // A scope holds one LIMIT: a second TOP in it (two SELECTs with no ";" between them) stays as
    // written rather than replace the first one's.
    if (!es(top, QLatin1String("TOP")) || !ambitos_.back().limite.isEmpty())
        return k + 1;
    qsizetype fin = -1;
    QString limite;
    if (top + 1 < sig_.size() && tokens_[sig_[top + 1]].tipo == Tipo::Numero) {
        fin = top + 1;
        limite = texto(fin).toString();
    } else if (esSimbolo(top + 1, QLatin1String("("))) {
        int profundidad = 0;
        for (qsizetype m = top + 1; m < sig_.size() && fin < 0; ++m) {
            if (esSimbolo(m, QLatin1String("(")))
                ++profundidad;
            else if (esSimbolo(m, QLatin1String(")")) && --profundidad == 0)
                fin = m;
        }
        if (fin <= top + 2)
            return k + 1;
        const TokenSql& primero = tokens_[sig_[top + 2]];
        const TokenSql& ultimo = tokens_[sig_[fin - 1]];
        limite = texto_.mid(primero.inicio, ultimo.inicio + ultimo.largo - primero.inicio).toString();
        // A subquery keeps its parentheses: LIMIT takes it only as one.
        if (es(top + 2, QLatin1String("SELECT")))
            limite = u'(' + limite + u')';
    } else {
        return k + 1;
    }
    if (es(fin + 1, QLatin1String("PERCENT"))
        || (es(fin + 1, QLatin1String("WITH")) && es(fin + 2, QLatin1String("TIES"))))
        return k + 1;
    for (qsizetype i = sig_[top]; i <= sig_[fin]; ++i)
        accion(i).omite = true;
    Ambito& ambito = ambitos_.back();
    ambito.limite = limite;
    ambito.topDesde = sig_[top];
    ambito.topHasta = sig_[fin];
    return fin + 1;
}

// Drops an owner dbo. in front of a name; returns the last token it consumed.
qsizetype ReescrituraDialecto::quitaPropietario(qsizetype k)
{
    if (!esSimbolo(k + 1, QLatin1String(".")) || !esNombre(k + 2))
        return k;
    const QStringView t = texto(k);
    const bool esDbo
        = FuncionesVB::IgualSinCaso(t, QLatin1String("dbo")) || FuncionesVB::IgualSinCaso(t, QLatin1String("[dbo]"));
    if (!esDbo)
        return k;
    for (qsizetype i = sig_[k]; i <= sig_[k + 1]; ++i)
        accion(i).omite = true;
    return k + 1;
}

void ReescrituraDialecto::comparacion(qsizetype izquierda, qsizetype operador)
{
    const qsizetype derecha = operador + 1;
    Clase clase = claseIzquierda(izquierda);
    const bool derechaFecha = esFechaSuelta(derecha);
    // An expression typed as a number or a date compares as one, not as text; a string literal
    // on the other side is converted to it, as the server does.
    const TipoExpresion tipo
        = izquierda >= 0 && esFinOperando(izquierda) ? tipoIzquierdo(izquierda, false) : TipoExpresion::Desconocido;
    if (clase == Clase::Texto && (EsNumerico(tipo) || tipo == TipoExpresion::Fecha))
        clase = tipo == TipoExpresion::Fecha ? Clase::Fecha : Clase::Otra;
    if (EsNumerico(tipo) || tipo == TipoExpresion::Texto)
        clase = comparaTipos(izquierda, operador, tipo, clase);
    if (EsNumerico(tipo))
        comparaConNumero(operador, tipo);
    else if (tipo == TipoExpresion::Texto && esCadenaSuelta(izquierda) && !esAritmetico(izquierda - 1)
             && esFinOperando(derecha) && !es(operador, QLatin1String("LIKE"))) {
        qsizetype fin = derecha;
        const TipoExpresion tipoDerecha = tipoPrimario(derecha, fin, 0);
        if (EsNumerico(tipoDerecha) && !esAritmetico(fin + 1) && !esSimbolo(fin + 1, QLatin1String("."))) {
            literalComo(izquierda, tipoDerecha);
            clase = Clase::Otra;
        }
    }
    if (clase == Clase::Texto && !derechaFecha
        && (!rasgos_.sinCasoSoloFrenteATexto || es(operador, QLatin1String("LIKE")) || derechaTexto(derecha))) {
        if (!es(operador, QLatin1String("LIKE")))
            sinBlancosFinales(izquierda, operador);
        agregaSufijo(izquierda, rasgos_.textoSinCaso);
    }
    if (es(operador, QLatin1String("LIKE"))) {
        patronLike(operador);
        return;
    }
    if (es(operador, QLatin1String("BETWEEN"))) {
        if (clase != Clase::Fecha)
            return;
        if (esCadenaSuelta(derecha))
            reescribeFecha(derecha);
        if (es(derecha + 1, QLatin1String("AND")) && esCadenaSuelta(derecha + 2))
            reescribeFecha(derecha + 2);
        return;
    }
    if (es(operador, QLatin1String("IN"))) {
        if (clase != Clase::Fecha || !esSimbolo(derecha, QLatin1String("(")))
            return;
        for (qsizetype m = derecha + 1; m + 1 < sig_.size(); m += 2) {
            const bool ultimo = esSimbolo(m + 1, QLatin1String(")"));
            if (tokens_[sig_[m]].tipo != Tipo::Cadena || (!ultimo && !esSimbolo(m + 1, QLatin1String(","))))
                return;
            reescribeFecha(m);
            if (ultimo)
                return;
        }
        return;
    }
    if (clase == Clase::Fecha) {
        if (esCadenaSuelta(derecha))
            reescribeFecha(derecha);
    } else if (derechaFecha && izquierda >= 0 && tokens_[sig_[izquierda]].tipo == Tipo::Cadena
               && !esAritmetico(izquierda - 1)) {
        reescribeFecha(izquierda);
    }
}

// A comparison of text with a number, either side, written with its literals aside: the text is
// converted to the number's type, as the server does. Returns the class of the left operand then.
ReescrituraDialecto::Clase ReescrituraDialecto::comparaTipos(qsizetype izquierda, qsizetype operador,
                                                             TipoExpresion tipo, Clase clase)
{
    const qsizetype derecha = operador + 1;
    if (!esSimbolo(operador, QLatin1String("=")) && !esSimbolo(operador, QLatin1String("<"))
        && !esSimbolo(operador, QLatin1String(">")) && !esSimbolo(operador, QLatin1String("<>"))
        && !esSimbolo(operador, QLatin1String("!=")) && !esSimbolo(operador, QLatin1String("<="))
        && !esSimbolo(operador, QLatin1String(">=")))
        return clase;
    // A comparison that ends the text has no right operand to look at.
    if (izquierda < 0 || derecha >= sig_.size())
        return clase;
    if (tokens_[sig_[izquierda]].tipo == Tipo::Cadena || tokens_[sig_[derecha]].tipo == Tipo::Cadena)
        return clase;
    qsizetype fin = finOperando(derecha);
    while (fin < sig_.size() && (esSimbolo(fin + 1, QLatin1String("+")) || esSimbolo(fin + 1, QLatin1String("-"))))
        fin = finOperando(fin + 2);
    if (fin >= sig_.size())
        return clase;
    const TipoExpresion tipoDerecha = tipoTramo(derecha, fin, 0);
    if (tipo == TipoExpresion::Texto && EsNumerico(tipoDerecha)) {
        convierteTramo(inicioOperando(izquierda), izquierda, tipoDerecha);
        return Clase::Otra;
    }
    if (EsNumerico(tipo) && tipoDerecha == TipoExpresion::Texto)
        convierteTramo(derecha, fin, tipo);
    return clase;
}

// The string literals a number of type `tipo` is compared with at `operador` (=, <, BETWEEN, IN...)
// take its type.
void ReescrituraDialecto::comparaConNumero(qsizetype operador, TipoExpresion tipo)
{
    const qsizetype derecha = operador + 1;
    if (es(operador, QLatin1String("LIKE")))
        return;
    if (es(operador, QLatin1String("IN"))) {
        if (!esSimbolo(derecha, QLatin1String("(")) || es(derecha + 1, QLatin1String("SELECT")))
            return;
        for (const auto& [desde, hasta] : argumentos(derecha))
            if (desde == hasta)
                literalComo(desde, tipo);
        return;
    }
    if (esCadenaSuelta(derecha))
        literalComo(derecha, tipo);
    if (es(operador, QLatin1String("BETWEEN")) && es(derecha + 1, QLatin1String("AND")) && esCadenaSuelta(derecha + 2))
        literalComo(derecha + 2, tipo);
}

void ReescrituraDialecto::asignacion(qsizetype k)
{
    ambitos_.back().esperaAsignacion = false;
    if (esNombre(k - 1) && esCadenaSuelta(k + 1) && !esSimbolo(k + 2, QLatin1String(".")))
        valorDeColumna(k + 1, nombre(k - 1));
}

// A lone string literal at `k` stored into the column named `columna`: a date as the stored form,
// a number as its value, as the server converts it on the way in.
void ReescrituraDialecto::valorDeColumna(qsizetype k, const QString& columna)
{
    if (esquema_.columnasFecha.contains(columna))
        reescribeFecha(k);
    else
        literalComo(k, esquema_.tipos.value(columna, TipoExpresion::Desconocido));
}

// The column list of the SELECT of an INSERT, which starts at `primera`: each item that is a lone
// string literal is stored into the column at its position.
void ReescrituraDialecto::seleccionInsertada(qsizetype primera)
{
    if (columnasInsercion_.isEmpty())
        columnasInsercion_ = esquema_.columnasTabla.value(tablaInsercion_);
    qsizetype posicion = 0;
    for (const auto& [desde, hasta] : elementos(primera, finSeleccion(primera) - 1)) {
        if (desde == hasta && posicion < columnasInsercion_.size())
            valorDeColumna(desde, columnasInsercion_[posicion]);
        ++posicion;
    }
}

// The first token after the column list of a SELECT that starts at `primera`: FROM, WHERE and the
// like, ";", the ")" that closes the subquery, or the end of the text.
qsizetype ReescrituraDialecto::finSeleccion(qsizetype primera)
{
    qsizetype m = primera;
    for (; m < sig_.size(); ++m) {
        if (esSimbolo(m, QLatin1String(";")) || esSimbolo(m, QLatin1String(")")))
            return m;
        for (const QLatin1String& palabra : kFinSeleccion)
            if (es(m, palabra))
                return m;
        if (esSimbolo(m, QLatin1String("(")) || es(m, QLatin1String("CASE")))
            m = std::max(m, pareja(m));
    }
    return m;
}

QStringView ReescrituraDialecto::texto(qsizetype k) const
{
    const TokenSql& tk = tokens_[sig_[k]];
    return texto_.mid(tk.inicio, tk.largo);
}

bool ReescrituraDialecto::es(qsizetype k, QLatin1String palabra) const
{
    if (k < 0 || k >= sig_.size())
        return false;
    const TokenSql& tk = tokens_[sig_[k]];
    return tk.tipo == Tipo::Palabra && tk.largo == palabra.size() && FuncionesVB::IgualSinCaso(texto(k), palabra);
}

bool ReescrituraDialecto::esSimbolo(qsizetype k, QLatin1String simbolo) const
{
    if (k < 0 || k >= sig_.size())
        return false;
    const TokenSql& tk = tokens_[sig_[k]];
    if (tk.tipo != Tipo::Simbolo || tk.largo != simbolo.size())
        return false;
    for (qsizetype i = 0; i < tk.largo; ++i) {
        if (texto_[tk.inicio + i] != QLatin1Char(simbolo[i]))
            return false;
    }
    return true;
}

bool ReescrituraDialecto::esNombre(qsizetype k) const
{
    if (k < 0 || k >= sig_.size())
        return false;
    const Tipo t = tokens_[sig_[k]].tipo;
    return t == Tipo::Palabra || t == Tipo::NombreCorchetes || t == Tipo::NombreComillas;
}

bool ReescrituraDialecto::esAritmetico(qsizetype k) const
{
    if (k < 0 || k >= sig_.size() || tokens_[sig_[k]].tipo != Tipo::Simbolo)
        return false;
    const QStringView s = texto(k);
    return s == u"+" || s == u"-" || s == u"*" || s == u"/" || s == u"%" || s == u"||" || s == u"&" || s == u"|"
        || s == u"^" || s == u"~";
}

// A string literal standing alone as an operand: not part of an arithmetic or concatenation.
bool ReescrituraDialecto::esCadenaSuelta(qsizetype k) const
{
    return k >= 0 && k < sig_.size() && tokens_[sig_[k]].tipo == Tipo::Cadena && !tokens_[sig_[k]].abierto
        && !esAritmetico(k + 1);
}

QString ReescrituraDialecto::nombre(qsizetype k) const
{
    const TokenSql& tk = tokens_[sig_[k]];
    const QStringView t = texto(k);
    if (tk.tipo == Tipo::Palabra)
        return mayusculas(t);
    if (tk.abierto)
        return mayusculas(t.mid(1));
    return mayusculas(sinComillas(t, tk.tipo == Tipo::NombreCorchetes ? u']' : u'"'));
}

qsizetype ReescrituraDialecto::inicioCadena(qsizetype k) const
{
    while (esSimbolo(k - 1, QLatin1String(".")) && esNombre(k - 2))
        k -= 2;
    return k;
}

qsizetype ReescrituraDialecto::finCadena(qsizetype k) const
{
    while (esSimbolo(k + 1, QLatin1String(".")) && esNombre(k + 2))
        k += 2;
    return k;
}

ReescrituraDialecto::Clase ReescrituraDialecto::claseIzquierda(qsizetype k) const
{
    if (k < 0 || k >= sig_.size())
        return Clase::Otra;
    switch (tokens_[sig_[k]].tipo) {
    case Tipo::Cadena:
        return Clase::Texto;
    case Tipo::Simbolo:
        return esSimbolo(k, QLatin1String(")")) || esSimbolo(k, QLatin1String("?")) ? Clase::Texto : Clase::Otra;
    case Tipo::Palabra:
        if (es(k, QLatin1String("NULL")))
            return Clase::Otra;
        if (es(k, QLatin1String("END")))
            return Clase::Texto;
        break;
    case Tipo::NombreCorchetes:
    case Tipo::NombreComillas:
        break;
    default:
        return Clase::Otra;
    }
    // A column inside a larger expression makes the operand an expression, compared as text.
    if (esAritmetico(inicioCadena(k) - 1))
        return Clase::Texto;
    const QString columna = nombre(k);
    if (esquema_.columnasFecha.contains(columna))
        return Clase::Fecha;
    return esquema_.columnasTexto.contains(columna) ? Clase::Texto : Clase::Otra;
}

// A right operand that can be text: a string literal, a "?" parameter or a column known as text, also
// as the first item of an IN list.
bool ReescrituraDialecto::derechaTexto(qsizetype k) const
{
    if (esSimbolo(k, QLatin1String("(")) && !es(k + 1, QLatin1String("SELECT")))
        ++k;
    if (k < 0 || k >= sig_.size())
        return false;
    if (tokens_[sig_[k]].tipo == Tipo::Cadena || esSimbolo(k, QLatin1String("?")))
        return true;
    if (!esNombre(k))
        return false;
    const qsizetype fin = finCadena(k);
    return !esSimbolo(fin + 1, QLatin1String("(")) && esquema_.columnasTexto.contains(nombre(fin));
}

// A bare date column as the right operand: a name, not called, not part of an expression.
bool ReescrituraDialecto::esFechaSuelta(qsizetype k) const
{
    if (!esNombre(k))
        return false;
    const qsizetype fin = finCadena(k);
    if (esAritmetico(fin + 1) || esSimbolo(fin + 1, QLatin1String("(")))
        return false;
    return esquema_.columnasFecha.contains(nombre(fin));
}

void ReescrituraDialecto::reescribeFecha(qsizetype k)
{
    const TokenSql& tk = tokens_[sig_[k]];
    if (tk.tipo != Tipo::Cadena || tk.abierto)
        return;
    const QStringView t = tk.nacional ? texto(k).mid(1) : texto(k);
    if (!tk.nacional && esFormaAlmacenada(t.mid(1, t.size() - 2)))
        return;
    const auto almacenado = TextoAlmacenado(sinComillas(t, u'\''));
    if (!almacenado)
        return;
    Accion& a = accion(sig_[k]);
    a.reemplaza = true;
    a.reemplazo = u'\'' + *almacenado + u'\'';
}

void ReescrituraDialecto::agregaSufijo(qsizetype k, const QString& sufijo)
{
    // An unterminated quote runs to the end of the text: whatever followed it would be written inside
    // the quote, changing its text ("... = 'abc" must not become "... = 'abc LIMIT 1").
    if (k >= 0 && k < sig_.size() && !tokens_[sig_[k]].abierto)
        accion(sig_[k]).sufijo += sufijo;
}

void ReescrituraDialecto::agregaSufijoInterior(qsizetype k, const QString& sufijo)
{
    if (k >= 0 && k < sig_.size() && !tokens_[sig_[k]].abierto)
        accion(sig_[k]).sufijo.prepend(sufijo);
}

ReescrituraDialecto::Accion& ReescrituraDialecto::accion(qsizetype indiceToken)
{
    if (acciones_.isEmpty())
        acciones_.resize(tokens_.size());
    return acciones_[indiceToken];
}

} // namespace ado::dialecto
