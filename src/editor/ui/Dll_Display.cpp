#include "Dll_Display.h"
#include "ContratoErrores.h"
#include "Eventos.h"
#include "Lbf_CtrlDisplay.h"
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

Dll_Display::Dll_Display() = default;
Dll_Display::~Dll_Display() {
    if (QCoreApplication::instance() != nullptr)
        delete ventana_.data();
}

Lbf_CtrlDisplay* Dll_Display::ventana() const {
    return ventana_.data();
}

Lbf_CtrlDisplay& Dll_Display::asegurarVentana() {
    if (!ventana_)
        ventana_ = new Lbf_CtrlDisplay();
    return *ventana_;
}

void Dll_Display::CartelInicio(const QString& titulo, bool permiteCancelar) {
    IgnorandoErrores([&] {
        Lbf_CtrlDisplay& v = asegurarVentana();
        v.SobreVentanaModal();
        v.Timer1->start(100);
        v.setWindowTitle(titulo);
        v.CmdDisplayCancelar->setVisible(permiteCancelar);
        v.show();
        if (permiteCancelar)
            v.TomarTeclado();
    });
}

void Dll_Display::CartelMostrar(bool& cancelado, const std::optional<QString>& l1,
                                const std::optional<QString>& l2,
                                const std::optional<QString>& l3) {
    Lbf_CtrlDisplay& v = asegurarVentana();
    const std::optional<QString>* lineas[3] = {&l1, &l2, &l3};
    for (int i = 0; i < 3; ++i)
        if (lineas[i]->has_value())
            v.LblCtrol[i]->setText(**lineas[i]);
    v.update();
    cancelado = v.cancelado();
    DejarCorrerEventos();
    cancelado = cancelado || v.cancelado();
}

void Dll_Display::CartelCerrar() {
    IgnorandoErrores([&] {
        if (ventana_) {
            ventana_->Timer1->stop();
            ventana_->hide();
        }
        delete ventana_.data();
    });
}

Dll_Display& gDisplay() {
    static Dll_Display d;
    return d;
}
