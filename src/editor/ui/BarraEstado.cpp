#include "BarraEstado.h"
#include "CajaSesion.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Sesion.h"
#include <QDate>
#include <QLabel>
#include <QResizeEvent>

namespace {
const char* const kClaves[] = {"MENSAJE", "SERVER", "BASEDEDATOS", "USUARIO",
                               "CAJA",    "FECHA",  "VERSION"};
constexpr double kAnchos[] = {0.05, 0.15, 0.15, 0.15, 0.1, 0.1, 0.3};
} // namespace

BarraEstado::BarraEstado(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (const char* c : kClaves) {
        auto* l = new QLabel(this);
        l->setFrameShape(QFrame::StyledPanel);
        l->setFrameShadow(QFrame::Sunken);
        addWidget(l);
        paneles_.insert(QString::fromLatin1(c), l);
        orden_ << l;
    }
    Panel(QStringLiteral("FECHA"))
        ->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
}

QString BarraEstado::Texto(const QString& clave) const {
    const QLabel* l = Panel(clave);
    return l != nullptr ? l->text() : QString();
}

void BarraEstado::resizeEvent(QResizeEvent* e) {
    QStatusBar::resizeEvent(e);
    for (int i = 0; i < orden_.size(); ++i)
        orden_[i]->setFixedWidth(
            std::max(10, static_cast<int>(e->size().width() * kAnchos[i]) - 4));
}

void ConfigurarBarraEstado(BarraEstado& barra, const QString& mensaje) {
    DB_Dll& db = gDB();
    Sesion& s = sesion();
    IgnorandoErrores([&] { barra.Panel(QStringLiteral("MENSAJE"))->setText(mensaje); });
    if (!barra.Texto(QStringLiteral("SERVER")).isEmpty())
        return;
    IgnorandoErrores([&] {
        barra.Panel(QStringLiteral("SERVER"))->setText(QStringLiteral("Srv: ") + db.gServidor);
    });
    IgnorandoErrores([&] {
        barra.Panel(QStringLiteral("USUARIO"))
            ->setText(QStringLiteral("Uid: ") +
                      (s.gUsuarioLogeado.isEmpty() ? db.gUsuario : s.gUsuarioLogeado));
    });
    IgnorandoErrores([&] {
        QLabel* p = barra.Panel(QStringLiteral("BASEDEDATOS"));
        p->setText(QStringLiteral("Db: ") + db.gDBName);
        p->setToolTip(p->text());
    });
    IgnorandoErrores([&] { barra.Panel(QStringLiteral("CAJA"))->setText(CajaSesion(db)); });
    IgnorandoErrores([&] {
        barra.Panel(QStringLiteral("VERSION"))
            ->setText(QStringLiteral("V.") + QStringLiteral(TARQUEL_VERSION));
    });
    for (const char* c : {"SERVER", "USUARIO", "CAJA"})
        IgnorandoErrores([&] {
            barra.Panel(QString::fromLatin1(c))->setToolTip(barra.Texto(QString::fromLatin1(c)));
        });
}
