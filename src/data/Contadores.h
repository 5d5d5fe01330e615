#pragma once
// How many statements and result sets the data layer has sent to the engines,
// for benchmarks and for tests that count round trips.
#include <QStringList>

struct Contadores {
    long sentencias = 0;
    long recordsets = 0;
    // When on, the text of every statement the program sends, as the program
    // wrote it (before any engine translation).
    bool registrar = false;
    QStringList registro;

    void anotar(const QString& sql) {
        if (registrar)
            registro << sql;
    }
};

Contadores& contadores();
