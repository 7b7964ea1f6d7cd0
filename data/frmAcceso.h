#pragma once

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The login dialog "Control de Acceso": user, password (one "*" shown for each character), database
// and server, in that field and tab order, and the database platform: "SQL Server", "ORACLE" or
// "SQLite (base local)" (then Base de Datos is the database file and Servidor is not used). Enter
// accepts, Escape cancels. It is laid out in twips as the suite drew it (1440 twips per logical
// inch) and centred on its screen when created. While it is shown, a wait cursor the program had
// put up is taken off (the person is being asked, nothing is running) and put back when it hides.
// Either button only closes it and sets Aceptar; whoever opened it reads the fields and acts on them.
class frmAcceso : public QDialog {
    Q_OBJECT
public:
    // The platform entries, in list order.
    enum Plataforma { SqlServer = 0, Oracle = 1, SQLiteLocal = 2, PostgreSQL = 3 };

    explicit frmAcceso(QWidget* parent = nullptr);
    ~frmAcceso() override;

    // True when the dialog was closed with Aceptar (Enter), false after Cancelar or Escape.
    bool Aceptar = false;

    QFrame* framAcceso = nullptr;
    QLabel* lbUsuario = nullptr;
    QLineEdit* TxtUserId = nullptr;
    QLabel* lbcontrasena = nullptr;
    QLineEdit* TxtUserPassword = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* TxtDbName = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* TxtServidor = nullptr;
    QComboBox* CboPlataformaDB = nullptr;
    QPushButton* bcAceptar = nullptr;
    QPushButton* bcCancelar = nullptr;

protected:
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    void devuelveCursor();
    void creaControles();
    void colocaControles();
    void conectaEventos();
    void centraEnPantalla();

    bool cursorQuitado_ = false;
};
