#include "AplicarApariencia.h"
#include "AjustesApariencia.h"
#include "Configuracion.h"
#include "ContratoErrores.h"
#include "InfoSistema.h"
#include "ModUtilVexBar.h"
#include "Programa.h"
#include "SkinFramework.h"
#include "UtilVex.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTreeView>
#include <typeinfo>

namespace {

// The largest size a font can be given; a bigger value in the settings
// changes only the font name.
constexpr double kPuntosMaximos = 2048;
// Where Qt's style sheet keeps the font of a widget from before the sheet.
constexpr const char* kFuenteRecordada = "_q_styleSheetWidgetFont";

// The standard controls whose font follows the settings, and which of them
// turn flat.
enum class TipoControl {
    Otro,
    CommandButton,
    Label,
    TextBox,
    CheckBox,
    OptionButton,
    ComboBox,
    ListBox,
    SSTab,
    ListView,
    MSFlexGrid
};

TipoControl tipoDe(const QWidget* w) {
    // Subclasses before the classes they derive from.
    if (qobject_cast<const QTableView*>(w))
        return TipoControl::MSFlexGrid;
    if (qobject_cast<const QTreeView*>(w))
        return TipoControl::ListView;
    if (qobject_cast<const QListView*>(w))
        return TipoControl::ListBox;
    if (qobject_cast<const QPushButton*>(w))
        return TipoControl::CommandButton;
    if (qobject_cast<const QCheckBox*>(w))
        return TipoControl::CheckBox;
    if (qobject_cast<const QRadioButton*>(w))
        return TipoControl::OptionButton;
    if (qobject_cast<const QLabel*>(w))
        return TipoControl::Label;
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
        qobject_cast<const QPlainTextEdit*>(w))
        return TipoControl::TextBox;
    if (qobject_cast<const QComboBox*>(w))
        return TipoControl::ComboBox;
    if (qobject_cast<const QTabWidget*>(w))
        return TipoControl::SSTab;
    return TipoControl::Otro;
}

// Widgets that only hold the window's controls. The insides of any other
// widget (a button bar, a status bar, a lookup control) are its own.
bool esContenedor(const QWidget* w) {
    // The exact type: a control of its own derives from these as well.
    const std::type_info& t = typeid(*w);
    return t == typeid(QWidget) || t == typeid(QFrame) || t == typeid(QGroupBox) ||
           t == typeid(QStackedWidget) || t == typeid(QSplitter) || t == typeid(QScrollArea) ||
           t == typeid(QTabWidget);
}

// The controls of the window: what its containers hold, at any depth.
void controles(QWidget* padre, QList<QPair<QWidget*, TipoControl>>& r) {
    for (QObject* o : padre->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w == nullptr || w->isWindow())
            continue;
        const TipoControl t = tipoDe(w);
        if (t != TipoControl::Otro)
            r.append({w, t});
        if (esContenedor(w))
            controles(w, r);
    }
}

void aplicarFuente(QWidget* control, TipoControl tipo, const AjustesApariencia& a) {
    // The tabs' captions: the pages keep the font of the window.
    QWidget* w = tipo == TipoControl::SSTab ? static_cast<QTabWidget*>(control)->tabBar() : control;
    QFont f = w->font();
    const double puntos = f.pointSizeF() > 0 ? f.pointSizeF() : QFontInfo(f).pointSizeF();
    if (!TomaLaFuente(f.family(), puntos))
        return;
    if (!a.fuente.isEmpty())
        f.setFamily(a.fuente);
    if (a.tamano > 0 && a.tamano <= kPuntosMaximos)
        f.setPointSizeF(a.tamano);
    w->setFont(f);
    // Under a style sheet Qt keeps the font a widget had when first styled
    // and puts it back each time the sheet is applied again (another window's
    // load, the flat step below): the configured font is what it must keep.
    if (w->property(kFuenteRecordada).isValid())
        w->setProperty(kFuenteRecordada, f);
}

// The flat marks that the skins draw: a single-line border for text boxes and
// combo boxes, a plain face for buttons.
void aplicarPlano(QWidget* w, TipoControl tipo) {
    switch (tipo) {
    case TipoControl::TextBox:
        w->setProperty("BorderStyle", 1);
        w->setProperty("Appearance", 0);
        break;
    case TipoControl::ComboBox:
        w->setProperty("Appearance", 0);
        break;
    case TipoControl::CommandButton:
        w->setProperty("Style", 1);
        w->setProperty("Appearance", 0);
        break;
    default:
        return;
    }
    // Style sheet rules that select on these properties apply once polished again.
    w->style()->unpolish(w);
    w->style()->polish(w);
    w->update();
}

QString nombreVentana(const QWidget* ventana) {
    return ventana->objectName().isEmpty() ? QString::fromLatin1(ventana->metaObject()->className())
                                           : ventana->objectName();
}

void cargarSkin(SkinFramework& skin, QWidget* ventana, int numero) {
    const SkinElegido elegido = SkinDeNumero(numero, Programa::Carpeta());
    IgnorandoErrores([&] { skin.LoadSkin(elegido.ruta, elegido.ajustes); });
    IgnorandoErrores(
        [&] { skin.SetApplyOptions(skin.ApplyOptions() | SkinFramework::kAplicarMetricas); });
    IgnorandoErrores([&] { skin.ApplyWindow(ventana); });
}

} // namespace

void AplicarApariencia(QWidget* ventana, bool estiloPlano) {
    if (ventana == nullptr)
        return;
    AjustesApariencia a;
    IgnorandoErrores([&] { a = LeerAjustesApariencia(); });
    if (auto* skin = ventana->findChild<SkinFramework*>(QStringLiteral("SkinFramework1"),
                                                        Qt::FindDirectChildrenOnly))
        cargarSkin(*skin, ventana, a.skin);
    if (!VentanaConControlesPropios(nombreVentana(ventana), Programa::NombreEjecutable())) {
        QList<QPair<QWidget*, TipoControl>> lista;
        controles(ventana, lista);
        for (const auto& [control, tipo] : lista) {
            IgnorandoErrores([&] { aplicarFuente(control, tipo, a); });
            if (estiloPlano)
                IgnorandoErrores([&] { aplicarPlano(control, tipo); });
        }
    }
    // The explicit colour style decides the bar's final colours.
    const int estilo = ModUtilVexBar::MapearEstilo(a.skin);
    for (UtilVex* barra : ventana->findChildren<UtilVex*>()) {
        IgnorandoErrores([&] { barra->SetTheme(estilo); });
        IgnorandoErrores([&] { barra->ApplyColorStyle(estilo); });
    }
}

void AplicarSkinPrograma(const QString& baseDatos) {
    AjustesApariencia a;
    IgnorandoErrores(
        [&] { a = LeerAjustesApariencia(ArchivoIni(), InfoSistema::UsuarioWindows(), baseDatos); });
    SkinFramework skin;
    cargarSkin(skin, nullptr, a.skin);
}
