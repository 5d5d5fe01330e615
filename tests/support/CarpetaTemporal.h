#pragma once
// A temporary folder for one test, removed when the test ends; files are
// written into it by the test itself.
#include "ImprimirQt.h"
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class CarpetaTemporal {
public:
    CarpetaTemporal();
    QString ruta(const QString& nombre = {}) const;
    // Writes contenido into the file nombre and returns its path.
    QString escribir(const QString& nombre, const QByteArray& contenido) const;

private:
    QTemporaryDir dir_;
};
