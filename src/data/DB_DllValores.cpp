// Value formatting and name helpers of the data-access class: pure text
// functions, none of them touches the database.
#include "DB_Dll.h"
#include "TextoSql.h"
#include "UtilGeneral.h"
#include <algorithm>
#include <initializer_list>

namespace {
bool en(const QVariant& tipo, std::initializer_list<int> tipos) {
    bool ok = false;
    const int t = tipo.toInt(&ok);
    return ok && std::find(tipos.begin(), tipos.end(), t) != tipos.end();
}
} // namespace

bool DB_Dll::adodate(const QVariant& Qtype) {
    return en(Qtype, {7, 133, 137, 134, 135, 64});
}
bool DB_Dll::ADOText(const QVariant& Qtype) {
    return en(Qtype, {8, 201, 203, 200, 202, 130, 129});
}
bool DB_Dll::ADONumeric(const QVariant& Qtype) {
    return en(Qtype, {20, 14, 5, 3, 131, 4, 2, 16, 21, 19, 18, 17});
}
bool DB_Dll::ADOCurrency(const QVariant& Qtype) {
    return en(Qtype, {6});
}
bool DB_Dll::ADOBoolean(const QVariant& Qtype) {
    return en(Qtype, {11});
}

QString DB_Dll::ADOComilla(const QVariant& Qtype) {
    return adodate(Qtype) || ADOText(Qtype) ? QStringLiteral("'") : QString();
}

QString DB_Dll::SQLValue(const QVariant& Valor, const QString& Tipo) {
    const bool nulo = !Valor.isValid() || Valor.isNull();
    if (Tipo == QLatin1String("@")) {
        // Four decimals at most, written without trailing zeros, always with
        // a decimal point.
        const double n = nulo ? 0.0 : UtilGeneral::ValorNumero(UtilGeneral::ValorTexto(Valor));
        QString t = UtilGeneral::SinCerosDecimales(QString::number(n, 'f', 4));
        if (t == QLatin1String("-0"))
            t = QStringLiteral("0");
        return UtilGeneral::Reemplazar(t, QStringLiteral(","), QStringLiteral("."));
    }
    // The quoted form doubles the value's own apostrophes: nothing in it can
    // end the literal.
    if (Tipo == QLatin1String("'"))
        return nulo ? QStringLiteral("NULL") : TextoSql::Literal(Valor.toString());
    return nulo ? QStringLiteral("NULL") : Valor.toString();
}

QString DB_Dll::SQLValue2(const QVariant& Valor, const QString& Tipo) {
    return SQLValue(Valor, Tipo);
}

QString DB_Dll::stSTF(QString& rsName, std::int16_t rnPart) {
    const int punto = rsName.indexOf(u'.');
    if (punto < 0)
        return rsName;
    if (rsName.indexOf(u'.', punto + 1) < 0)
        return rnPart != 0 ? rsName.mid(punto + 1) : rsName.left(punto);
    rsName = StripOwner(rsName);
    return rsName;
}

QString DB_Dll::AddBrackets(const QString& rObjName) {
    if (rObjName.contains(u' ') && !rObjName.startsWith(u'['))
        return u'[' + rObjName + u']';
    return rObjName;
}

QString DB_Dll::StripConnect(const QString& rsTblName) {
    const int flecha = rsTblName.indexOf(QStringLiteral("->"));
    if (flecha < 0)
        return rsTblName;
    return rsTblName.left(std::max(0, flecha - 1));
}

QString DB_Dll::StripBrackets(const QString& rsObjName) {
    if (rsObjName.startsWith(u'['))
        return rsObjName.mid(1, rsObjName.size() - 2);
    return rsObjName;
}

QString DB_Dll::StripOwner(QString& rsTblName) {
    const int punto = rsTblName.indexOf(u'.');
    if (punto >= 0)
        rsTblName = rsTblName.mid(punto + 1);
    return rsTblName;
}

QString DB_Dll::StripFileName(const QString& rsFileName) {
    const int barra = rsFileName.lastIndexOf(u'\\');
    return barra < 0 ? QString() : rsFileName.left(barra);
}
