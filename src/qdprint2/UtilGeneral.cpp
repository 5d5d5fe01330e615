#include "UtilGeneral.h"
#include "Dialogos.h"
#include <QDate>
#include <QFontMetrics>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {
// A number with up to 15 significant digits, never in exponent form: read
// back by ValorNumero, 3.35e-08 would be 3.35.
QString textoDecimal(double d) {
    QString t = QString::number(d, 'g', 15);
    if (!t.contains(u'e'))
        return t;
    const int exponente = static_cast<int>(std::floor(std::log10(std::fabs(d))));
    return UtilGeneral::SinCerosDecimales(
        QString::number(d, 'f', std::clamp(14 - exponente, 0, 330)));
}
} // namespace

namespace UtilGeneral {

QString SinCerosDecimales(QString t) {
    if (t.contains(u'.')) {
        while (t.endsWith(u'0'))
            t.chop(1);
        if (t.endsWith(u'.'))
            t.chop(1);
    }
    return t;
}

QString ValorTexto(const QVariant& valor) {
    if (!valor.isValid() || valor.isNull())
        return {};
    if (valor.typeId() == QMetaType::Double || valor.typeId() == QMetaType::Float) {
        // Whole amounts read back without a decimal part, as the suite shows them.
        const double d = valor.toDouble();
        if (std::floor(d) == d && std::fabs(d) < 1e15)
            return QString::number(static_cast<long long>(d));
        return textoDecimal(d);
    }
    return valor.toString();
}

double ValorNumero(const QString& texto) {
    const QString t = texto.trimmed();
    int i = 0;
    QString digitos;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        digitos += t[i++];
    int ultimoSeparador = -1;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit()) {
            digitos += c;
        } else if (c == u',' || c == u'.') {
            ultimoSeparador = digitos.size();
            digitos += c;
        } else {
            break;
        }
    }
    // The last separator is the decimal one; any earlier ones group thousands.
    QString limpio;
    for (int k = 0; k < digitos.size(); ++k) {
        const QChar c = digitos[k];
        if (c == u',' || c == u'.') {
            if (k == ultimoSeparador)
                limpio += u'.';
        } else {
            limpio += c;
        }
    }
    bool ok = false;
    const double v = limpio.toDouble(&ok);
    if (!ok)
        return 0.0;
    return std::round(v * 10000.0) / 10000.0;
}

QString CarpetaConBarra(const QString& carpeta) {
    if (carpeta.isEmpty() || carpeta.endsWith(u'/') || carpeta.endsWith(u'\\'))
        return carpeta;
    return carpeta + u'/';
}

QString QuitarCaracteres(const QString& texto, const QString& caracteres) {
    QString r;
    r.reserve(texto.size());
    for (const QChar c : texto)
        if (!caracteres.contains(c))
            r += c;
    return r;
}

QString Reemplazar(const QString& texto, const QString& viejo, const QString& nuevo) {
    if (viejo.isEmpty())
        return texto;
    QString r = texto;
    return r.replace(viejo, nuevo, Qt::CaseInsensitive);
}

QString Recortar(const QString& texto, int n) {
    return texto.left(std::max(0, n));
}

QString AlinearDerecha(const QString& texto, int ancho) {
    return texto.rightJustified(ancho, u' ', false);
}

int ContarPalabras(const QString& texto) {
    return static_cast<int>(texto.split(u' ', Qt::SkipEmptyParts).size());
}

namespace {
// Key stream of the cipher: each byte of the text is mixed with the key and
// with its position, so equal characters give different cipher bytes.
constexpr char kClave[] = "QdPrint2-Tarquel";
unsigned char mezcla(int i) {
    return static_cast<unsigned char>(kClave[i % (sizeof(kClave) - 1)] + 31 * i);
}
} // namespace

QString Encriptar(const QString& texto) {
    const QByteArray bytes = texto.toUtf8();
    QByteArray c;
    c.reserve(bytes.size());
    for (int i = 0; i < bytes.size(); ++i)
        c.append(static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ mezcla(i)));
    return QString::fromLatin1(c.toHex().toUpper());
}

QString Desencriptar(const QString& cifrado) {
    const QString t = cifrado.trimmed();
    static const QRegularExpression hex(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    if (!hex.match(t).hasMatch())
        return t; // not written by the cipher: taken as plain text
    const QByteArray c = QByteArray::fromHex(t.toLatin1());
    QByteArray bytes;
    bytes.reserve(c.size());
    for (int i = 0; i < c.size(); ++i)
        bytes.append(static_cast<char>(static_cast<unsigned char>(c[i]) ^ mezcla(i)));
    return QString::fromUtf8(bytes);
}

QDate LeerFecha(const QString& texto) {
    const QString t = texto.trimmed();
    static const QRegularExpression dmy(
        QStringLiteral("^(\\d{1,2})[/\\-.](\\d{1,2})[/\\-.](\\d{2}|\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})"));
    QRegularExpressionMatch m = dmy.match(t);
    if (m.hasMatch()) {
        int anio = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            anio += anio < 50 ? 2000 : 1900; // two-digit years: 00-49 this century
        return QDate(anio, m.captured(2).toInt(), m.captured(1).toInt());
    }
    m = iso.match(t);
    if (m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return {};
}

QString LiteralFecha(const QString& fecha, MotorBD motor) {
    const QDate d = LeerFecha(fecha);
    if (!d.isValid()) {
        // Not a date: a literal that compares with nothing rather than text
        // that could change the statement.
        return QStringLiteral("NULL");
    }
    switch (motor) {
    case MotorBD::SqlServer:
        return QStringLiteral("'") + d.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("'");
    case MotorBD::Oracle:
        return QStringLiteral("TO_DATE('") + d.toString(QStringLiteral("dd/MM/yyyy")) +
               QStringLiteral("','DD/MM/YYYY')");
    case MotorBD::Sqlite:
        return QStringLiteral("'") + d.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("'");
    }
    return QStringLiteral("NULL");
}

QString Calendario(const QString& inicial) {
    return dialogos().Calendario(inicial);
}

QString AjustarAncho(const QString& texto, int anchoPixeles, const QFont& fuente) {
    return QFontMetrics(fuente).elidedText(texto, Qt::ElideRight, anchoPixeles);
}

int DialogoError(const ErrorVB& error, int botones, const QString& rutina) {
    QString titulo = QStringLiteral("Aviso al operador");
    if (!rutina.isEmpty())
        titulo += QStringLiteral(" - ") + rutina;
    const QString texto = QStringLiteral("Error ") + QString::number(error.numero) +
                          QStringLiteral(": ") + error.descripcion.trimmed();
    return dialogos().Mensaje(texto, botones, titulo);
}

} // namespace UtilGeneral
