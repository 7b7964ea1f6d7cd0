#include "data/DB_Dll.h"
#include "db/ArchivoBaseDatos.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "platform/ui/TreeView.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>
#include <optional>
#include <vector>

namespace {

// 100 two-digit codes, 9 children each (four digits), 10 below each of those (six) and 10 below
// each of those (eight): 100,000 codes in code order.
struct Fila {
    QString codigo;
    QString descripcion;
};

const std::vector<Fila>& filas()
{
    static const std::vector<Fila> todas = [] {
        std::vector<Fila> v;
        v.reserve(100'000);
        const auto agrega = [&](const QString& codigo) { v.push_back({codigo, QStringLiteral("Rubro ") + codigo}); };
        for (int a = 0; a < 100; ++a) {
            const QString ca = QStringLiteral("%1").arg(a, 2, 10, QLatin1Char('0'));
            agrega(ca);
            for (int b = 1; b <= 9; ++b) {
                const QString cb = ca + QStringLiteral("%1").arg(b, 2, 10, QLatin1Char('0'));
                agrega(cb);
                for (int c = 0; c < 10; ++c) {
                    const QString cc = cb + QStringLiteral("%1").arg(c, 2, 10, QLatin1Char('0'));
                    agrega(cc);
                    for (int d = 0; d < 10; ++d)
                        agrega(cc + QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')));
                }
            }
        }
        return v;
    }();
    return todas;
}

// The widgets need an application, which the benchmarks' own main() does not make. Each benchmark
// makes one for its own run when none exists, so that it is gone before Qt's globals are.
class Aplicacion {
public:
    Aplicacion()
    {
        if (qApp)
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_.emplace(argc_, argv_);
    }

private:
    int argc_ = 1;
    char nombre_[13] = "agenda-bench";
    char* argv_[2] = {nombre_, nullptr};
    std::optional<QApplication> app_;
};

// The dialog's whole build: the query on the embedded database, then the nodes.
void BM_Arbol_Lib_FrmCons3Tree(benchmark::State& estado)
{
    Aplicacion aplicacion;
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("bench.db"));
    ArchivoBaseDatos::Crea(ruta, false, QDate(2025, 3, 5));
    DB_Dll& db = DB_Dll::Compartido();
    db.setGCnn(nullptr);
    db.gEsAdmin = true;
    db.gCnn().Open(ArchivoBaseDatos::CadenaConexion(ruta));
    db.gCnn().Execute(QStringLiteral("CREATE TABLE ARBOL (CODIGO VARCHAR(10) PRIMARY KEY, DESCRIPCION VARCHAR(40))"));
    db.gCnn().BeginTrans();
    for (const Fila& f : filas())
        db.gCnn().Execute(QStringLiteral("INSERT INTO ARBOL VALUES ('%1', '%2')").arg(f.codigo, f.descripcion));
    db.gCnn().CommitTrans();

    Lib_FrmCons3Tree dialogo;
    dialogo.SQL = QStringLiteral("SELECT CODIGO, DESCRIPCION FROM ARBOL ORDER BY CODIGO");
    for (auto _ : estado)
        dialogo.ArmarTreeVAutomatico();
    if (dialogo.TreeV->Cuenta() != 100'001)
        estado.SkipWithError("the tree does not hold every code");
    estado.SetItemsProcessed(estado.iterations() * 100'000);
    db.setGCnn(nullptr);
}
BENCHMARK(BM_Arbol_Lib_FrmCons3Tree)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The same building rule over rows already in memory, through the tree-view control.
void BM_Arbol_TreeView(benchmark::State& estado)
{
    Aplicacion aplicacion;
    TreeView arbol(nullptr);
    for (auto _ : estado) {
        arbol.Limpia();
        QTreeWidgetItem* actual
            = arbol.Agrega({}, TreeView::tvwNext, QStringLiteral("A"), QStringLiteral("Consulta..."));
        for (const Fila& f : filas()) {
            const QString clave = u'A' + f.codigo;
            while (actual->parent() && clave.size() < TreeView::Clave(actual).size())
                actual = actual->parent();
            actual
                = arbol.Agrega(TreeView::Clave(actual),
                               clave.size() > TreeView::Clave(actual).size() ? TreeView::tvwChild : TreeView::tvwNext,
                               clave, f.codigo + QStringLiteral(" - ") + f.descripcion);
        }
    }
    estado.SetItemsProcessed(estado.iterations() * 100'000);
}
BENCHMARK(BM_Arbol_TreeView)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The reference: the same nodes inserted into a bare QTreeWidget, parents found by code length.
void BM_Arbol_QTreeWidget(benchmark::State& estado)
{
    Aplicacion aplicacion;
    QTreeWidget arbol;
    for (auto _ : estado) {
        arbol.clear();
        auto* raiz = new QTreeWidgetItem(&arbol, QStringList{QStringLiteral("Consulta...")});
        std::vector<std::pair<qsizetype, QTreeWidgetItem*>> pila{{0, raiz}};
        for (const Fila& f : filas()) {
            while (pila.size() > 1 && pila.back().first >= f.codigo.size())
                pila.pop_back();
            auto* nodo = new QTreeWidgetItem(pila.back().second,
                                             QStringList{f.codigo + QStringLiteral(" - ") + f.descripcion});
            pila.emplace_back(f.codigo.size(), nodo);
        }
    }
    estado.SetItemsProcessed(estado.iterations() * 100'000);
}
BENCHMARK(BM_Arbol_QTreeWidget)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace
