#include "CajaMensaje.h"
#include "ContratoErrores.h"
#include "VentanaLista.h"
#include <QApplication>
#include <QPushButton>

namespace {

// Caption and role of the button that gives an answer.
std::pair<QString, QMessageBox::ButtonRole> BotonDeRespuesta(int respuesta) {
    switch (respuesta) {
    case Respuestas::Cancelar:
        return {QStringLiteral("Cancelar"), QMessageBox::RejectRole};
    case Respuestas::Abortar:
        return {QStringLiteral("&Abortar"), QMessageBox::RejectRole};
    case Respuestas::Reintentar:
        return {QStringLiteral("&Reintentar"), QMessageBox::AcceptRole};
    case Respuestas::Ignorar:
        return {QStringLiteral("&Ignorar"), QMessageBox::AcceptRole};
    case Respuestas::Si:
        return {QStringLiteral("&Sí"), QMessageBox::YesRole};
    case Respuestas::No:
        return {QStringLiteral("&No"), QMessageBox::NoRole};
    default:
        return {QStringLiteral("Aceptar"), QMessageBox::AcceptRole};
    }
}
} // namespace

QString TituloVentana(const QString& titulo) {
    return titulo.isEmpty() ? QApplication::applicationName() : titulo;
}

CajaMensaje::CajaMensaje(const QString& texto, int estilo, const QString& titulo, QWidget* parent)
    : QMessageBox(parent), botones_(BotonesDeEstilo(estilo)) {
    setWindowTitle(TituloVentana(titulo));
    setText(
        QString(texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'));
    switch (estilo & EstilosMensaje::MascaraIcono) {
    case EstilosMensaje::Critico:
        setIcon(QMessageBox::Critical);
        break;
    case EstilosMensaje::Pregunta:
        setIcon(QMessageBox::Question);
        break;
    case EstilosMensaje::Exclamacion:
        setIcon(QMessageBox::Warning);
        break;
    case EstilosMensaje::Informacion:
        setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    for (int i = 0; i < botones_.size(); ++i) {
        const auto [caption, rol] = BotonDeRespuesta(botones_[i]);
        QPushButton* b = addButton(caption, rol);
        respuestaDe_.insert(b, botones_[i]);
        if (i == BotonPorDefecto(estilo))
            setDefaultButton(b);
    }
}

void CajaMensaje::OfrecerLista(const ListaMensaje& lista) {
    lista_ = lista;
    botonLista_ = addButton(lista.boton, QMessageBox::ActionRole);
    // The button opens the list and leaves the box open: the box's own
    // handling, which closes it, is cut off.
    botonLista_->disconnect();
    connect(botonLista_, &QPushButton::clicked, this, [this] {
        VentanaLista v(lista_.titulo, lista_.filas ? lista_.filas() : ResultadoConsulta{}, this);
        v.exec();
    });
}

int CajaMensaje::Respuesta() const {
    QAbstractButton* pulsado = clickedButton();
    if (pulsado == nullptr || !respuestaDe_.contains(pulsado))
        return botones_.size() == 1 ? botones_.first() : Respuestas::Cancelar;
    return respuestaDe_.value(pulsado);
}
