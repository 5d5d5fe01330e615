#include "OracleDicc.h"
#include "TextoSql.h"
#include "UtilGeneral.h"
#include <QDate>

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

QString reglaFechas(QString t) {
    int p = static_cast<int>(t.indexOf(u'\''));
    while (p >= 0) {
        const int q = static_cast<int>(t.indexOf(u'\'', p + 1));
        if (q < 0)
            break;
        const QString contenido = t.mid(p + 1, q - p - 1);
        const QDate d = UtilGeneral::LeerFecha(contenido);
        int siguiente = q + 1;
        if (d.isValid()) {
            const QString nuevo = QStringLiteral("TO_DATE('") +
                                  d.toString(QStringLiteral("dd/MM/yyyy")) +
                                  QStringLiteral("','DD/MM/YYYY')");
            t.replace(u'\'' + contenido + u'\'', nuevo);
            siguiente = p + static_cast<int>(nuevo.size());
        }
        p = static_cast<int>(t.indexOf(u'\'', siguiente));
    }
    while (buscar(t, QStringLiteral("TO_DATE(TO_DATE(")) >= 0) {
        t = ReemplazarSinCaso(t, QStringLiteral("TO_DATE(TO_DATE("), QStringLiteral("TO_DATE("));
        t = ReemplazarSinCaso(t, QStringLiteral("'DD/MM/YYYY'),'DD/MM/YYYY')"),
                              QStringLiteral("'DD/MM/YYYY')"));
    }
    return t;
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

QString regla103(QString t) {
    int p = static_cast<int>(t.indexOf(QStringLiteral("103")));
    while (p >= 0) {
        const int abre = static_cast<int>(t.lastIndexOf(u'(', p));
        int siguiente = p + 3;
        if (abre >= 0 && t.left(abre + 1).toUpper().endsWith(QStringLiteral("TO_CHAR("))) {
            t.replace(p, 3, QStringLiteral("'DD/MM/YYYY'"));
            siguiente = p + 12;
        }
        p = static_cast<int>(t.indexOf(QStringLiteral("103"), siguiente));
    }
    return t;
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
