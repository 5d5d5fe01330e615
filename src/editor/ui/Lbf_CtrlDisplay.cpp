#include "Lbf_CtrlDisplay.h"
#include "Geometria.h"
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>

const QList<QPixmap>& Lbf_CtrlDisplay::Cuadros() {
    static const QList<QPixmap> cuadros = [] {
        // A ring of twelve dots; each frame lights the next one.
        QList<QPixmap> r;
        for (int f = 0; f < 12; ++f) {
            QPixmap p(32, 32);
            p.fill(Qt::transparent);
            QPainter g(&p);
            g.setRenderHint(QPainter::Antialiasing);
            for (int i = 0; i < 12; ++i) {
                const double a = i * M_PI / 6.0;
                const int distancia = (i - f + 12) % 12;
                QColor c(20, 78, 170);
                c.setAlpha(255 - distancia * 18);
                g.setBrush(c);
                g.setPen(Qt::NoPen);
                g.drawEllipse(QPointF(16 + 11 * std::sin(a), 16 - 11 * std::cos(a)), 2.6, 2.6);
            }
            r << p;
        }
        return r;
    }();
    return cuadros;
}

Lbf_CtrlDisplay::Lbf_CtrlDisplay(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Procesando Datos"));
    setFixedSize(APixeles(7845), APixeles(2790));
    setStyleSheet(QStringLiteral("background: white;"));
    QFont negrita(QStringLiteral("MS Sans Serif"));
    negrita.setBold(true);
    const int tops[3] = {120, 480, 840};
    for (int i = 0; i < 3; ++i) {
        LblCtrol[i] = new QLabel(this);
        LblCtrol[i]->setAlignment(Qt::AlignCenter);
        LblCtrol[i]->setFont(negrita);
        LblCtrol[i]->setGeometry(RectTwips(0, tops[i], 7815, 290));
    }
    Image1 = new QLabel(this);
    Image1->setGeometry(RectTwips(3480, 1320, 480, 480));
    Image1->setPixmap(Cuadros().first());
    CmdDisplayCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    CmdDisplayCancelar->setGeometry(RectTwips(3120, 2400, 1695, 375));
    CmdDisplayCancelar->setStyleSheet(QString());
    CmdDisplayCancelar->setDefault(true);
    connect(CmdDisplayCancelar, &QPushButton::clicked, this,
            [this] { CmdDisplayCancelar->setText(QStringLiteral("Abortado")); });
    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &Lbf_CtrlDisplay::avanzarCuadro);
    // Centred on the screen, and 200/255 opaque.
    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        const QRect r = pantalla->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    setWindowOpacity(200.0 / 255.0);
}

bool Lbf_CtrlDisplay::cancelado() const {
    return CmdDisplayCancelar->text() == QLatin1String("Abortado");
}

bool Lbf_CtrlDisplay::event(QEvent* e) {
    if (e->type() == QEvent::WindowBlocked && isVisible()) {
        ocultoPorModal_ = true;
        hide();
    } else if (e->type() == QEvent::WindowUnblocked && ocultoPorModal_) {
        ocultoPorModal_ = false;
        show();
    }
    return QDialog::event(e);
}

void Lbf_CtrlDisplay::SobreVentanaModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this || modal == parentWidget())
        return;
    const QPoint posicion = pos();
    setParent(modal, windowFlags());
    move(posicion);
}

void Lbf_CtrlDisplay::TomarTeclado() {
    raise();
    activateWindow();
    CmdDisplayCancelar->setFocus(Qt::ActiveWindowFocusReason);
}

void Lbf_CtrlDisplay::reject() {
    if (CmdDisplayCancelar->isVisible())
        CmdDisplayCancelar->click();
}

void Lbf_CtrlDisplay::closeEvent(QCloseEvent* e) {
    e->ignore();
    reject();
}

void Lbf_CtrlDisplay::avanzarCuadro() {
    ++cuadro_;
    Image1->setPixmap(Cuadros()[cuadro_ % 12]);
    if (cuadro_ >= 12)
        cuadro_ = 0;
}
