#include "FlujoQt.h"
#include <QSqlRecord>
#include <QSqlResult>

FlujoQt::FlujoQt(const QSqlDatabase& db) : q_(db) {
    q_.setForwardOnly(true);
}

bool FlujoQt::ejecutar(const QString& texto) {
    if (q_.exec(texto))
        return true;
    error_ = q_.lastError();
    return false;
}

namespace {
// Qt's drivers bind a null QString as NULL: here it is the empty text.
QVariant comoSeEnlaza(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::QString:
        return v.toString().isNull() ? QVariant(QString::fromLatin1("")) : v;
    case QMetaType::QByteArray:
        return v.toByteArray().isNull() ? QVariant(QByteArray("")) : v;
    case QMetaType::Float:
        return QVariant(v.toDouble());
    default:
        return v.isNull() ? QVariant() : v;
    }
}
} // namespace

bool FlujoQt::ejecutar(const QString& texto, const QList<QVariant>& valores) {
    if (q_.prepare(texto)) {
        for (const QVariant& v : valores)
            q_.addBindValue(comoSeEnlaza(v));
        if (q_.exec())
            return true;
    }
    error_ = q_.lastError();
    return false;
}

QStringList FlujoQt::campos() const {
    QStringList r;
    const QSqlRecord rec = q_.record();
    for (int i = 0; i < rec.count(); ++i)
        r << rec.fieldName(i);
    return r;
}

bool FlujoQt::siguiente() {
    if (q_.next())
        return true;
    // A statement without rows (an UPDATE through a result set) ends quietly.
    if (q_.isActive() && q_.isSelect() && q_.lastError().isValid())
        error_ = q_.lastError();
    return false;
}

QVariant FlujoQt::manejador() const {
    return q_.result() != nullptr ? q_.result()->handle() : QVariant();
}
