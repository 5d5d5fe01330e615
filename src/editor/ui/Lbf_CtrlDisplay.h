#pragma once
// The window of the progress sign.
#include <QDialog>
#include <QList>
#include <QPixmap>

class QLabel;
class QPushButton;
class QTimer;

class Lbf_CtrlDisplay : public QDialog {
    Q_OBJECT
public:
    explicit Lbf_CtrlDisplay(QWidget* parent = nullptr);

    QLabel* LblCtrol[3];
    QLabel* Image1;
    QPushButton* CmdDisplayCancelar;
    QTimer* Timer1;

    bool cancelado() const;
    // The animation frames (12 pictures drawn once).
    static const QList<QPixmap>& Cuadros();

protected:
    // A modal window (the access window, a message) blocks the sign: it hides
    // while that window is up and comes back when it closes, so it never
    // stays visible behind it.
    bool event(QEvent* e) override;

private:
    void avanzarCuadro();
    int cuadro_ = 0;
    bool ocultoPorModal_ = false;
};
