#include "Eventos.h"
#include <QCoreApplication>

void DejarCorrerEventos() {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}
