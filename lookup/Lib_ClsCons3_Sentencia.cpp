#include "data/DB_Dll.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/RegConsulta.h"
#include "lookup/SentenciaConsulta.h"
#include "runtime/Dialogos.h"
#include "runtime/FuncionesVB.h"
#include "runtime/PasosAtrapados.h"
#include "startup/ModGlobal.h"

#include <QFile>
#include <QFileInfo>

using FuncionesVB::ContieneSinCaso;
using FuncionesVB::IgualSinCaso;
using FuncionesVB::Trim;

namespace {

const QString kNulo(QChar(0));
const QString k255(QChar(255));

bool esNombre(const QString& nombre, QLatin1StringView uno, QLatin1StringView dos, QLatin1StringView tres)
{
    return IgualSinCaso(nombre, uno) || IgualSinCaso(nombre, dos) || IgualSinCaso(nombre, tres);
}

} // namespace

int Lib_ClsCons3::LimiteFilas() const
{
    int limite = 0;
    EjecutaPasos({[&] {
                     QString aux;
                     limite = runtime_.ValorEntero(ModGlobal::Cfg(QStringLiteral("TopConsArt"), aux));
                 }},
                 IgnoraErrores);
    // A negative limit would make an invalid TOP; it counts as none, like 0.
    return limite > 0 ? limite : 1000;
}

std::optional<QString> Lib_ClsCons3::Sentencia(const QString& SQL, ArgumentosConsulta& argumentos)
{
    QString& Where = argumentos.Where;
    if (Trim(Where).size() > 1 && !Where.startsWith(u'('))
        Where = QStringLiteral(" (") + Where + QStringLiteral(") ");
    const int limite = LimiteFilas();

    if (ContieneSinCaso(SQL, QLatin1StringView("SELECT"))) {
        QString sentencia = SQL;
        FuncionesVB::ReemplazaSinCaso(sentencia, QLatin1StringView("V_MA_ARTICULOS"), u"VT_MA_ARTICULOS");
        return sentencia;
    }
    if (gUsarMascarasConsultas && QFileInfo(gRutaMascaraConsultas).isFile()) {
        bool configurar = false;
        const auto desdeCatalogo = DesdeCatalogo(SQL, limite, argumentos, configurar);
        if (configurar)
            return std::nullopt;
        if (desdeCatalogo)
            return desdeCatalogo;
    }
    // Without a catalogue file a bare name is still a table: it is built from its columns, as a name
    // the catalogue lacks is, rather than handed to the dialog as if it were a statement.
    return DesdeColumnas(SQL, limite, argumentos);
}

std::optional<QString> Lib_ClsCons3::DesdeCatalogo(const QString& tabla, int limite, ArgumentosConsulta& argumentos,
                                                   bool& configurar) const
{
    // A file that cannot be opened or read matches no record.
    QFile archivo(gRutaMascaraConsultas);
    if (!archivo.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::optional<RegConsulta> encontrado;
    while (!encontrado && !archivo.atEnd()) {
        const QByteArray bytes = archivo.read(RegConsulta::kLargo);
        if (bytes.isEmpty())
            break;
        RegConsulta registro = RegConsulta::desdeBytes(bytes);
        if (Trim(runtime_.LimpiaTexto(registro.OrigenConsulta, kNulo, k255)).compare(Trim(tabla), Qt::CaseInsensitive)
            == 0)
            encontrado = std::move(registro);
    }
    if (!encontrado)
        return std::nullopt;

    QString origen = Trim(runtime_.LimpiaTexto(encontrado->OrigenConsulta, kNulo, k255));
    QString campos
        = Trim(runtime_.ReemplazaTexto(encontrado->CamposConsulta, QStringLiteral("|"), QStringLiteral(",")));
    if (campos.startsWith(u','))
        campos.remove(0, 1);
    if (campos.endsWith(u','))
        campos.chop(1);
    if (campos.isEmpty())
        campos = QStringLiteral("*");

    QString& campoBusqueda = argumentos.CampoBusqueda;
    if (campoBusqueda.isEmpty()) {
        const QStringList lista = SentenciaConsulta::DivideCampos(campos);
        if (lista.size() < 2) {
            Dialogos::actual().MsgBox(QStringLiteral("Debe configurar la consulta para esta tabla"),
                                      Msg::OkSolo + Msg::Informacion, QStringLiteral("Aviso al operador"));
            configurar = true;
            return std::nullopt;
        }
        campoBusqueda = lista.front();
    }

    QString filtro = Trim(runtime_.LimpiaTexto(encontrado->FiltroConsulta, kNulo, k255));
    if (filtro.isEmpty() && !Trim(argumentos.Where).isEmpty())
        filtro = argumentos.Where;
    if (IgualSinCaso(origen, QLatin1StringView("VT_PROVEEDORES"))
        || IgualSinCaso(origen, QLatin1StringView("VT_CLIENTES"))) {
        if (filtro.isEmpty())
            filtro = QStringLiteral("Dada_De_Baja = 0");
    } else if (IgualSinCaso(origen, QLatin1StringView("V_MA_ARTICULOS"))) {
        origen = QStringLiteral("VT_MA_ARTICULOS");
        if (filtro.isEmpty())
            filtro = QStringLiteral("SUSPENDIDO = 0");
    }

    QString sentencia = QStringLiteral("SELECT TOP %1 %2 FROM %3").arg(limite).arg(campos, origen);
    if (!Trim(filtro).isEmpty())
        sentencia += QStringLiteral(" WHERE ") + filtro;
    if (!campoBusqueda.isEmpty())
        sentencia += QStringLiteral(" ORDER BY ") + campoBusqueda;
    return sentencia;
}

QString Lib_ClsCons3::DesdeColumnas(const QString& tabla, int limite, ArgumentosConsulta& argumentos) const
{
    if (!argumentos.SentenciaOpcional.isEmpty())
        return argumentos.SentenciaOpcional;

    DB_Dll& db = ModGlobal::DB();
    ado::Recordset rs;
    QString lista;
    QString& campoBusqueda = argumentos.CampoBusqueda;
    EjecutaPasos({
                     [&] {
                         QString consulta = QStringLiteral("select top 1 * from ") + tabla;
                         db.AbrirRecordset(consulta, &rs, {}, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
                     },
                     [&] {
                         auto campos = rs.Fields();
                         for (int i = 0; i < campos.Count(); ++i) {
                             const QString nombre = campos.Item(i).Name();
                             if (esNombre(nombre, QLatin1StringView("ID"), QLatin1StringView("FECHAHORA_MODIFICACION"),
                                          QLatin1StringView("FECHAHORA_GRABACION")))
                                 continue;
                             if (esNombre(nombre, QLatin1StringView("DESCRIPCION"), QLatin1StringView("NOMBRE"),
                                          QLatin1StringView("DETALLE"))
                                 || Trim(lista).isEmpty())
                                 campoBusqueda = nombre;
                             lista = nombre + u',' + lista;
                         }
                     },
                     [&] { db.CierraRecordset(&rs); },
                 },
                 IgnoraErrores);

    if (Trim(lista).isEmpty())
        lista = QStringLiteral(" * ");
    else
        lista.chop(1);
    QString sentencia = QStringLiteral("SELECT TOP %1 %2 FROM %3").arg(limite).arg(lista, tabla);
    // A table with no column to order by gets no ORDER BY, which would leave the statement unfinished.
    if (!Trim(campoBusqueda).isEmpty())
        sentencia += QStringLiteral(" ORDER BY ") + campoBusqueda;
    return sentencia;
}
