#pragma once
// The progress sign: a small translucent window "Procesando Datos" with three
// text lines, an animated picture and a Cancel button. It is cancelled when
// the button's caption has become "Abortado".
#include <QPointer>
#include <QString>
#include <optional>

class Lbf_CtrlDisplay;

class Dll_Display {
public:
    Dll_Display();
    ~Dll_Display();

    // Starts the animation, sets the caption and shows the sign (not modal),
    // in front of the modal window that is up, with the keyboard on Cancel.
    void CartelInicio(const QString& titulo, bool permiteCancelar);
    // Replaces the lines given, repaints, lets pending events run, and tells
    // whether the user pressed Cancel.
    void CartelMostrar(bool& cancelado, const std::optional<QString>& l1 = std::nullopt,
                       const std::optional<QString>& l2 = std::nullopt,
                       const std::optional<QString>& l3 = std::nullopt);
    // Stops the animation and drops the sign; the next start makes a new one.
    void CartelCerrar();

    // The sign window while it exists (for tests and captures).
    Lbf_CtrlDisplay* ventana() const;

private:
    Lbf_CtrlDisplay& asegurarVentana();
    // The sign may belong to the modal window it was shown over, which takes
    // it along when it is destroyed first.
    QPointer<Lbf_CtrlDisplay> ventana_;
};

// The process-wide progress sign.
Dll_Display& gDisplay();
