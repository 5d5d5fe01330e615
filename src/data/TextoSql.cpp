#include "TextoSql.h"

namespace TextoSql {

QString Comillas(const QString& valor) {
    return QString(valor).replace(u'\'', QStringLiteral("''"));
}

QString Literal(const QString& valor) {
    return u'\'' + Comillas(valor) + u'\'';
}

double ValorVal(const QString& valor) {
    QString t;
    for (const QChar c : valor)
        if (c != u' ' && c != u'\t')
            t += c;
    int i = 0;
    QString n;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        n += t[i++];
    bool punto = false;
    for (; i < t.size(); ++i) {
        if (t[i].isDigit()) {
            n += t[i];
        } else if (t[i] == u'.' && !punto) {
            punto = true;
            n += t[i];
        } else {
            break;
        }
    }
    bool ok = false;
    const double v = n.toDouble(&ok);
    return ok ? v : 0.0;
}

QString FormaNumerica(const QString& valor) {
    return QString::number(ValorVal(valor), 'g', 15).trimmed();
}

QString ReemplazarSinCaso(QString texto, const QString& viejo, const QString& nuevo) {
    return texto.replace(viejo, nuevo, Qt::CaseInsensitive);
}

} // namespace TextoSql
