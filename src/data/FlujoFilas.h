#pragma once
// The rows of a statement read one after another, straight from the driver.
// A result set walked forward reads its values from here when they are
// asked for, so a row costs only the columns the caller reads.
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>

class FlujoFilas {
public:
    virtual ~FlujoFilas() = default;

    // Prepares and starts the statement; false with error() when it fails.
    virtual bool ejecutar(const QString& texto) = 0;
    // The same for a statement whose "?" marks take valores in order. A text
    // is always text (a null QString is the empty text) and bytes always a
    // blob; an invalid QVariant, or a null of any other type, is NULL.
    virtual bool ejecutar(const QString& texto, const QList<QVariant>& valores) = 0;
    // The names of the columns, once executed.
    virtual QStringList campos() const = 0;
    // Moves to the next row; false at the end, or on a failure that error()
    // then describes.
    virtual bool siguiente() = 0;
    virtual QSqlError error() const = 0;
    // The driver's handle of the statement, for asking the driver about a
    // failure; empty when the driver has none to give.
    virtual QVariant manejador() const { return {}; }
    // A value of the current row.
    virtual QVariant valor(int i) const = 0;
    // The value as text (see UtilGeneral::ValorTexto), without going through
    // a QVariant where the driver allows.
    virtual QString texto(int i) const;
};
