#include "DialogosQt.h"
#include "BusquedaQt.h"
#include "CajaMensaje.h"
#include "ContratoErrores.h"
#include "TextosQtEnEspanol.h"
#include "UtilGeneral.h"
#include <QApplication>
#include <QCalendarWidget>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

QString FiltroQt(const QString& filtro) {
    const int barra = filtro.indexOf(u'|');
    if (barra < 0)
        return filtro;
    return filtro.left(barra).trimmed() + QStringLiteral(" (") + filtro.mid(barra + 1).trimmed() +
           QStringLiteral(")");
}

int DialogosQt::Mensaje(const QString& texto, int estilo, const QString& titulo) {
    CajaMensaje caja(texto, estilo, titulo);
    caja.exec();
    return caja.Respuesta();
}

int DialogosQt::MensajeConLista(const QString& texto, int estilo, const QString& titulo,
                                const ListaMensaje& lista) {
    CajaMensaje caja(texto, estilo, titulo);
    caja.OfrecerLista(lista);
    caja.exec();
    return caja.Respuesta();
}

QString DialogosQt::Entrada(const QString& pregunta, const QString& titulo,
                            const QString& inicial) {
    QInputDialog d;
    d.setWindowTitle(TituloVentana(titulo));
    d.setLabelText(pregunta);
    d.setTextValue(inicial);
    d.setOkButtonText(QStringLiteral("Aceptar"));
    d.setCancelButtonText(QStringLiteral("Cancelar"));
    return d.exec() == QDialog::Accepted ? d.textValue() : QString();
}

std::optional<QString> DialogosQt::ElegirArchivo(const QString& titulo, const QString& filtro) {
    const QString r = QFileDialog::getOpenFileName(nullptr, titulo, QString(), FiltroQt(filtro));
    if (r.isEmpty())
        return std::nullopt;
    return r;
}

QString DialogosQt::Buscar(const PeticionBusqueda& peticion) {
    BusquedaQt d(peticion);
    return d.exec() == QDialog::Accepted ? d.valorElegido() : QString();
}

QString DialogosQt::Calendario(const QString& inicial) {
    QDialog d;
    d.setWindowTitle(QStringLiteral("Calendario"));
    auto* cal = new QCalendarWidget(&d);
    cal->setLocale(LocaleEspanol()); // month and day names in Spanish, whatever the system's
    const QDate fecha = UtilGeneral::LeerFecha(inicial);
    cal->setSelectedDate(fecha.isValid() ? fecha : QDate::currentDate());
    auto* botones = new QDialogButtonBox(&d);
    botones->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    botones->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    auto* capa = new QVBoxLayout(&d);
    capa->addWidget(cal);
    capa->addWidget(botones);
    QObject::connect(botones, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    QObject::connect(cal, &QCalendarWidget::activated, &d, &QDialog::accept);
    if (d.exec() != QDialog::Accepted)
        return {};
    return cal->selectedDate().toString(QStringLiteral("dd/MM/yyyy"));
}

namespace {
VentanaAcceso& ventanaAcceso() {
    static VentanaAcceso v;
    return v;
}
} // namespace

void EstablecerVentanaAcceso(VentanaAcceso ventana) {
    ventanaAcceso() = std::move(ventana);
}

bool DialogosQt::Acceso(DatosAcceso& datos) {
    if (!ventanaAcceso()) {
        qWarning("No hay ventana de acceso en este programa: no se pueden pedir los datos de "
                 "conexión.");
        return false;
    }
    return ventanaAcceso()(datos);
}

namespace {
class ReconexionQt : public VentanaReconexion {
public:
    ReconexionQt() {
        etiqueta_ = new QLabel(&ventana_);
        barra_ = new QProgressBar(&ventana_);
        barra_->setRange(0, 100);
        reintentar_ = new QPushButton(QStringLiteral("Reintentar"), &ventana_);
        cerrar_ = new QPushButton(QStringLiteral("Cerrar Sistema"), &ventana_);
        auto* capa = new QVBoxLayout(&ventana_);
        capa->addWidget(etiqueta_);
        capa->addWidget(barra_);
        auto* fila = new QHBoxLayout;
        fila->addStretch();
        fila->addWidget(reintentar_);
        fila->addWidget(cerrar_);
        capa->addLayout(fila);
        QObject::connect(cerrar_, &QPushButton::clicked, [this] { cancelar_ = true; });
        QObject::connect(reintentar_, &QPushButton::clicked, [this] { reintentarPulsado_ = true; });
        ventana_.setMinimumWidth(420);
    }
    void Mostrar(const QString& titulo, const QString& mensaje) override {
        ventana_.setWindowTitle(titulo);
        etiqueta_->setText(QString(mensaje).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        ventana_.show();
        ventana_.raise();
    }
    void Progreso(int p) override { barra_->setValue(p); }
    void ReintentarHabilitado(bool h) override { reintentar_->setEnabled(h); }
    bool Cancelar() const override { return cancelar_; }
    bool Reintentar() const override { return reintentarPulsado_; }
    void LimpiarBanderas() override { cancelar_ = reintentarPulsado_ = false; }
    void Cerrar() override { ventana_.close(); }

private:
    QDialog ventana_;
    QLabel* etiqueta_;
    QProgressBar* barra_;
    QPushButton* reintentar_;
    QPushButton* cerrar_;
    bool cancelar_ = false;
    bool reintentarPulsado_ = false;
};
} // namespace

std::unique_ptr<VentanaReconexion> DialogosQt::Reconexion() {
    return std::make_unique<ReconexionQt>();
}

QString DialogosQt::Emergente(const QList<QPair<QString, QString>>& items, const QPoint& posicion) {
    QMenu menu;
    for (const auto& [titulo, codigo] : items) {
        if (titulo.isEmpty())
            menu.addSeparator();
        else
            menu.addAction(titulo)->setData(codigo);
    }
    const QAction* elegida = menu.exec(posicion);
    return elegida != nullptr ? elegida->data().toString() : QString();
}
