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
    // A modal window (the main window is shown as one) blocks every window
    // that is not its own, so the sign becomes a window of the modal window
    // in front: its Cancel button then takes the mouse and the keyboard.
    void SobreVentanaModal();
    // Activates the sign with the keyboard on Cancel: Enter or the space bar
    // press it.
    void TomarTeclado();
    // The animation frames (12 pictures drawn once).
    static const QList<QPixmap>& Cuadros();

protected:
    // A modal window (the access window, a message) blocks the sign: it hides
    // while that window is up and comes back when it closes, so it never
    // stays visible behind it.
    bool event(QEvent* e) override;
    // Esc and closing the window stand for Cancel; the sign itself stays up
    // until its owner closes it.
    void reject() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void avanzarCuadro();
    int cuadro_ = 0;
    bool ocultoPorModal_ = false;
};
