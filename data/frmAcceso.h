#pragma once

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The login dialog "Control de Acceso": user, password (shown as "*"), database and server, in that
// field and tab order, and the database platform: "SQL Server", "ORACLE" or "SQLite (base local)"
// (then Base de Datos is the database file and Servidor is not used). Enter accepts, Escape cancels.
// It is laid out in twips as the suite drew it (1440 twips per logical inch) and centred on its
// screen when created. Either button only closes it and sets Aceptar; whoever opened it reads the
// fields and acts on them.
class frmAcceso : public QDialog {
    Q_OBJECT
public:
    // The platform entries, in list order.
    enum Plataforma { SqlServer = 0, Oracle = 1, SQLiteLocal = 2, PostgreSQL = 3 };

    explicit frmAcceso(QWidget* parent = nullptr);

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

private:
    void creaControles();
    void colocaControles();
    void conectaEventos();
    void centraEnPantalla();
};
