#include "TraduccionSqlite.h"
#include "ProcedimientosSqlite.h"
#include "UtilGeneral.h"
#include <QDate>
#include <QRegularExpression>

namespace TraduccionSqlite {
namespace {

bool esLetra(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#';
}

// Length of the string literal starting at i (a quote), doubled quotes included.
int largoLiteral(const QString& s, int i) {
    const QChar q = s[i];
    int j = i + 1;
    while (j < s.size()) {
        if (s[j] == q) {
            if (j + 1 < s.size() && s[j + 1] == q) {
                j += 2;
                continue;
            }
            return j - i + 1;
        }
        ++j;
    }
    return static_cast<int>(s.size()) - i;
}

// True when word (letters) stands at i as a whole word, letter case ignored.
bool palabraEn(const QString& s, int i, QStringView palabra) {
    if (i + palabra.size() > s.size())
        return false;
    if (QStringView(s).mid(i, palabra.size()).compare(palabra, Qt::CaseInsensitive) != 0)
        return false;
    if (i > 0 && esLetra(s[i - 1]))
        return false;
    const int fin = i + static_cast<int>(palabra.size());
    return fin >= s.size() || !esLetra(s[fin]) || !esLetra(palabra.back());
}

int saltarBlancos(const QString& s, int i) {
    while (i < s.size() && s[i].isSpace())
        ++i;
    return i;
}

// Splits the arguments of a call whose "(" is at abre; returns the position
// after the closing ")" or -1 when unbalanced.
int argumentos(const QString& s, int abre, QStringList& args) {
    int nivel = 0;
    int inicio = abre + 1;
    for (int j = abre; j < s.size(); ++j) {
        const QChar c = s[j];
        if (c == u'\'' || c == u'"') {
            j += largoLiteral(s, j) - 1;
        } else if (c == u'(') {
            ++nivel;
        } else if (c == u')') {
            if (--nivel == 0) {
                args << s.mid(inicio, j - inicio);
                return j + 1;
            }
        } else if (c == u',' && nivel == 1) {
            args << s.mid(inicio, j - inicio);
            inicio = j + 1;
        }
    }
    return -1;
}

QString fechaJet(const QString& contenido) {
    const QDate d = UtilGeneral::LeerFecha(contenido);
    if (!d.isValid())
        return {};
    return QStringLiteral("'") + d.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("'");
}

// True when the text written so far ends in a comparison operator.
bool trasComparacion(const QString& r) {
    int j = static_cast<int>(r.size()) - 1;
    while (j >= 0 && r[j].isSpace())
        --j;
    return j >= 0 && (r[j] == u'=' || r[j] == u'<' || r[j] == u'>');
}

// A closed text literal without the blanks before its closing apostrophe. A
// literal made only of blanks stays: it is compared with stored blanks.
QString sinBlancosFinales(QStringView literal) {
    if (literal.size() < 2 || literal.back() != u'\'')
        return literal.toString();
    QStringView contenido = literal.mid(1, literal.size() - 2);
    while (!contenido.isEmpty() && contenido.back() == u' ')
        contenido.chop(1);
    if (contenido.isEmpty())
        return literal.toString();
    return u'\'' + contenido.toString() + u'\'';
}

struct Reemplazo {
    const char16_t* de;
    const char16_t* a;
};
// Function names that only change their name; matched before "(".
constexpr Reemplazo kFunciones[] = {
    {u"ISNULL", u"IFNULL"},
    {u"LEN", u"LENGTH"},
    {u"SUBSTRING", u"SUBSTR"},
};

} // namespace

QString Traducir(const QString& sql) {
    // A call of a stored procedure the engine answers with its own statement.
    if (const QString respuesta = ProcedimientosSqlite::Sentencia(sql); !respuesta.isEmpty())
        return Traducir(respuesta);
    QString r;
    r.reserve(sql.size() + 16);
    QString limite; // the row limit of a TOP clause, appended at the end
    int i = 0;
    const int n = static_cast<int>(sql.size());
    // Text literals and bound values ("?") compare without regard to letter
    // case, as on the server, also against expressions such as
    // LTRIM(RTRIM(column)).
    const bool conIntercalacion =
        !sql.trimmed().startsWith(QStringLiteral("PRAGMA"), Qt::CaseInsensitive);
    auto intercalar = [&] {
        if (conIntercalacion && !QStringView(sql)
                                     .mid(saltarBlancos(sql, i))
                                     .startsWith(u"COLLATE", Qt::CaseInsensitive))
            r += i < n && esLetra(sql[i]) ? QStringLiteral(" COLLATE NOCASE ")
                                          : QStringLiteral(" COLLATE NOCASE");
    };
    // Inside the SET list of an UPDATE "=" assigns instead of comparing.
    bool asignando = false;
    while (i < n) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const int l = largoLiteral(sql, i);
            const QStringView literal = QStringView(sql).mid(i, l);
            // The server ignores trailing blanks when it compares text.
            if (c == u'\'' && !asignando && trasComparacion(r))
                r += sinBlancosFinales(literal);
            else
                r += literal;
            i += l;
            if (c == u'\'')
                intercalar();
            continue;
        }
        if (c == u'?') {
            r += c;
            ++i;
            intercalar();
            continue;
        }
        if (c == u'[') {
            // A bracketed name is copied whole; "[dbo]." is dropped.
            const int cierre = sql.indexOf(u']', i);
            const int fin = cierre < 0 ? n : cierre + 1;
            const QStringView nombre = QStringView(sql).mid(i, fin - i);
            if (nombre.compare(u"[dbo]", Qt::CaseInsensitive) == 0 && fin < n && sql[fin] == u'.') {
                i = fin + 1;
                continue;
            }
            r += nombre;
            i = fin;
            continue;
        }
        if (c == u'#') {
            // Jet date literal: #31/01/2024#.
            const int cierre = sql.indexOf(u'#', i + 1);
            if (cierre > i) {
                const QString lit = fechaJet(sql.mid(i + 1, cierre - i - 1));
                if (!lit.isEmpty()) {
                    r += lit;
                    i = cierre + 1;
                    continue;
                }
            }
        }
        if (esLetra(c) && (i == 0 || !esLetra(sql[i - 1]))) {
            // Table hint: with(nolock) / with (nolock).
            if (palabraEn(sql, i, u"with")) {
                static const QRegularExpression hint(
                    QStringLiteral("^with\\s*\\(\\s*nolock\\s*\\)"),
                    QRegularExpression::CaseInsensitiveOption);
                const auto m = hint.match(QStringView(sql).mid(i));
                if (m.hasMatch()) {
                    r += u' ';
                    i += static_cast<int>(m.capturedLength());
                    continue;
                }
            }
            if (palabraEn(sql, i, u"dbo") && i + 3 < n && sql[i + 3] == u'.') {
                i += 4;
                continue;
            }
            if (palabraEn(sql, i, u"top") && limite.isEmpty()) {
                int j = saltarBlancos(sql, i + 3);
                int k = j;
                while (k < n && sql[k].isDigit())
                    ++k;
                if (k > j) {
                    limite = sql.mid(j, k - j);
                    i = k;
                    continue;
                }
            }
            if (palabraEn(sql, i, u"getdate")) {
                const int abre = saltarBlancos(sql, i + 7);
                if (abre < n && sql[abre] == u'(') {
                    const int cierre = saltarBlancos(sql, abre + 1);
                    if (cierre < n && sql[cierre] == u')') {
                        r += QStringLiteral("datetime('now','localtime')");
                        i = cierre + 1;
                        continue;
                    }
                }
            }
            if (palabraEn(sql, i, u"charindex")) {
                const int abre = saltarBlancos(sql, i + 9);
                QStringList args;
                const int fin = abre < n && sql[abre] == u'(' ? argumentos(sql, abre, args) : -1;
                if (fin > 0 && args.size() >= 2) {
                    // CHARINDEX(what, where) is INSTR(where, what).
                    r += QStringLiteral("INSTR(") + Traducir(args[1]).trimmed() +
                         QStringLiteral(", ") + Traducir(args[0]).trimmed() + QStringLiteral(")");
                    i = fin;
                    continue;
                }
            }
            if (palabraEn(sql, i, u"left")) {
                const int abre = saltarBlancos(sql, i + 4);
                QStringList args;
                const int fin = abre < n && sql[abre] == u'(' ? argumentos(sql, abre, args) : -1;
                if (fin > 0 && args.size() == 2) {
                    // LEFT(text, n) is SUBSTR(text, 1, n).
                    r += QStringLiteral("SUBSTR(") + Traducir(args[0]).trimmed() +
                         QStringLiteral(", 1, ") + Traducir(args[1]).trimmed() + u')';
                    i = fin;
                    continue;
                }
            }
            bool hecho = false;
            for (const Reemplazo& f : kFunciones) {
                const QStringView de(f.de);
                if (palabraEn(sql, i, de)) {
                    const int abre = saltarBlancos(sql, i + static_cast<int>(de.size()));
                    if (abre < n && sql[abre] == u'(') {
                        r += QStringView(f.a);
                        i += static_cast<int>(de.size());
                        hecho = true;
                        break;
                    }
                }
            }
            if (hecho)
                continue;
            // Copy the whole word so that its tail is not matched again.
            int k = i;
            while (k < n && esLetra(sql[k]))
                ++k;
            const QStringView palabra = QStringView(sql).mid(i, k - i);
            if (palabra.compare(u"SET", Qt::CaseInsensitive) == 0)
                asignando = true;
            else if (palabra.compare(u"WHERE", Qt::CaseInsensitive) == 0 ||
                     palabra.compare(u"FROM", Qt::CaseInsensitive) == 0)
                asignando = false;
            r += palabra;
            i = k;
            continue;
        }
        r += c;
        ++i;
    }
    if (!limite.isEmpty()) {
        while (!r.isEmpty() && (r.back().isSpace() || r.back() == u';'))
            r.chop(1);
        r += QStringLiteral(" LIMIT ") + limite;
    }
    return r;
}

QStringList DividirLote(const QString& sql) {
    static const char16_t* kInicios[] = {u"BEGIN",  u"COMMIT", u"ROLLBACK", u"INSERT", u"UPDATE",
                                         u"DELETE", u"CREATE", u"DROP",     u"ALTER"};
    QStringList partes;
    QString actual;
    const int n = static_cast<int>(sql.size());
    auto cerrar = [&] {
        if (!actual.trimmed().isEmpty())
            partes << actual.trimmed();
        actual.clear();
    };
    for (int i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const int l = largoLiteral(sql, i);
            actual += QStringView(sql).mid(i, l);
            i += l - 1;
            continue;
        }
        if (c == u';') {
            cerrar();
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            const int j = saltarBlancos(sql, i);
            for (const char16_t* p : kInicios) {
                if (palabraEn(sql, j, QStringView(p))) {
                    cerrar();
                    break;
                }
            }
        }
        actual += c;
    }
    cerrar();
    // A statement that is only a SQL Server session setting has no SQLite form.
    QStringList r;
    for (const QString& p : partes)
        if (!p.startsWith(QStringLiteral("SET NOCOUNT"), Qt::CaseInsensitive))
            r << p;
    return r;
}

} // namespace TraduccionSqlite
