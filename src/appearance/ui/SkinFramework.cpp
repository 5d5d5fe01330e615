#include "SkinFramework.h"
#include <QApplication>
#include <QWidget>

namespace {
// The program's look before its first skin, kept to put it back.
struct LookOriginal {
    bool guardado = false;
    QPalette paleta;
    QString hoja;
};
LookOriginal& original() {
    static LookOriginal o;
    return o;
}
} // namespace

SkinFramework::SkinFramework(QObject* parent) : QObject(parent) {}

bool SkinFramework::LoadSkin(const QString& ruta, const QString& ajustes) {
    std::optional<Skin> s = LeerSkin(ruta, ajustes);
    if (!s)
        return false;
    skin_ = std::move(s);
    return true;
}

void SkinFramework::ApplyWindow(QWidget*) {
    if (!skin_ || qApp == nullptr)
        return;
    LookOriginal& o = original();
    if (!o.guardado) {
        o.paleta = QApplication::palette();
        o.hoja = qApp->styleSheet();
        o.guardado = true;
    }
    // Each change styles every widget of the program again: only what changed.
    if (QApplication::palette() != skin_->paleta)
        QApplication::setPalette(skin_->paleta);
    const QString hoja = (opciones_ & kAplicarMetricas) != 0 ? skin_->hoja : o.hoja;
    if (qApp->styleSheet() != hoja)
        qApp->setStyleSheet(hoja);
}

void RestablecerSkinPrograma() {
    LookOriginal& o = original();
    if (!o.guardado || qApp == nullptr)
        return;
    qApp->setStyleSheet(o.hoja);
    QApplication::setPalette(o.paleta);
    o = LookOriginal();
}
