#include "BarraEstado.h"
#include "CajaSesion.h"
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Sesion.h"
#include "TextosRecortados.h"
#include <QDate>
#include <QLabel>

namespace {
const char* const kClaves[] = {"MENSAJE", "SERVER", "BASEDEDATOS", "USUARIO",
                               "CAJA",    "FECHA",  "VERSION"};
// Shares of the bar's width, in hundredths.
constexpr int kAnchos[] = {5, 15, 15, 15, 10, 10, 30};
} // namespace

BarraEstado::BarraEstado(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (int i = 0; i < static_cast<int>(std::size(kClaves)); ++i) {
        auto* l = new EtiquetaRecortada(this);
        l->setFrameShape(QFrame::StyledPanel);
        l->setFrameShadow(QFrame::Sunken);
        // The bar shares out what it has by the panels' shares: no panel
        // reaches past its end, and a text longer than its panel is shortened.
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        addWidget(l, kAnchos[i]);
        paneles_.insert(QString::fromLatin1(kClaves[i]), l);
    }
    Panel(QStringLiteral("FECHA"))
        ->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
}

QString BarraEstado::Texto(const QString& clave) const {
    const QLabel* l = Panel(clave);
    return l != nullptr ? l->text() : QString();
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
