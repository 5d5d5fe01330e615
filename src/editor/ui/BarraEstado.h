#pragma once
// The status bar of the main window: message, server, database, user, cash
// box, date and version panels, found by key.
#include <QHash>
#include <QStatusBar>

class QLabel;

class BarraEstado : public QStatusBar {
    Q_OBJECT
public:
    explicit BarraEstado(QWidget* parent = nullptr);
    QLabel* Panel(const QString& clave) const { return paneles_.value(clave.toUpper()); }
    QString Texto(const QString& clave) const;

private:
    QHash<QString, QLabel*> paneles_;
};

// Writes the message panel and, the first time, fills the other panels; the
// cash box of the session is registered when it is missing.
void ConfigurarBarraEstado(BarraEstado& barra, const QString& mensaje);
