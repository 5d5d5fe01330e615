#include "FrmTarquel.h"
#include "AplicarApariencia.h"
#include "BarraEstado.h"
#include "CajaProgreso.h"
#include "CambiosEnPantalla.h"
#include "CargaAsientos.h"
#include "Configuracion.h"
#include "ConsultaEntidad.h"
#include "ContratoErrores.h"
#include "DesdeComanda.h"
#include "DialogoConsulta.h"
#include "Dialogos.h"
#include "DisposicionVentana.h"
#include "Dll_Display.h"
#include "EdicionGrilla.h"
#include "Eventos.h"
#include "FiltroAsientos.h"
#include "Geometria.h"
#include "HistorialCambios.h"
#include "LanzadorProgramas.h"
#include "ModeloAsientos.h"
#include "PlanillaControl.h"
#include "Programa.h"
#include "ReemplazoCuenta.h"
#include "Sesion.h"
#include "SkinFramework.h"
#include "TeclasBarra.h"
#include "TextoTecleado.h"
#include "TextosRecortados.h"
#include "Totales.h"
#include "UtilControles.h"
#include "UtilGeneral.h"
#include "UtilVex.h"
#include "ValidacionCuentas.h"
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QTimer>

namespace {
// The grid column widths in twips (0 hides the column, -1 keeps the default).
constexpr int kAnchos[] = {800, 2000, 5000, 1300, 1300, 0, -1, -1, -1, -1, -1, -1, 5000, 4000};
// The grid's top and the room at its right, in twips.
constexpr int kArribaGrilla = 2160;
constexpr int kMargenGrilla = 150;

struct DefinicionCampo {
    const char* campo;
    const char* etiqueta;
    const char* tag;
    int largo;
    bool enReemplazo;
    int x, y, ancho; // twips inside its frame
    int xEtiqueta;
};
// The parameter fields in tab order.
constexpr DefinicionCampo kCampos[] = {
    {"CuentaDesde", "Cuenta....:", "MA_CUENTAS", 15, false, 960, 240, 1200, 120},
    {"CuentaHasta", "Hasta", "MA_CUENTAS", 15, false, 2700, 240, 1200, 2220},
    {"ContieneCuenta", "Contiene Cuenta", "MA_CUENTAS", 15, false, 5100, 240, 1200, 3960},
    {"UNEGOCIO", "UNeg:", "V_TA_UNIDADNEGOCIO", 4, false, 6840, 240, 660, 6360},
    {"FechaDesde", "Fecha.....: ", "FECHA", 10, false, 960, 540, 1200, 120},
    {"FechaHasta", "Hasta", "FECHA", 10, false, 2700, 540, 1200, 2220},
    {"USUARIO", "Usuario", "TA_USUARIOS", 50, false, 5100, 540, 2400, 3960},
    {"TC", "Cpte.", "Vt_TA_CPTE", 4, false, 960, 840, 600, 120},
    {"SUCURSAL", "Numero", "", 4, false, 2280, 840, 600, 1680},
    {"NUMERO", nullptr, "", 8, false, 2940, 840, 1020, 0},
    {"LETRA", nullptr, "", 1, false, 4020, 840, 360, 0},
    {"CTAORIGEN", "Origen", "MA_CUENTAS", 15, true, 840, 240, 1215, 120},
    {"CTADESTINO", "Destino", "MA_CUENTAS", 15, true, 840, 540, 1215, 120},
};

// Control characters typed, pasted or written into a field leave it at once,
// so none can reach a statement.
void sinCaracteresDeControl(QLineEdit* campo) {
    QObject::connect(campo, &QLineEdit::textChanged, campo, [campo](const QString& texto) {
        const QString limpio = SinCaracteresDeControl(texto);
        if (limpio.size() == texto.size())
            return;
        const int cursor = campo->cursorPosition();
        const qsizetype antes = cursor - SinCaracteresDeControl(texto.left(cursor)).size();
        campo->setText(limpio);
        campo->setCursorPosition(static_cast<int>(cursor - antes));
    });
}

QString color(std::uint32_t rgb) {
    return Colores::AQColor(rgb).name();
}

// The progress sign and the bar of Picture1, as the load shows them.
class AvanceVentana : public AvanceCarga {
public:
    explicit AvanceVentana(CajaProgreso& caja) : caja_(caja) {}
    void Iniciar(const QString& titulo) override { gDisplay().CartelInicio(titulo, true); }
    bool Mostrar(const QString& l1, const QString& l2, const QString& l3) override {
        bool cancelado = false;
        gDisplay().CartelMostrar(cancelado, l1, l2, l3);
        return cancelado;
    }
    void Cerrar() override { gDisplay().CartelCerrar(); }
    void Porcentaje(int p) override {
        DibujarProgreso(caja_, QString::number(p), Colores::Azul, QString());
    }
    void LimpiarPorcentaje() override { caja_.Limpiar(); }

private:
    CajaProgreso& caja_;
};
} // namespace

FrmTarquel::FrmTarquel(QWidget* parent)
    : QDialog(parent), modelo_(new ModeloAsientos(this)),
      historial_(std::make_unique<HistorialCambios>()) {
    setWindowTitle(QStringLiteral("Modificación de Imputación de Asientos"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    QFont fuente = font();
    fuente.setPointSize(8);
    setFont(fuente);
    resize(APixeles(12900), APixeles(6435));

    UtilVex1 = new UtilVex(this);
    UtilVex1->setGeometry(RectTwips(0, 0, 7335, 975));
    Frame1 = new QGroupBox(QStringLiteral("PARAMETROS DE CONSULTA"), this);
    Frame1->setGeometry(RectTwips(0, 960, 7695, 1170));
    FrmReemplazo = new QGroupBox(QStringLiteral("Reemplazar Cuenta"), this);
    FrmReemplazo->setGeometry(RectTwips(7680, 960, 2175, 1215));
    CmdReemplazar = new QPushButton(QStringLiteral("Reemplazar"), FrmReemplazo);
    CmdReemplazar->setGeometry(RectTwips(720, 840, 1335, 255));
    ChkDatosCabecera = new QCheckBox(QStringLiteral("&Obtener datos de la cuenta principal"), this);
    ChkDatosCabecera->setGeometry(RectTwips(7440, 480, 3375, 375));
    CmdEjecutar = new QPushButton(QStringLiteral("&Ejecutar >>>"), Frame1);
    CmdEjecutar->setGeometry(RectTwips(4680, 840, 1335, 255));
    Picture1 = new CajaProgreso(this);
    Picture1->setGeometry(RectTwips(7440, 0, 2355, 300));
    PicRegla = new QWidget(this);
    PicRegla->setGeometry(RectTwips(0, 2640, 9705, 60));
    PicRegla->hide();
    MSFlexGrid1 = new QTableView(this);
    MSFlexGrid1->setGeometry(RectTwips(0, kArribaGrilla, 9855, 3855));
    MSFlexGrid1->setModel(modelo_);
    MSFlexGrid1->setItemDelegate(new DelegadoCeldaAngosta(MSFlexGrid1));
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(APixeles(240));
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setWordWrap(false);
    MSFlexGrid1->setTabKeyNavigation(false); // Tab leaves the grid, as it leaves any field
    LblSuma = new QLabel(QStringLiteral("Debe:"), this);
    // Room for a fourth line, when the totals count amounts changed on screen.
    LblSuma->setGeometry(RectTwips(9960, 1080, 2655, 975));
    LblSuma->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblSuma->setFont(QFont(QStringLiteral("Calibri"), 9));
    LblSuma->setAutoFillBackground(true);
    sbStatusBar = new BarraEstado(this);
    (new SkinFramework(this))->setObjectName(QStringLiteral("SkinFramework1"));
    TxtEdit = new QLineEdit(MSFlexGrid1->viewport());
    TxtEdit->setObjectName(QStringLiteral("TxtEdit"));
    TxtEdit->hide();
    TxtEdit->setFocusPolicy(Qt::ClickFocus);
    TxtEdit->installEventFilter(this);
    sinCaracteresDeControl(TxtEdit);
    MSFlexGrid1->installEventFilter(this);
    MSFlexGrid1->viewport()->installEventFilter(this);
    CmdEjecutar->setAutoDefault(false);
    CmdReemplazar->setAutoDefault(false);
    crearCampos();

    connect(CmdEjecutar, &QPushButton::clicked, this, &FrmTarquel::CmdEjecutar_Click);
    connect(CmdReemplazar, &QPushButton::clicked, this, &FrmTarquel::CmdReemplazar_Click);
    connect(MSFlexGrid1, &QTableView::doubleClicked, this, [this] { MsflexGridEdt(QChar(32)); });
    connect(MSFlexGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex&, const QModelIndex& anterior) {
                if (TxtEdit->isVisible() && anterior.isValid()) {
                    // Leaving the cell keeps the typed text in it, unwritten.
                    modelo_->FijarTexto(anterior.row() + 1, anterior.column(), TxtEdit->text());
                    TxtEdit->hide();
                }
                CampoActual = TxtEdit;
                colocarRegla();
                const ConfigEditor c = TextPropiedades(*modelo_, FilaActual(), ColumnaActual());
                UtilVex1->FijarPropiedad(QStringLiteral("ConsultaEnabled"),
                                         !c.tag.trimmed().isEmpty());
            });
    connect(UtilVex1, &UtilVex::click, this, &FrmTarquel::UtilVex1_click);
    // A text field keeps these keys for its own typing.
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this,
            &FrmTarquel::Deshacer);
    for (const QKeySequence& tecla :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        connect(new QShortcut(tecla, this), &QShortcut::activated, this, &FrmTarquel::Rehacer);
    // The ruler follows the row wherever the grid moves or changes.
    PicRegla->setStyleSheet(QStringLiteral("background: navy;"));
    for (QScrollBar* barra : {MSFlexGrid1->verticalScrollBar(), MSFlexGrid1->horizontalScrollBar()})
        connect(barra, &QScrollBar::valueChanged, this, &FrmTarquel::colocarRegla);
    connect(MSFlexGrid1->horizontalHeader(), &QHeaderView::sectionResized, this,
            &FrmTarquel::colocarRegla);
    connect(modelo_, &QAbstractItemModel::modelReset, this, &FrmTarquel::colocarRegla);
    connect(modelo_, &QAbstractItemModel::layoutChanged, this, &FrmTarquel::colocarRegla);
    connect(MSFlexGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int columna) {
                if (rechazarDuranteCarga())
                    return;
                modelo_->Ordenar(columna);
                MSFlexGrid1->setCurrentIndex(modelo_->index(0, columna));
            });
    Form_Load();
    fijarTamanoMinimo();
}

FrmTarquel::~FrmTarquel() = default;

void FrmTarquel::crearCampos() {
    for (const DefinicionCampo& d : kCampos) {
        QWidget* marco =
            d.enReemplazo ? static_cast<QWidget*>(FrmReemplazo) : static_cast<QWidget*>(Frame1);
        if (d.etiqueta != nullptr) {
            auto* l = new EtiquetaRecortada(QString::fromUtf8(d.etiqueta), marco);
            QFont chica = l->font();
            chica.setPointSizeF(7); // the captions fit the frame with the workstation's fonts
            l->setFont(chica);
            l->setGeometry(RectTwips(d.xEtiqueta, d.y, d.x - d.xEtiqueta - 30, 255));
        }
        auto* t = new QLineEdit(marco);
        t->setObjectName(QString::fromLatin1(d.campo));
        t->setProperty("DataField", QString::fromLatin1(d.campo));
        t->setProperty("Tag", QString::fromLatin1(d.tag));
        t->setMaxLength(d.largo);
        t->setGeometry(RectTwips(d.x, d.y, d.ancho, 255));
        t->installEventFilter(this);
        sinCaracteresDeControl(t);
        if (QString::fromLatin1(d.campo) == QLatin1String("ContieneCuenta"))
            t->setToolTip(QStringLiteral("Asientos con la cuenta"));
        campos_ << t;
    }
    // Tab order: the query fields, "Ejecutar", the principal-account box, the
    // grid, then the replacement's fields and its button.
    QList<QWidget*> orden;
    for (QLineEdit* t : campos_)
        if (t->parentWidget() == Frame1)
            orden << t;
    orden << CmdEjecutar << ChkDatosCabecera << MSFlexGrid1;
    for (QLineEdit* t : campos_)
        if (t->parentWidget() == FrmReemplazo)
            orden << t;
    orden << CmdReemplazar;
    for (int i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
}

QLineEdit* FrmTarquel::TxtFields(const QString& campo) const {
    for (QLineEdit* t : campos_)
        if (t->property("DataField").toString().compare(campo.trimmed(), Qt::CaseInsensitive) == 0)
            return t;
    return nullptr;
}

void FrmTarquel::Form_Load() {
    AplicarApariencia(this, true);
    IgnorandoErrores([&] { ConfigurarBarraEstado(*sbStatusBar, QString()); });
    IgnorandoErrores([&] {
        // The window icon: the program's resource, else "quindar.ico" of the working folder.
        QIcon icono(QStringLiteral(":/ICONQUINDAR"));
        if (icono.isNull())
            icono = QIcon(QStringLiteral("quindar.ico"));
        if (!icono.isNull())
            setWindowIcon(icono);
    });
    InicializaGrids();
    for (const auto& [propiedad, valor] :
         std::initializer_list<std::pair<const char*, bool>>{{"NuevoEnabled", false},
                                                             {"BorrarEnabled", false},
                                                             {"GrabarEnabled", true},
                                                             {"CerrarEnabled", true},
                                                             {"CancelarEnabled", true},
                                                             {"ConsultaEnabled", true},
                                                             {"PlanillaEnabled", false},
                                                             {"ReporteEnabled", true}})
        UtilVex1->FijarPropiedad(QString::fromLatin1(propiedad), valor);
    QString& adicional = sesion().gParametroAdicional;
    if (const std::optional<ComprobanteComanda> c = LeerDesdeComanda(adicional)) {
        setWindowState(Qt::WindowNoState);
        TxtFields(QStringLiteral("TC"))->setText(c->tc);
        TxtFields(QStringLiteral("SUCURSAL"))->setText(c->sucursal);
        TxtFields(QStringLiteral("NUMERO"))->setText(c->numero);
        TxtFields(QStringLiteral("LETRA"))->setText(c->letra);
        CmdEjecutar_Click();
        MSFlexGrid1->setFocus();
    }
}

void FrmTarquel::InicializaGrids() {
    TxtEdit->hide();
    ContratoErrores c([](const ErrorVB& e) {
        return UtilGeneral::DialogoError(e, 18, QStringLiteral("InicializaGrids"));
    });
    c.paso([&] {
        const bool cabecera = ChkDatosCabecera->isChecked();
        modelo_->Inicializar(cabecera);
        for (int i = 0; i < modelo_->Columnas(); ++i) {
            // The key column and the spare columns past the last title have no width.
            const int ancho = i < static_cast<int>(std::size(kAnchos)) ? kAnchos[i] : 0;
            const bool oculta = DisposicionVentana::ColumnaSobrante(i, cabecera) || ancho == 0;
            MSFlexGrid1->setColumnHidden(i, oculta);
            if (!oculta && ancho > 0)
                MSFlexGrid1->setColumnWidth(i, APixeles(ancho));
        }
    });
}

bool FrmTarquel::rechazarDuranteCarga() {
    if (!cargando_)
        return false;
    ConfigurarBarraEstado(*sbStatusBar,
                          escribiendoPlanilla_
                              ? QStringLiteral("Espere a que termine la planilla de control")
                              : QStringLiteral("Espere a que termine la carga de asientos"));
    return true;
}

void FrmTarquel::MostrarTotales(const TotalesDH& t) {
    LblSuma->setText(QString(t.texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    LblSuma->setToolTip(t.incluyeCambios ? CambiosEnPantalla::AvisoTotales() : QString());
    QPalette p = LblSuma->palette();
    // The program's button colour: a skin may paint the window itself with a
    // gradient, which has no single colour.
    p.setColor(QPalette::Window, t.hayDiferencia ? Colores::AQColor(Colores::Rojo)
                                                 : QApplication::palette().color(QPalette::Button));
    p.setColor(QPalette::WindowText, t.hayDiferencia ? Qt::white : Qt::black);
    LblSuma->setPalette(p);
    LblSuma->repaint();
}

bool FrmTarquel::rechazarFechaInvalida() {
    const QString nombre = CampoConFechaInvalida(parametros());
    if (nombre.isEmpty())
        return false;
    dialogos().Mensaje(QString::fromUtf8(kFechaInvalida), EstilosMensaje::Informacion,
                       QStringLiteral("Aviso al Operador..."));
    TxtFields(nombre)->setFocus();
    return true;
}

void FrmTarquel::CmdEjecutar_Click() {
    if (rechazarDuranteCarga() || rechazarFechaInvalida())
        return;
    cargando_ = true;
    IgnorandoErrores([&] {
        const ParametrosConsulta p = parametros();
        InicializaGrids();
        AvanceVentana avance(*Picture1);
        CargaAsientos carga(*modelo_, avance);
        const ResultadoCarga r =
            carga.CargarAsientos(p, [this] { return ChkDatosCabecera->isChecked(); });
        if (r.conTotales)
            MostrarTotales(r.totales);
    });
    cargando_ = false;
    activateWindow(); // the progress sign had the keyboard
    MSFlexGrid1->setFocus();
}

ParametrosConsulta FrmTarquel::parametros() const {
    ParametrosConsulta p;
    auto texto = [&](const char* campo) { return TxtFields(QString::fromLatin1(campo))->text(); };
    p.fechaDesde = texto("FechaDesde");
    p.fechaHasta = texto("FechaHasta");
    p.cuentaDesde = texto("CuentaDesde");
    p.cuentaHasta = texto("CuentaHasta");
    p.contieneCuenta = texto("ContieneCuenta");
    p.usuario = texto("USUARIO");
    p.tc = texto("TC");
    p.sucursal = texto("SUCURSAL");
    p.numero = texto("NUMERO");
    p.letra = texto("LETRA");
    p.unegocio = texto("UNEGOCIO");
    return p;
}

void FrmTarquel::CmdReemplazar_Click() {
    if (rechazarDuranteCarga() || rechazarFechaInvalida())
        return;
    ReemplazarCuenta(parametros(), TxtFields(QStringLiteral("CTAORIGEN"))->text(),
                     TxtFields(QStringLiteral("CTADESTINO"))->text(), *modelo_, *historial_,
                     [this](const QString& texto) {
                         Picture1->show();
                         DibujarProgreso(*Picture1, QString(), Colores::Azul, texto);
                     });
}

QString FrmTarquel::buscarCuenta(const QString& actual) {
    const QString condicion = QStringLiteral("TITULO = 0");
    if (LeerCfg(QStringLiteral("UsaConsultaLike"))
            .trimmed()
            .compare(QStringLiteral("SI"), Qt::CaseInsensitive) != 0) {
        DialogoConsulta& d = gDialogoConsulta();
        d.CampoDevuelto = QStringLiteral("CODIGO");
        d.Mostrar(QStringLiteral("MA_CUENTAS"), condicion);
        return d.ValorElegido();
    }
    // The configurable search; without a search shown the field keeps its text.
    QString r = actual;
    ArmarConsultaEntidad(QStringLiteral("MA_CUENTAS"), condicion, r,
                         [](const QString& clave) { return LeerCfg(clave); });
    return r;
}

void FrmTarquel::CmdConsultar() {
    auto* campo = qobject_cast<QLineEdit*>(CampoActual);
    if (campo == nullptr)
        return;
    const QString tag = campo->property("Tag").toString().trimmed();
    if (tag.isEmpty())
        return;
    DialogoConsulta& d = gDialogoConsulta();
    auto buscar = [&](const char* columna, const char* tabla, const QString& condicion) {
        d.CampoDevuelto = QString::fromLatin1(columna);
        d.Mostrar(QString::fromLatin1(tabla), condicion);
        return d.ValorElegido();
    };
    QString r;
    const bool esFecha = tag.compare(QStringLiteral("FECHA"), Qt::CaseInsensitive) == 0;
    if (esFecha)
        r = UtilGeneral::Calendario(campo->text());
    else if (tag.compare(QStringLiteral("MA_CUENTAS"), Qt::CaseInsensitive) == 0)
        r = buscarCuenta(campo->text());
    else if (tag.compare(QStringLiteral("TA_USUARIOS"), Qt::CaseInsensitive) == 0)
        r = buscar("NOMBRE", "TA_USUARIOS", QString());
    else if (tag.compare(QStringLiteral("VT_TA_CPTE"), Qt::CaseInsensitive) == 0)
        r = buscar("CODIGO", "VT_TA_CPTE", QString());
    else if (tag.compare(QStringLiteral("V_TA_UNIDADNEGOCIO"), Qt::CaseInsensitive) == 0)
        r = buscar("CODIGO", "V_TA_UNIDADNEGOCIO", QString()).trimmed();
    campo->setText(esFecha ? r : r.trimmed());
    if (campo == TxtEdit) {
        TxtEdit->show();
        TxtEdit->setFocus();
        confirmarEditor();
        return;
    }
    teclaEnCampo(campo, 13);
}

void FrmTarquel::ValidarCampo(QLineEdit* campo) {
    ErrorValidacion = false;
    CamposConsulta campos{[this](const QString& n) {
                              QLineEdit* t = TxtFields(n);
                              return t != nullptr ? t->text() : QString();
                          },
                          [this](const QString& n, const QString& v) {
                              if (QLineEdit* t = TxtFields(n))
                                  t->setText(v);
                          }};
    const QString rechazo = ValidarCampoConsulta(campo->property("DataField").toString(), campos);
    if (!rechazo.isEmpty()) {
        ErrorValidacion = true;
        dialogos().Mensaje(rechazo, EstilosMensaje::Informacion,
                           QStringLiteral("Aviso al Operador..."));
        campo->setFocus();
    }
}

void FrmTarquel::teclaEnCampo(QLineEdit* campo, int codigo) {
    if (!UtilControles::EsTeclaConfirmar(codigo))
        return;
    ValidarCampo(campo);
    if (!ErrorValidacion)
        UtilControles::AvanzarFoco(campo, codigo);
}

void FrmTarquel::campoConFoco(QLineEdit* campo) {
    CampoActual = campo;
    campo->setCursorPosition(0);
    campo->setSelection(0, static_cast<int>(campo->text().trimmed().size()));
    UtilVex1->FijarPropiedad(QStringLiteral("ConsultaEnabled"),
                             !campo->property("Tag").toString().trimmed().isEmpty());
    campo->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; }")
                             .arg(color(sesion().gColorFondo), color(sesion().gColorLetra)));
}

void FrmTarquel::campoSinFoco(QLineEdit* campo) {
    campo->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black; }"));
}

bool FrmTarquel::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == MSFlexGrid1) {
        if (evento->type() == QEvent::FocusIn) {
            cerrarEditor();
        } else if (evento->type() == QEvent::KeyPress) {
            auto* tecla = static_cast<QKeyEvent*>(evento);
            if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
                MsflexGridEdt(QChar(13));
                return true;
            }
            if (!tecla->text().isEmpty() && tecla->text().front().isPrint()) {
                MsflexGridEdt(tecla->text().front());
                return true;
            }
        }
        return QDialog::eventFilter(objeto, evento);
    }
    if (objeto == MSFlexGrid1->viewport() && evento->type() == QEvent::ToolTip)
        return MostrarCeldaRecortada(*MSFlexGrid1, *static_cast<QHelpEvent*>(evento));
    if (objeto == MSFlexGrid1->viewport() && evento->type() == QEvent::Resize)
        colocarRegla(); // a scroll bar came or went
    if (objeto == MSFlexGrid1->viewport() && evento->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::RightButton) {
        auto* raton = static_cast<QMouseEvent*>(evento);
        const QModelIndex i = MSFlexGrid1->indexAt(raton->position().toPoint());
        if (i.isValid())
            MSFlexGrid1->setCurrentIndex(i);
        MenuGrilla(FilaActual(), raton->globalPosition().toPoint());
        return true;
    }
    if (objeto == TxtEdit) {
        if (evento->type() == QEvent::FocusIn)
            CampoActual = TxtEdit;
        if (evento->type() == QEvent::KeyPress) {
            auto* tecla = static_cast<QKeyEvent*>(evento);
            if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
                confirmarEditor();
                return true;
            }
            // Esc abandons the cell only; the window's Cancel is not for it.
            if (tecla->key() == Qt::Key_Escape) {
                EditKeyCode(27);
                return true;
            }
            // Tab leaves the cell as the mouse does (the text stays in it,
            // unwritten) and goes on from the grid in the tab order.
            if (tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab) {
                MSFlexGrid1->setFocus(Qt::TabFocusReason);
                const bool adelante =
                    tecla->key() == Qt::Key_Tab && !tecla->modifiers().testFlag(Qt::ShiftModifier);
                if (QWidget* siguiente = UtilControles::SiguienteConFoco(MSFlexGrid1, adelante))
                    siguiente->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        return QDialog::eventFilter(objeto, evento);
    }
    auto* campo = qobject_cast<QLineEdit*>(objeto);
    if (campo == nullptr || !campos_.contains(campo))
        return QDialog::eventFilter(objeto, evento);
    switch (evento->type()) {
    case QEvent::FocusIn:
        campoConFoco(campo);
        break;
    case QEvent::FocusOut:
        campoSinFoco(campo);
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(evento)->button() == Qt::RightButton) {
            CampoActual = campo;
            CmdConsultar();
            return true;
        }
        break;
    case QEvent::ContextMenu:
        return true; // the right button searches instead
    case QEvent::KeyPress: {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
            teclaEnCampo(campo, 13);
            return true;
        }
        if (UtilControles::EsTextoTecleado(*tecla) &&
            UtilControles::FiltrarTecla(tecla->text().front()).isNull())
            return true;
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(objeto, evento);
}

void FrmTarquel::UtilVex1_click(const QString& texto) {
    if (rechazarDuranteCarga())
        return;
    QString t = texto.toUpper();
    if (t == QLatin1String("CANCELAR") && modelo_->Titulo(0).trimmed().isEmpty())
        t = QStringLiteral("CERRAR");
    if (t == QLatin1String("CERRAR")) {
        close();
    } else if (t == QLatin1String("CANCELAR")) {
        InicializaGrids();
    } else if (t == QLatin1String("GRABAR")) {
        dialogos().Mensaje(CambiosEnPantalla::MensajeGrabar(modelo_->HayImportesCambiados()),
                           EstilosMensaje::SoloAceptar, QString());
    } else if (t == QLatin1String("CONSULTAR")) {
        CmdConsultar();
    } else if (t == QLatin1String("REPORTE")) {
        // The sheet lets events run under its sign, and reads the grid from
        // more than one thread: nothing may change the grid meanwhile. Text
        // typed in a cell stays in it, as leaving the cell keeps it, and is
        // in the sheet; with the editor closed, moving about the grid changes
        // nothing.
        cerrarEditor();
        cargando_ = escribiendoPlanilla_ = true;
        IgnorandoErrores([&] {
            AvanceVentana avance(*Picture1);
            ReportePlanilla(*modelo_, &avance);
        });
        cargando_ = escribiendoPlanilla_ = false;
    }
}

void FrmTarquel::keyPressEvent(QKeyEvent* e) {
    int codigo = CodigoTecla(e->key());
    UtilVex1->KeyAnalisis(codigo);
    if (e->key() == Qt::Key_Escape)
        return; // Esc is the bar's Cancel, not the dialog's
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // Enter that no field took: a button is pressed, anything else moves on.
        QWidget* foco = focusWidget();
        if (auto* boton = qobject_cast<QPushButton*>(foco))
            boton->click();
        else
            UtilControles::AvanzarFoco(foco, 13);
        return;
    }
    QDialog::keyPressEvent(e);
}

void FrmTarquel::reject() {}

void FrmTarquel::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    IgnorandoErrores([&] {
        // The grid fills the window down to the status bar.
        const int barra = altoBarraEstado();
        MSFlexGrid1->setGeometry(DisposicionVentana::Grilla(size(), APixeles(kArribaGrilla),
                                                            APixeles(kMargenGrilla), barra));
        sbStatusBar->setGeometry(0, height() - barra, width(), barra);
        colocarRegla();
    });
    // A window system that does not honour the minimum size (no window
    // manager, a tool that resizes windows) is asked once for it again; one
    // that insists keeps its size.
    const QSize minimo = minimumSize();
    if (width() >= minimo.width() && height() >= minimo.height()) {
        tamanoRechazado_ = QSize();
    } else if (size() != tamanoRechazado_) {
        tamanoRechazado_ = size();
        QTimer::singleShot(0, this, [this] { resize(size().expandedTo(minimumSize())); });
    }
}

int FrmTarquel::altoBarraEstado() const {
    return std::max(APixeles(255) + 4, sbStatusBar->sizeHint().height());
}

void FrmTarquel::fijarTamanoMinimo() {
    // The box has room to its right for its whole caption in the program's font.
    ChkDatosCabecera->resize(
        std::max(ChkDatosCabecera->width(), ChkDatosCabecera->sizeHint().width()),
        ChkDatosCabecera->height());
    // Every control above the grid, a grid with its titles, three rows and
    // its scroll bar, and the status bar.
    QRect fijos;
    for (QWidget* w : std::initializer_list<QWidget*>{UtilVex1, Frame1, FrmReemplazo,
                                                      ChkDatosCabecera, Picture1, LblSuma})
        fijos |= w->geometry();
    const int grilla = MSFlexGrid1->horizontalHeader()->sizeHint().height() +
                       3 * MSFlexGrid1->verticalHeader()->defaultSectionSize() +
                       MSFlexGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                       2 * MSFlexGrid1->frameWidth();
    setMinimumSize(DisposicionVentana::TamanoMinimo(
        fijos, APixeles(kMargenGrilla), APixeles(kArribaGrilla), grilla, altoBarraEstado()));
}

void FrmTarquel::colocarRegla() {
    // Only under a row that holds a voucher or a line: never on the empty
    // row of an empty grid.
    const QModelIndex actual = MSFlexGrid1->currentIndex();
    std::optional<QRect> regla;
    if (actual.isValid() && modelo_->ComprobanteDe(actual.row() + 1).has_value()) {
        const QWidget* vista = MSFlexGrid1->viewport();
        const QPoint origen = vista->mapTo(this, QPoint(0, 0));
        regla = DisposicionVentana::Regla(
            MSFlexGrid1->visualRect(actual).translated(origen), QRect(origen, vista->size()),
            MSFlexGrid1->x() + APixeles(50), MSFlexGrid1->width() - APixeles(10), APixeles(60));
    }
    if (!regla) {
        PicRegla->hide();
        return;
    }
    PicRegla->setGeometry(*regla);
    PicRegla->show();
    PicRegla->raise();
}

void FrmTarquel::closeEvent(QCloseEvent* e) {
    if (rechazarDuranteCarga()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
    done(QDialog::Accepted);
}

int FrmTarquel::FilaActual() const {
    const QModelIndex i = MSFlexGrid1->currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

int FrmTarquel::ColumnaActual() const {
    const QModelIndex i = MSFlexGrid1->currentIndex();
    return i.isValid() ? i.column() : 0;
}

void FrmTarquel::IrACelda(int fila, int columna) {
    MSFlexGrid1->setCurrentIndex(modelo_->index(fila - 1, columna));
}

void FrmTarquel::cerrarEditor() {
    if (!TxtEdit->isVisible())
        return;
    modelo_->FijarTexto(FilaActual(), ColumnaActual(), TxtEdit->text());
    TxtEdit->hide();
}

void FrmTarquel::MsflexGridEdt(QChar caracter) {
    if (rechazarDuranteCarga())
        return;
    const int fila = FilaActual();
    const int columna = ColumnaActual();
    if (!modelo_->EsEditable(fila, columna))
        return;
    if (caracter.unicode() > 32) {
        TxtEdit->setText(caracter);
    } else {
        TxtEdit->setText(modelo_->Texto(fila, columna));
    }
    TxtEdit->setCursorPosition(static_cast<int>(TxtEdit->text().size()));
    TxtEdit->setGeometry(MSFlexGrid1->visualRect(MSFlexGrid1->currentIndex()));
    const ConfigEditor c = TextPropiedades(*modelo_, fila, columna);
    TxtEdit->setProperty("DataField", c.campo);
    TxtEdit->setProperty("Tag", c.tag);
    TxtEdit->setMaxLength(c.largo > 0 ? c.largo : 32767);
    TxtEdit->show();
    MSFlexGrid1->scrollTo(MSFlexGrid1->currentIndex());
    TxtEdit->setFocus();
    CampoActual = TxtEdit;
}

void FrmTarquel::confirmarEditor() {
    if (rechazarDuranteCarga())
        return;
    const int fila = FilaActual();
    const int columna = ColumnaActual();
    ErrorValidacion = false;
    const QString campo = TxtEdit->property("DataField").toString();
    if (campo.compare(QStringLiteral("Cuenta"), Qt::CaseInsensitive) == 0) {
        QString texto = TxtEdit->text();
        const QString rechazo = ValidarCuentaEditor(*modelo_, fila, texto);
        if (!rechazo.isEmpty()) {
            ErrorValidacion = true;
            TxtEdit->setText(modelo_->Texto(fila, columna)); // the value before the edit
            dialogos().Mensaje(rechazo, EstilosMensaje::Informacion,
                               QStringLiteral("Aviso al Operador..."));
            TxtEdit->setFocus();
            return;
        }
        TxtEdit->setText(texto);
    }
    if (UpdateaCampo(*modelo_, fila, columna, campo, TxtEdit->text(), *historial_) ==
        ResultadoUpdate::Rechazado)
        TxtEdit->setText(modelo_->Texto(fila, columna)); // what the database holds
    EditKeyCode(13);
    MostrarTotales(CalculaDiferenciaDH(*modelo_));
}

void FrmTarquel::EditKeyCode(int codigo) {
    int fila = FilaActual();
    const int ultima = modelo_->FilasGrid() - 1;
    switch (codigo) {
    case 13:
        MSFlexGrid1->setFocus();
        cerrarEditor();
        DejarCorrerEventos();
        if (ColumnaActual() != modelo_->Columnas() - 1) {
            if (fila < ultima) {
                ++fila;
                if (!modelo_->EsEditable(fila, ColumnaActual()) && fila < ultima)
                    ++fila;
            }
            IrACelda(fila, 1);
        }
        break;
    case 27:
        TxtEdit->hide();
        MSFlexGrid1->setFocus();
        break;
    case 38:
        MSFlexGrid1->setFocus();
        DejarCorrerEventos();
        if (fila > 1)
            IrACelda(fila - 1, ColumnaActual());
        break;
    case 40:
        MSFlexGrid1->setFocus();
        DejarCorrerEventos();
        if (fila < ultima)
            IrACelda(fila + 1, ColumnaActual());
        break;
    default:
        break;
    }
    MSFlexGrid1->scrollTo(MSFlexGrid1->currentIndex());
}

void FrmTarquel::MenuGrilla(int fila, const QPoint& posicion) {
    // "Ver Detalle" stays hidden; a dismissal counts as "Cancelar".
    QList<QPair<QString, QString>> items = {
        {QStringLiteral("Ver Asiento"), QStringLiteral("VerAsiento")}, {QString(), QString()}};
    const QString deshacer = historial_->QueDeshacer();
    const QString rehacer = historial_->QueRehacer();
    if (!deshacer.isEmpty())
        items.append({QStringLiteral("Deshacer: ") + deshacer, QStringLiteral("Deshacer")});
    if (!rehacer.isEmpty())
        items.append({QStringLiteral("Rehacer: ") + rehacer, QStringLiteral("Rehacer")});
    if (!deshacer.isEmpty() || !rehacer.isEmpty())
        items.append({QString(), QString()});
    items.append({QStringLiteral("Cancelar"), QString()});
    const QString respuesta = dialogos().Emergente(items, posicion);
    if (respuesta == QLatin1String("Deshacer"))
        return Deshacer();
    if (respuesta == QLatin1String("Rehacer"))
        return Rehacer();
    if (respuesta.compare(QStringLiteral("VerAsiento"), Qt::CaseInsensitive) != 0)
        return;
    const QString parametro = ParametroVisor(*modelo_, fila);
    if (!parametro.isEmpty())
        EjecutarPrograma(QStringLiteral("shell:Ferrolan"), parametro);
}

void FrmTarquel::Deshacer() {
    if (rechazarDuranteCarga())
        return;
    cerrarEditor();
    historial_->Deshacer(*modelo_);
}

void FrmTarquel::Rehacer() {
    if (rechazarDuranteCarga())
        return;
    cerrarEditor();
    historial_->Rehacer(*modelo_);
}
