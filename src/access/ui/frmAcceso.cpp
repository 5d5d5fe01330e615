#include "frmAcceso.h"
#include "AccesoDirecto.h"
#include "AplicarApariencia.h"
#include "InfoSistema.h"
#include "ListaBases.h"
#include "MensajeInicial.h"
#include "Programa.h"
#include "RegistroConexion.h"
#include "ServidorAcceso.h"
#include "Sesion.h"
#include "SkinFramework.h"
#include "Twips.h"
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStandardPaths>

const QString frmAcceso::kDireccionProducto = QStringLiteral("https://tarquel.example/");

namespace {
const QString kProducto = QStringLiteral("Tarquel · Gestión y Contabilidad");

// A rectangle given in twips, in pixels as the main window converts them.
QRect Twips(int izquierda, int arriba, int ancho, int alto) {
    const double f = TwipsPorPixel();
    return QRect(TwipsAPixeles(izquierda, f), TwipsAPixeles(arriba, f), TwipsAPixeles(ancho, f),
                 TwipsAPixeles(alto, f));
}

QLabel* Etiqueta(const QString& texto, QWidget* padre, const QRect& r) {
    auto* l = new QLabel(texto, padre);
    l->setGeometry(r);
    return l;
}

QLineEdit* Caja(QWidget* padre, const QRect& r, const QString& ayuda) {
    auto* c = new QLineEdit(padre);
    c->setGeometry(r);
    c->setToolTip(ayuda);
    return c;
}

QPushButton* Boton(const QString& texto, QWidget* padre, const QRect& r) {
    auto* b = new QPushButton(texto, padre);
    b->setGeometry(r);
    // Enter presses a button only while it has the focus.
    b->setAutoDefault(true);
    b->setDefault(false);
    return b;
}
} // namespace

frmAcceso::frmAcceso(QWidget* parent) : QDialog(parent) {
    carpetaEscritorio = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    crearControles();
    Form_Load();
}

void frmAcceso::crearControles() {
    setWindowTitle(QStringLiteral("Control de Acceso"));
    setFixedSize(Twips(0, 0, 8685, 4695).size());
    // 8-point captions, as in the main window: they fit their twips widths.
    QFont fuente = font();
    fuente.setPointSize(8);
    setFont(fuente);
    setAutoFillBackground(true);

    Label1[2] = Etiqueta(QStringLiteral("Control de Acceso"), this, Twips(0, 0, 8775, 375));
    Label1[2]->setAutoFillBackground(true);
    Label1[2]->setStyleSheet(
        QStringLiteral("background: white; color: #404040; font-weight: bold; padding-left: 8px;"));
    Label7 = Etiqueta(kProducto, this, Twips(0, 360, 8775, 735));
    Label7->setFont(QFont(QStringLiteral("Tahoma"), 16, QFont::Bold));
    Label7->setAlignment(Qt::AlignCenter);
    Label8 = Etiqueta(QStringLiteral("<a href=\"%1\">%1</a>").arg(kDireccionProducto), this,
                      Twips(0, 900, 8775, 255));
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setTextFormat(Qt::RichText);
    Label8->setOpenExternalLinks(false);
    Label8->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    Label8->setCursor(Qt::PointingHandCursor);
    connect(Label8, &QLabel::linkActivated, this, [this] { Label8_Click(); });
    Label1[0] = Etiqueta(QStringLiteral("AUTENTICACION"), this, Twips(240, 1200, 4575, 255));
    Label1[1] =
        Etiqueta(QStringLiteral("Conexiones registradas"), this, Twips(5040, 1200, 3375, 255));

    framAcceso = new QGroupBox(this);
    framAcceso->setGeometry(Twips(120, 1440, 4695, 2340));
    Label2 = Etiqueta(QStringLiteral("Usuario"), framAcceso, Twips(240, 240, 975, 255));
    TxtUserId = Caja(framAcceso, Twips(1440, 240, 3135, 285),
                     QStringLiteral("Ingrese el nombre de usuario"));
    Label3 = Etiqueta(QStringLiteral("Contraseña"), framAcceso, Twips(240, 600, 975, 255));
    TxtUserPassword =
        Caja(framAcceso, Twips(1440, 600, 3135, 285), QStringLiteral("Ingrese la contraseña"));
    TxtUserPassword->setEchoMode(QLineEdit::Password);
    Label4 = Etiqueta(QStringLiteral("Base de datos"), framAcceso, Twips(240, 960, 1215, 255));
    TxtDbName = Caja(framAcceso, Twips(1440, 960, 3135, 285),
                     QStringLiteral("ingrese el nombre de la base de datos"));
    Label5 = Etiqueta(QStringLiteral("Servidor"), framAcceso, Twips(240, 1320, 975, 255));
    TxtServidor = Caja(framAcceso, Twips(1440, 1320, 3135, 285),
                       QStringLiteral("ingrese el nombre del servidor e instancia"));
    Label6 = Etiqueta(QStringLiteral("Plataforma"), framAcceso, Twips(240, 1920, 975, 255));
    CboPlataformaDB = new QComboBox(framAcceso);
    CboPlataformaDB->addItems({QStringLiteral("SQL Server"), QStringLiteral("ORACLE")});
    CboPlataformaDB->setGeometry(Twips(1425, 1890, 2190, 315));
    TxtPuerto = Caja(framAcceso, Twips(3840, 1920, 735, 285), QStringLiteral("Ingrese el Puerto "));
    TxtPuerto->setText(QString::number(ServidorAcceso::kPuertoSqlServer));
    TxtPuerto->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), TxtPuerto));

    lstBases = new ListaBases(this);
    lstBases->setGeometry(Twips(5040, 1440, 3375, 1830));
    lstBases->setFont(QFont(QStringLiteral("Segoe UI"), 8));
    CmdRegistrar = Boton(QStringLiteral("Registrar"), this, Twips(5040, 3480, 1095, 255));
    CmdLineaComando =
        Boton(QStringLiteral("Crear Acceso Directo"), this, Twips(6360, 3480, 1950, 255));
    bcAceptar = Boton(QStringLiteral("Conectar"), this, Twips(2527, 4200, 1590, 375));
    bcCancelar = Boton(QStringLiteral("Cancelar"), this, Twips(4567, 4200, 1590, 372));
    (new SkinFramework(this))->setObjectName(QStringLiteral("SkinFramework1"));

    QWidget* orden[] = {TxtUserId,       TxtUserPassword, TxtDbName, TxtServidor,
                        CboPlataformaDB, TxtPuerto,       lstBases,  CmdRegistrar,
                        CmdLineaComando, bcAceptar,       bcCancelar};
    for (std::size_t i = 1; i < std::size(orden); ++i)
        QWidget::setTabOrder(orden[i - 1], orden[i]);

    for (QLineEdit* c : {TxtUserId, TxtUserPassword, TxtDbName, TxtServidor})
        c->installEventFilter(this);
    for (QLineEdit* c : {TxtDbName, TxtServidor, TxtUserPassword})
        connect(c, &QLineEdit::textChanged, this, [this, c] { MensajeInicial(c); });

    connect(lstBases, &QListWidget::itemClicked, this, [this] { AsignarDatosBase(); });
    connect(lstBases, &ListaBases::teclaPulsada, this, [this] { AsignarDatosBase(); });
    connect(lstBases, &QListWidget::itemDoubleClicked, this, [this] {
        AsignarDatosBase();
        bcAceptar_Click();
    });
    connect(bcAceptar, &QPushButton::clicked, this, [this] { bcAceptar_Click(); });
    connect(bcCancelar, &QPushButton::clicked, this, [this] { bcCancelar_Click(); });
    connect(CmdRegistrar, &QPushButton::clicked, this, [this] { CmdRegistrar_Click(); });
    connect(CmdLineaComando, &QPushButton::clicked, this, [this] { CmdLineaComando_Click(); });
}

void frmAcceso::Form_Load() {
    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        const QRect r = pantalla->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    llenarlist();
    for (QLineEdit* c : {TxtUserId, TxtUserPassword, TxtDbName, TxtServidor})
        MensajeInicial(c);
    AplicarApariencia(this, true);
}

void frmAcceso::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    TxtUserId->setFocus(Qt::OtherFocusReason);
}

QString frmAcceso::promptDe(const QLineEdit* caja) const {
    if (caja == TxtUserId)
        return QString::fromUtf8(MensajeInicial::kUsuario);
    if (caja == TxtDbName)
        return QString::fromUtf8(MensajeInicial::kBase);
    if (caja == TxtServidor)
        return QString::fromUtf8(MensajeInicial::kServidor);
    return QString::fromUtf8(MensajeInicial::kClave);
}

void frmAcceso::MensajeInicial(QLineEdit* caja) {
    const QString prompt = promptDe(caja);
    if (!MensajeInicial::Aplica(caja->text(), prompt))
        return;
    if (caja->text() != prompt)
        caja->setText(prompt); // runs the rule again, with the prompt in place
    QPalette p = caja->palette();
    p.setColor(QPalette::Text, QColor(2, 0, 0));
    caja->setPalette(p);
    // Selected from its end back to the start, so the prompt shows from its
    // first word.
    const int largo = static_cast<int>(prompt.trimmed().size());
    caja->setSelection(largo, -largo);
    caja->update();
}

QString frmAcceso::Valor(const QLineEdit* caja) const {
    return MensajeInicial::Valor(caja->text(), promptDe(caja));
}

bool frmAcceso::eventFilter(QObject* objeto, QEvent* evento) {
    auto* caja = qobject_cast<QLineEdit*>(objeto);
    if (caja == nullptr)
        return QDialog::eventFilter(objeto, evento);
    if (evento->type() == QEvent::FocusIn && caja == TxtUserId) {
        MensajeInicial(TxtUserId);
    } else if (evento->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(evento);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            // Enter goes down the boxes to "Conectar" without pressing it.
            QWidget* siguiente = bcAceptar;
            if (caja == TxtUserId)
                siguiente = TxtUserPassword;
            else if (caja == TxtUserPassword)
                siguiente = TxtDbName;
            else if (caja == TxtDbName)
                siguiente = TxtServidor;
            siguiente->setFocus(Qt::TabFocusReason);
            return true;
        }
        // A box showing its prompt takes the first typed character in its
        // place, however the caret got there.
        const QString prompt = promptDe(caja);
        if (!k->text().isEmpty() && k->text()[0].isPrint() && !prompt.isEmpty() &&
            caja->text() == prompt)
            caja->selectAll();
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmAcceso::llenarlist() {
    lstBases->clear();
    lstBases->addItems(bases_.llenarlist());
    if (lstBases->count() > 0)
        lstBases->setCurrentRow(0);
}

bool frmAcceso::DatosBase(const QString& nombre) {
    const std::optional<RegistroBase> r = bases_.DatosBase(nombre);
    if (!r)
        return false;
    elegida_ = *r;
    return true;
}

void frmAcceso::AsignarDatosBase() {
    const QListWidgetItem* item = lstBases->currentItem();
    if (item == nullptr)
        return;
    DatosBase(item->text().trimmed());
    const ServidorAcceso::ServidorYPuerto sp = ServidorAcceso::SepararPuerto(elegida_.servidor);
    // A registration without a port leaves none behind from an earlier choice.
    puerto_ = sp.puerto;
    TxtServidor->setText(sp.servidor);
    TxtUserId->setText(QString());
    TxtUserPassword->setText(QString());
    TxtDbName->setText(elegida_.base);
    TxtPuerto->setText(puerto_);
}

bool frmAcceso::conexionCompleta() {
    QLineEdit* falta = nullptr;
    if (Valor(TxtDbName).trimmed().isEmpty())
        falta = TxtDbName;
    else if (CboPlataformaDB->currentIndex() == 0 && Valor(TxtServidor).trimmed().isEmpty())
        falta = TxtServidor;
    if (falta == nullptr)
        return true;
    dialogos().Mensaje(falta == TxtDbName ? QStringLiteral("Ingrese el nombre de la base de datos.")
                                          : QStringLiteral("Ingrese el nombre del servidor."),
                       EstilosMensaje::Informacion, QStringLiteral("Atencion"));
    falta->setFocus(Qt::OtherFocusReason);
    MensajeInicial(falta);
    return false;
}

void frmAcceso::bcAceptar_Click() {
    if (!conexionCompleta())
        return;
    sesion().gUsuarioLogeado = Valor(TxtUserId);
    sesion().gClaveUsuario = Valor(TxtUserPassword);
    Aceptar = true;
    RegistrarBases();
    accept();
}

void frmAcceso::bcCancelar_Click() {
    Aceptar = false;
    QDialog::reject();
}

void frmAcceso::reject() {
    bcCancelar_Click();
}

void frmAcceso::RegistrarBases() {
    if (!ExisteArchivo(bases_.ruta()))
        CmdRegistrar_Click();
}

void frmAcceso::CmdRegistrar_Click() {
    if (!conexionCompleta())
        return;
    for (QLineEdit* c : {TxtServidor, TxtUserId, TxtUserPassword, TxtDbName})
        if (!Valor(c).isEmpty() && c->text() != c->text().trimmed())
            c->setText(c->text().trimmed());
    const ConexionTipeada datos{Valor(TxtServidor), Valor(TxtDbName),
                                Valor(TxtUserId),   Valor(TxtUserPassword),
                                TxtPuerto->text(),  CboPlataformaDB->currentIndex()};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString puerto;
    const ResultadoRegistro r = RegistrarConexion(datos, bases_, puerto);
    QApplication::restoreOverrideCursor();
    if (r != ResultadoRegistro::YaExiste)
        puerto_ = puerto;
    llenarlist();
}

void frmAcceso::CmdLineaComando_Click() {
    const QString titulo = QCoreApplication::applicationName();
    QString programa = Programa::Carpeta() + Programa::NombreEjecutable();
#ifdef Q_OS_WIN
    programa += QStringLiteral(".exe");
#endif
    CrearAccesoDirecto(carpetaEscritorio, titulo, programa, Valor(TxtServidor), Valor(TxtDbName),
                       Valor(TxtUserId));
}

void frmAcceso::Label8_Click() {
    InfoSistema::EjecutarDocumento(QStringLiteral("open"), kDireccionProducto, QString(), QString(),
                                   1);
}

void frmAcceso::Cargar(const DatosAcceso& datos) {
    TxtDbName->setText(datos.baseDatos);
    TxtServidor->setText(datos.servidor);
    TxtUserId->setText(datos.usuario);
    TxtUserPassword->setText(datos.clave);
    CboPlataformaDB->setCurrentIndex(datos.plataforma > 0 ? 1 : 0);
    for (QLineEdit* c : {TxtUserId, TxtUserPassword, TxtDbName, TxtServidor})
        MensajeInicial(c);
}

DatosAcceso frmAcceso::Datos() const {
    const int plataforma = CboPlataformaDB->currentIndex();
    return DatosAcceso{
        Valor(TxtDbName),
        ServidorAcceso::ServidorConexion(Valor(TxtServidor), TxtPuerto->text(), plataforma),
        Valor(TxtUserId), Valor(TxtUserPassword), plataforma};
}

bool frmAcceso::Mostrar(DatosAcceso& datos) {
    frmAcceso f;
    f.Cargar(datos);
    // TARQUEL_CAPTURA_ACCESO names a PNG file: the window is rendered into it
    // and answers as cancelled (the way to look at it without a display).
    const QString captura = qEnvironmentVariable("TARQUEL_CAPTURA_ACCESO");
    if (!captura.isEmpty()) {
        f.show();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        f.grab().toImage().save(captura, "PNG");
        f.bcCancelar_Click();
        return false;
    }
    f.exec();
    if (!f.Aceptar)
        return false;
    datos = f.Datos();
    return true;
}
