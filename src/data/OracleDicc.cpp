#include "OracleDicc.h"
#include "TextoSql.h"
#include "UtilGeneral.h"
#include <QDate>
#include <QStringView>

namespace OracleDicc {
namespace {
using TextoSql::ReemplazarSinCaso;

int buscar(const QString& t, const QString& s, int desde = 0) {
    return static_cast<int>(t.indexOf(s, desde, Qt::CaseInsensitive));
}

QString reglaTop(const QString& texto) {
    if (buscar(texto, QStringLiteral("top ")) < 0)
        return texto;
    const int top = buscar(texto, QStringLiteral("top"));
    const QString cabeza = texto.left(top);
    int i = top + 3;
    while (i < texto.size() && texto[i] == u' ')
        ++i;
    int fin = i;
    while (fin < texto.size() && texto[fin] != u' ')
        ++fin;
    const QString cantidad = texto.mid(i, fin - i);
    QString resto = texto.mid(fin);
    QString cola;
    int corte = buscar(resto, QStringLiteral(" GROUP BY "));
    if (corte < 0)
        corte = buscar(resto, QStringLiteral("ORDER BY "));
    if (corte >= 0) {
        cola = resto.mid(corte);
        resto = resto.left(corte);
    }
    const QString limite = buscar(resto, QStringLiteral(" WHERE ")) < 0
                               ? QStringLiteral(" WHERE ROWNUM <= ") + cantidad
                               : QStringLiteral(" AND ROWNUM <= ") + cantidad;
    return cabeza + u' ' + resto + u' ' + limite + u' ' + cola;
}

// The content of a literal as a day-month-year date written with "/" or "-"
// (d/m/yy, d/m/yyyy, dd/mm/yyyy, the same separator twice); an invalid date
// when it is anything else, so codes such as "1.1.01" stay texts.
QDate fechaDiaMesAnio(QStringView t) {
    int i = 0;
    auto numero = [&](int minimo, int maximo, int& valor) {
        const int desde = i;
        valor = 0;
        while (i < t.size() && i - desde < maximo && t[i] >= u'0' && t[i] <= u'9')
            valor = valor * 10 + (t[i++].unicode() - u'0');
        return i - desde >= minimo;
    };
    int dia = 0;
    int mes = 0;
    int anio = 0;
    if (!numero(1, 2, dia) || i >= t.size() || (t[i] != u'/' && t[i] != u'-'))
        return {};
    const QChar separador = t[i++];
    if (!numero(1, 2, mes) || i >= t.size() || t[i] != separador)
        return {};
    ++i;
    const int inicioAnio = i;
    if (!numero(2, 4, anio) || i != t.size() || i - inicioAnio == 3)
        return {};
    if (i - inicioAnio == 2)
        anio += anio < 50 ? 2000 : 1900; // two-digit years: 00-49 this century
    return QDate(anio, mes, dia);
}

// True when the text written so far ends in "TO_DATE(" (blanks after the
// parenthesis allowed): the literal that follows is wrapped already.
bool trasToDate(const QString& r) {
    qsizetype j = r.size();
    while (j > 0 && r[j - 1] == u' ')
        --j;
    static const QString kToDate = QStringLiteral("TO_DATE(");
    return j >= kToDate.size() && QStringView(r)
                                          .mid(j - kToDate.size(), kToDate.size())
                                          .compare(kToDate, Qt::CaseInsensitive) == 0;
}

// One pass from left to right over the quoted literals (an apostrophe doubled
// inside one is part of it); a date literal becomes TO_DATE of the date
// written DD/MM/YYYY, or only that date when it is wrapped already. An
// apostrophe never closed leaves the rest of the text as it is.
QString reglaFechas(const QString& t) {
    QString r;
    r.reserve(t.size() + t.size() / 2);
    qsizetype i = 0;
    while (i < t.size()) {
        const qsizetype abre = t.indexOf(u'\'', i);
        if (abre < 0) {
            r += QStringView(t).mid(i);
            break;
        }
        r += QStringView(t).mid(i, abre - i);
        qsizetype cierra = t.indexOf(u'\'', abre + 1);
        while (cierra >= 0 && cierra + 1 < t.size() && t[cierra + 1] == u'\'')
            cierra = t.indexOf(u'\'', cierra + 2);
        if (cierra < 0) {
            r += QStringView(t).mid(abre);
            break;
        }
        const QDate d = fechaDiaMesAnio(QStringView(t).mid(abre + 1, cierra - abre - 1));
        if (!d.isValid()) {
            r += QStringView(t).mid(abre, cierra - abre + 1);
        } else {
            const QString fecha = u'\'' + d.toString(QStringLiteral("dd/MM/yyyy")) + u'\'';
            r += trasToDate(r)
                     ? fecha
                     : QStringLiteral("TO_DATE(") + fecha + QStringLiteral(",'DD/MM/YYYY')");
        }
        i = cierra + 1;
    }
    return r;
}

QString reglaVacios(const QString& t) {
    const int w = buscar(t, QStringLiteral("WHERE "));
    if (w < 0)
        return t;
    QString cola = t.mid(w);
    cola = ReemplazarSinCaso(cola, QStringLiteral("= ''"), QStringLiteral(" IS NULL "));
    cola = ReemplazarSinCaso(cola, QStringLiteral("=''"), QStringLiteral(" IS NULL "));
    return t.left(w) + cola;
}

// Each "103" whose nearest opening parenthesis before it belongs to
// "TO_CHAR(" becomes the format 'DD/MM/YYYY'; one pass, remembering that
// parenthesis on the way.
QString regla103(const QString& t) {
    static const QString kToChar = QStringLiteral("TO_CHAR(");
    QString r;
    r.reserve(t.size());
    bool enToChar = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == u'(') {
            enToChar =
                i + 1 >= kToChar.size() && QStringView(t)
                                                   .mid(i + 1 - kToChar.size(), kToChar.size())
                                                   .compare(kToChar, Qt::CaseInsensitive) == 0;
        } else if (enToChar && QStringView(t).mid(i, 3) == u"103") {
            r += QStringLiteral("'DD/MM/YYYY'");
            i += 2;
            continue;
        }
        r += t[i];
    }
    return r;
}
} // namespace

QString Traducir(const QString& valor) {
    if (UtilGeneral::ContarPalabras(valor) < 2)
        return valor.toUpper() == QLatin1String("LEN") ? QStringLiteral("LENGTH") : valor;
    QString t = reglaTop(valor);
    for (const char* l : {" LEN(", " LEN (", " LEN  (", " LEN   (", " LEN    ("})
        t = ReemplazarSinCaso(t, QString::fromLatin1(l), QStringLiteral(" LENGTH("));
    t.replace(u'[', u'"').replace(u']', u'"');
    t = reglaFechas(t);
    t = ReemplazarSinCaso(t, QStringLiteral("Charindex"), QStringLiteral("InStr"));
    t = ReemplazarSinCaso(t, QStringLiteral("CONVERT(NVARCHAR,"), QStringLiteral("TO_CHAR("));
    t = ReemplazarSinCaso(t, QStringLiteral("CONVERT(INT,"), QStringLiteral("TO_NUMBER("));
    t = reglaVacios(t);
    t = regla103(t);
    t = ReemplazarSinCaso(t, QStringLiteral("SUBSTRING("), QStringLiteral("SUBSTR("));
    t = ReemplazarSinCaso(t, QStringLiteral("ISNULL("), QStringLiteral("NVL("));
    return t;
}

QStringList PartirScript(const QString& script) {
    QString t = script;
    const std::pair<const char*, const char*> normal[] = {
        {"SET NOCOUNT ON", ""},
        {"SET NOCOUNT OFF", ""},
        {" GO ", " "},
        {"\r\nGO ", " "},
        {"\r\nGO ", " "},
        {"\r\nGO\r\n", " "},
        {"\r", " "},
        {"\r\n", " "},
        {"BEGIN TRANSACTION", "SET TRANSACTION"},
        {"BEGIN TRANS", "SET TRANSACTION"},
        {"COMMIT TRANSACTION", "COMMIT"},
        {"COMMIT TRANS", "COMMIT"},
        {"ROLLBACK TRANSACTION", "ROLLBACK"},
        {"ROLLBACK TRANS", "ROLLBACK"},
    };
    for (const auto& [de, a] : normal)
        t = ReemplazarSinCaso(t, QString::fromLatin1(de), QString::fromLatin1(a));
    static const char* kClaves[] = {"INSERT ",  "DELETE ",      "UPDATE ",         "CREATE ",
                                    "DROP ",    "ALTER ",       "SET TRANSACTION", "COMMIT",
                                    "ROLLBACK", "IF NOT EXIST", "IF EXIST",        "GRANT "};
    constexpr int kNoEncontrado = 1999999;
    auto primera = [&](int desde) {
        int menor = kNoEncontrado;
        for (const char* c : kClaves) {
            const int p = buscar(t, QString::fromLatin1(c), desde);
            if (p >= 0 && p < menor)
                menor = p;
        }
        return menor;
    };
    QStringList r;
    for (;;) {
        const int inicio = primera(0);
        if (inicio == kNoEncontrado)
            break;
        const int siguiente = primera(inicio + 1);
        const int fin = siguiente == kNoEncontrado ? static_cast<int>(t.size()) : siguiente;
        r << t.mid(inicio, fin - inicio).trimmed();
        t = t.mid(fin);
    }
    return r;
}

QString FiltrarSentencia(QString& sentencia) {
    if (buscar(sentencia, QStringLiteral("SET NOCOUNT")) >= 0 ||
        buscar(sentencia, QStringLiteral("IF NOT EXIST")) >= 0)
        sentencia.clear();
    return sentencia;
}

} // namespace OracleDicc
