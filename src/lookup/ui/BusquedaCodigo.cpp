#include "BusquedaCodigo.h"
#include "Almanaque.h"
#include "AltaRapida.h"
#include "ContratoErrores.h"
#include "Dialogos.h"
#include "MapaTablas.h"
#include "MascaraFecha.h"
#include "PartesBusqueda.h"
#include "UtilGeneral.h"
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QListView>

namespace {
// Geometry in twips, 15 to the pixel.
int px(int twips) {
    return (twips + 7) / 15;
}
int tw(int pixeles) {
    return pixeles * 15;
}
constexpr int kAltoTexto = 240;
constexpr int kLadoImagen = 240;
} // namespace

BusquedaCodigo::BusquedaCodigo(QWidget* padre)
    : QWidget(padre), DeshabilitarBCArticulos(conexion_.DeshabilitarBCArticulos),
      DeshabilitarBCTodos(conexion_.DeshabilitarBCTodos) {
    setFocusPolicy(Qt::NoFocus);
    TxtBusqueda = new TextoBusqueda(this);
    TxtBusqueda->setObjectName(QStringLiteral("TxtBusqueda"));
    QFont fuente(QStringLiteral("Arial Rounded MT Bold"));
    fuente.setPointSizeF(8.25);
    TxtBusqueda->setFont(fuente);
    TxtBusqueda->setGeometry(0, 0, px(2000), px(kAltoTexto));

    filas_ = new ModeloFilasBusqueda(this);
    LstBusqueda = new QListView(this);
    LstBusqueda->setObjectName(QStringLiteral("LstBusqueda"));
    LstBusqueda->setModel(filas_);
    LstBusqueda->setUniformItemSizes(true);
    LstBusqueda->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LstBusqueda->setTextElideMode(Qt::ElideNone);
    LstBusqueda->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LstBusqueda->hide();

    IMGOK =
        new ImagenBusqueda(ImagenBusqueda::Dibujo::Confirmar, QStringLiteral("Confirmar"), this);
    IMGOK->setObjectName(QStringLiteral("IMGOK"));
    imgMas = new ImagenBusqueda(ImagenBusqueda::Dibujo::Agregar,
                                QStringLiteral("Dar de alta un registro nuevo"), this);
    imgMas->setObjectName(QStringLiteral("imgMas"));
    imgMas->hide();
    ImgX = new ImagenBusqueda(ImagenBusqueda::Dibujo::Limpiar, QStringLiteral("Limpiar"), this);
    ImgX->setObjectName(QStringLiteral("ImgX"));
    for (ImagenBusqueda* i : {IMGOK, imgMas, ImgX})
        i->resize(px(kLadoImagen), px(kLadoImagen));

    crearCalendario();
    Apariencia();

    connect(TxtBusqueda, &QLineEdit::textChanged, this, [this] { TxtBusqueda_Change(); });
    TxtBusqueda->alRecibirFoco = [this] { TxtBusqueda_GotFocus(); };
    TxtBusqueda->installEventFilter(this);
    LstBusqueda->installEventFilter(this);
    connect(LstBusqueda, &QListView::clicked, this, [this] { LstBusqueda_Click(); });
    connect(LstBusqueda, &QListView::doubleClicked, this, [this] { ObtieneCodigo(false); });
    connect(IMGOK, &ImagenBusqueda::clicked, this, [this] { IMGOK_Click(); });
    connect(ImgX, &ImagenBusqueda::clicked, this, [this] { ImgX_Click(); });
    connect(imgMas, &ImagenBusqueda::clicked, this, [this] { AltaDirecta(); });
}

BusquedaCodigo::~BusquedaCodigo() = default;

bool BusquedaCodigo::modoFecha() const {
    return !Calendar->isHidden();
}

std::int16_t BusquedaCodigo::CantidadDeDiasDelmes(int mes, int anio) const {
    return Almanaque::CantidadDeDiasDelmes(mes, anio);
}

QString BusquedaCodigo::sp_Cfg(const QString& Campo, QString& ValorAux) {
    return conexion_.sp_Cfg(Campo, ValorAux);
}

void BusquedaCodigo::Apariencia() {
    QPalette blanco = palette();
    blanco.setColor(QPalette::Window, Qt::white);
    setPalette(blanco);
    setAutoFillBackground(true);
    TxtBusqueda->setFrame(false);
    QPalette texto = TxtBusqueda->palette();
    texto.setColor(QPalette::Base, Qt::white);
    texto.setColor(QPalette::Text, Qt::black);
    TxtBusqueda->setPalette(texto);
}

void BusquedaCodigo::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Disponer();
}

void BusquedaCodigo::Disponer() {
    if (disponiendo_)
        return;
    disponiendo_ = true;
    Apariencia();
    const bool fecha = TxtBusqueda->property("Tag").toString().trimmed().compare(
                           QStringLiteral("Fecha"), Qt::CaseInsensitive) == 0;
    if (fecha) {
        resize(Calendar->width(), TxtBusqueda->height() + Calendar->height());
        LstBusqueda->hide();
    } else {
        Calendar->hide();
        LstBusqueda->show();
    }
    const int ancho = tw(width());
    const int anchoTexto =
        ancho - (tw(ImgX->width()) + tw(imgMas->width()) + tw(IMGOK->width()) + 100);
    TxtBusqueda->resize(std::max(0, px(anchoTexto)), TxtBusqueda->height());
    const int izqOk = tw(TxtBusqueda->x()) + tw(TxtBusqueda->width()) + 10;
    const int izqMas = izqOk + tw(IMGOK->width()) + 10;
    const int izqX = izqMas + tw(imgMas->width()) + 10;
    IMGOK->move(px(izqOk), TxtBusqueda->y());
    imgMas->move(px(izqMas), TxtBusqueda->y());
    ImgX->move(px(izqX), TxtBusqueda->y());
    // The list fills the rest of the control, so its scroll bar stays whole.
    const int arriba = TxtBusqueda->y() + TxtBusqueda->height() + px(20);
    LstBusqueda->setGeometry(px(20), arriba, std::max(0, width() - px(40)),
                             std::max(0, height() - arriba));
    disponiendo_ = false;
}

bool BusquedaCodigo::BusquedaDisponible(QString& tabla) {
    bool resultado = true;
    IgnorandoErrores([&] { TxtBusqueda->setProperty("Tag", tabla); });
    if (DeshabilitarBCTodos)
        return false;
    IgnorandoErrores([&] {
        Calendar->hide();
        Tabla = tabla.trimmed();
    });
    const PreparacionTabla p =
        MapaTablas::Preparar(tabla, campoDescripcion_, campoCodigo_, DeshabilitarBCArticulos);
    if (p.cortada)
        return false;
    tabla = p.nombreLlamador;
    Tabla = p.tabla;
    campoDescripcion_ = p.campoDescripcion;
    campoCodigo_ = p.campoCodigo;
    resultado = p.disponible;
    if (p.calendario)
        IgnorandoErrores([&] { CargarCalendario(); });
    filtroExtra_ = p.filtroExtra;
    if (!conexion_.Conectado)
        AbrirConexion();
    IgnorandoErrores([&] { imgMas->setVisible(AltaDisponible()); });
    IgnorandoErrores([&] { TxtBusqueda->setMaxLength(50); });
    if (!Tabla.isEmpty() && !Buscar.isEmpty())
        IgnorandoErrores([&] { TxtBusqueda->setText(Buscar.trimmed()); });
    Disponer();
    return resultado;
}

bool BusquedaCodigo::AltaDisponible() {
    const AltaRapida::Regla r = AltaRapida::ReglaDe(Tabla);
    LargoCodigo = static_cast<std::int16_t>(r.largoCodigo);
    return r.disponible;
}

void BusquedaCodigo::TxtBusqueda_Change() {
    Buscar = TxtBusqueda->text();
    CodigoNoConfirmado = Buscar;
    Busqueda();
}

void BusquedaCodigo::Busqueda() {
    if (modoFecha()) {
        if (!TxtBusqueda->text().trimmed().isEmpty()) {
            TextoIngresado = TxtBusqueda->text();
            Buscar = TextoIngresado;
        } else {
            TextoIngresado = Buscar;
        }
        IgnorandoErrores([&] { CargarCalendario(); });
        TxtBusqueda->setFocus();
        return;
    }
    if (OmitirBusqueda) {
        OmitirBusqueda = false;
        return;
    }
    TextoIngresado = TxtBusqueda->text();
    if (Tabla.compare(QStringLiteral("FECHA"), Qt::CaseInsensitive) == 0 || Buscar.isEmpty() ||
        Tabla.isEmpty()) {
        filas_->Vaciar();
        if (Tabla.compare(QStringLiteral("FECHA"), Qt::CaseInsensitive) != 0)
            Buscar.clear();
        return;
    }
    Buscar.replace(u' ', u'%');
    const QString sentencia = SentenciasBusqueda::Sentencia(
        {Buscar, Tabla, campoDescripcion_, campoCodigo_, filtroExtra_, idLista});
    // The list is emptied and filled in one step; a failed statement leaves it empty.
    QList<FilaBusqueda> filas = conexion_.Filas(sentencia, campoDescripcion_, campoCodigo_);
    if (!filas.isEmpty())
        LstBusqueda->show();
    filas_->Fijar(std::move(filas));
    Buscar.clear();
}

QString BusquedaCodigo::CodigoSeleccionado() const {
    const QModelIndex i = LstBusqueda->currentIndex();
    if (!i.isValid() || !LstBusqueda->selectionModel()->isSelected(i))
        return {};
    return filas_->Fila(i.row()).Codigo();
}

void BusquedaCodigo::ObtieneCodigo(bool DesdeTxt) {
    if (DesdeTxt) {
        Codigo = TxtBusqueda->text().trimmed();
    } else if (modoFecha()) {
        Codigo = TxtBusqueda->text().trimmed();
        Calendar->hide();
    } else {
        Codigo = CodigoSeleccionado();
    }
    emit CodigoObtenido();
}

void BusquedaCodigo::TxtBusqueda_GotFocus() {
    const int largo = static_cast<int>(TxtBusqueda->text().size());
    if (modoFecha() && largo >= SelStartInicial)
        TxtBusqueda->setCursorPosition(SelStartInicial);
    else
        TxtBusqueda->setCursorPosition(largo);
}

void BusquedaCodigo::TxtBusqueda_Enter() {
    if (!imgMas->isHidden() && filas_->rowCount() == 0 &&
        TxtBusqueda->text().trimmed().size() > 4) {
        QString nombre = Tabla;
        for (const char* prefijo : {"V_TA_", "V_MA_", "TA_", "MA_"})
            nombre = UtilGeneral::Reemplazar(nombre, QLatin1String(prefijo), QString());
        const int r =
            dialogos().Mensaje(nombre + QStringLiteral("\r\nDesea dar de alta un registro nuevo?"),
                               EstilosMensaje::SiNo, QStringLiteral("Aviso al operador"));
        if (r == Respuestas::Si)
            AltaDirecta();
        else
            ObtieneCodigo(true);
        return;
    }
    ObtieneCodigo(true);
}

void BusquedaCodigo::Escape() {
    TxtBusqueda->clear();
    Buscar.clear();
    ObtieneCodigo(true);
    // Typing starts over in the text box, wherever Esc was pressed.
    TxtBusqueda->setFocus();
}

void BusquedaCodigo::LstBusqueda_Click() {
    const QModelIndex i = LstBusqueda->currentIndex();
    if (!i.isValid())
        return;
    const QString texto = filas_->Fila(i.row()).Descripcion();
    // The next change of the text runs no search; a text that stays the same
    // causes no change, so nothing is left to skip.
    if (texto.left(TxtBusqueda->maxLength()) != TxtBusqueda->text()) {
        OmitirBusqueda = true;
        TxtBusqueda->setText(texto);
    }
}

void BusquedaCodigo::IMGOK_Click() {
    if (!CodigoSeleccionado().isEmpty())
        ObtieneCodigo(false);
    else
        TxtBusqueda_Enter();
}

void BusquedaCodigo::ImgX_Click() {
    TxtBusqueda->clear();
    ObtieneCodigo(true);
}

void BusquedaCodigo::AltaDirecta() {
    AltaRapida::Pedido p;
    p.texto = TxtBusqueda->text().trimmed();
    p.tabla = Tabla;
    p.campoDescripcion = campoDescripcion_;
    p.campoCodigo = campoCodigo_;
    p.cuenta = Cuenta;
    p.largoCodigo = LargoCodigo;
    const QString codigo = AltaRapida::Ejecutar(conexion_.conexion(), p);
    if (codigo.isEmpty())
        return;
    TxtBusqueda->setText(codigo);
    ObtieneCodigo(true);
}

void BusquedaCodigo::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        Escape();
        return;
    }
    QWidget::keyPressEvent(e);
}

bool BusquedaCodigo::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress && evento->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(objeto, evento);
    auto* tecla = static_cast<QKeyEvent*>(evento);
    const bool pulsada = evento->type() == QEvent::KeyPress;
    const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    if (objeto == TxtBusqueda && pulsada) {
        if (tecla->key() == Qt::Key_Down && !modoFecha()) {
            LstBusqueda->setFocus();
            if (filas_->rowCount() > 0)
                LstBusqueda->setCurrentIndex(filas_->index(0));
            return true;
        }
        if (enter) {
            TxtBusqueda_Enter();
            return true;
        }
        if (tecla->key() == Qt::Key_Escape) {
            Escape();
            return true;
        }
        // The keys that type a character, and Backspace, go through the date mask.
        int codigo = 0;
        if (tecla->key() == Qt::Key_Backspace)
            codigo = 8;
        else if (!tecla->text().isEmpty() && tecla->text().front().isPrint())
            codigo = tecla->text().front().unicode();
        if (codigo == 0)
            return false;
        struct Caja : CajaTexto {
            TextoBusqueda* t;
            explicit Caja(TextoBusqueda* t_) : t(t_) {}
            QString Texto() const override { return t->text(); }
            void FijarTexto(const QString& x) override { t->setText(x); }
            int Cursor() const override { return t->cursorPosition(); }
            void FijarCursor(int p) override { t->setCursorPosition(p); }
            int LargoMaximo() const override { return t->maxLength(); }
            QString Etiqueta() const override { return t->property("Tag").toString(); }
        } caja(TxtBusqueda);
        ClsDatosOk(caja, codigo);
        return codigo == 0;
    }
    if (objeto == LstBusqueda) {
        if (pulsada && enter) {
            ObtieneCodigo(false);
            return true;
        }
        if (pulsada && tecla->key() == Qt::Key_Escape) {
            Escape();
            return true;
        }
        if (!pulsada && tecla->key() == Qt::Key_Backspace && !tecla->isAutoRepeat()) {
            const QString t = TxtBusqueda->text().trimmed();
            if (!t.isEmpty())
                TxtBusqueda->setText(t.left(t.size() - 1));
            return true;
        }
        return false;
    }
    for (std::size_t i = 0; i < OptDia.size(); ++i) {
        if (objeto == OptDia[i] && pulsada && enter) {
            IgnorandoErrores([&] { ObtieneCodigo(false); });
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}
