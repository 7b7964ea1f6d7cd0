#include "runtime/VentanasQt.h"

#include "runtime/DialogosQt.h"
#include "runtime/VentanasPrograma.h"

#include <QApplication>
#include <QCursor>

namespace {

// The windows of the Qt application: its override cursors and its top-level windows.
class VentanasQtAplicacion : public VentanasPrograma {
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
    void QuitaCursor() override
    {
        if (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }
    void CierraTodas() override
    {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()))
            QApplication::closeAllWindows();
    }
};

} // namespace

void VentanasQt::instala()
{
    Dialogos::predeterminados([] { return std::make_unique<DialogosQt>(); });
    VentanasPrograma::instala(std::make_unique<VentanasQtAplicacion>());
}
