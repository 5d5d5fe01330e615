// tarquel: correction of journal-entry imputations.
#include "Inicio.h"
#include "Programa.h"
#include "TextosQtEnEspanol.h"
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarquel"));
    InstalarTextosQtEnEspanol();
    // The suite passes its parameter string as the rest of the command line.
    Programa::EstablecerLineaComando(QApplication::arguments().mid(1).join(u' '));
    return Main();
}
