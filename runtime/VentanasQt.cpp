#include "runtime/VentanasQt.h"

#include "runtime/CursorPrograma.h"
#include "runtime/DialogosQt.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

// The pointer of the Qt application: its override cursors.
class CursorQt : public CursorPrograma {
public:
    [[nodiscard]] bool Visible() const override
    {
        return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    }
    void PonEspera() override { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    [[nodiscard]] bool MuestraEspera() const override
    {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        return cursor && (cursor->shape() == Qt::WaitCursor || cursor->shape() == Qt::BusyCursor);
    }
    [[nodiscard]] bool HayCursorPuesto() const override { return QGuiApplication::overrideCursor() != nullptr; }
    void Quita() override { QGuiApplication::restoreOverrideCursor(); }
};

} // namespace

void VentanasQt::instala()
{
    Dialogos::predeterminados([] { return std::make_unique<DialogosQt>(); });
    CursorPrograma::instala(std::make_unique<CursorQt>());
}
