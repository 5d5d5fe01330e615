#include "VentanaBusqueda.h"
#include "BusquedaCodigo.h"
#include "PartesBusqueda.h"
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// Size of the control while it shows its result list.
constexpr int kAnchoControl = 440;
constexpr int kAltoControl = 240;
} // namespace

QList<QPair<QString, QString>> VentanaBusqueda::Tablas() {
    return {
        {QStringLiteral("Cuentas"), QStringLiteral("MA_CUENTAS")},
        {QStringLiteral("Cuentas de caja y bancos"), QStringLiteral("MA_CUENTAS_CAJAYBANCO")},
        {QStringLiteral("Unidades de negocio"), QStringLiteral("V_TA_UnidadNegocio")},
        {QStringLiteral("Tipos de comprobante"), QStringLiteral("TA_COMPROBANTES")},
        {QStringLiteral("Motivos de venta"), QStringLiteral("V_TA_MotivoVta")},
        {QStringLiteral("Motivos de compra"), QStringLiteral("V_TA_MotivoCpra")},
        {QStringLiteral("Fechas"), QStringLiteral("FECHA")},
    };
}

VentanaBusqueda::VentanaBusqueda(const QString& cadena, QWidget* padre) : QWidget(padre) {
    setWindowTitle(QStringLiteral("Búsqueda de códigos"));
    auto* formulario = new QFormLayout;
    CboTabla = new QComboBox(this);
    CboTabla->setObjectName(QStringLiteral("CboTabla"));
    for (const auto& [titulo, tabla] : Tablas())
        CboTabla->addItem(titulo, tabla);
    auto* etiqueta = new QLabel(QStringLiteral("&Tabla:"), this);
    etiqueta->setBuddy(CboTabla);
    formulario->addRow(etiqueta, CboTabla);
    LblTabla = new QLabel(this);
    formulario->addRow(QStringLiteral("Se busca en:"), LblTabla);
    LblCodigo = new QLabel(QStringLiteral("(ninguno)"), this);
    LblCodigo->setObjectName(QStringLiteral("LblCodigo"));
    LblCodigo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    formulario->addRow(QStringLiteral("Código obtenido:"), LblCodigo);

    auto* ayuda = new QLabel(
        QStringLiteral("Escriba parte de la descripción o del código. Flecha abajo pasa a la "
                       "lista; Enter o doble clic entregan el código; un clic copia la "
                       "descripción; Esc limpia. Si no hay resultados, Enter ofrece el alta. "
                       "Alt+T elige la tabla; Tab pasa al texto."),
        this);
    ayuda->setWordWrap(true);

    // The control places its own parts and, for dates, sizes itself.
    auto* zona = new QWidget(this);
    zona->setFixedSize(kAnchoControl, kAltoControl);
    Busqueda = new BusquedaCodigo(zona);
    Busqueda->setObjectName(QStringLiteral("Busqueda"));
    Busqueda->setConnString(cadena);

    auto* columna = new QVBoxLayout(this);
    columna->addLayout(formulario);
    columna->addWidget(ayuda);
    columna->addWidget(zona);
    setTabOrder(CboTabla, Busqueda->TxtBusqueda);

    connect(CboTabla, &QComboBox::currentIndexChanged, this, [this](int i) { ElegirTabla(i); });
    connect(Busqueda, &BusquedaCodigo::CodigoObtenido, this, [this] {
        LblCodigo->setText(Busqueda->Codigo.isEmpty() ? QStringLiteral("(vacío)")
                                                      : u'"' + Busqueda->Codigo + u'"');
        emit CodigoElegido(Busqueda->Codigo);
    });
    ElegirTabla(0);
    Busqueda->TxtBusqueda->setFocus();
}

void VentanaBusqueda::ElegirTabla(int indice) {
    QString tabla = CboTabla->itemData(indice).toString();
    Busqueda->Buscar.clear();
    Busqueda->TxtBusqueda->clear();
    Busqueda->resize(kAnchoControl, kAltoControl);
    const bool disponible = Busqueda->BusquedaDisponible(tabla);
    LblTabla->setText(disponible ? Busqueda->Tabla : QStringLiteral("(búsqueda no disponible)"));
}
