#include "ModUtilVexBar.h"
#include "InfoSistema.h"
#include "LectorIni.h"
#include "Programa.h"
#include <QRegularExpression>
#include <cmath>

namespace ModUtilVexBar {
namespace {
const QString archivoIni = QStringLiteral("cn000pr.ini");

QString Entorno(const char* nombre) {
    return qEnvironmentVariable(nombre).trimmed();
}

// The leading number of a text, as the settings values are read ("7", " 3x").
bool NumeroInicial(const QString& texto, double& valor) {
    static const QRegularExpression numero(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)"));
    const QRegularExpressionMatch m = numero.match(texto.trimmed());
    if (!m.hasMatch())
        return false;
    valor = m.captured(0).toDouble();
    return true;
}
} // namespace

QString AgregarBarraFinal(const QString& ruta) {
    if (ruta.trimmed().isEmpty())
        return {};
    if (ruta.endsWith(u'\\') || ruta.endsWith(u'/'))
        return ruta;
    return ruta + u'/';
}

QString UsuarioContexto() {
    const QString u = Entorno("USERNAME");
    return u.isEmpty() ? QStringLiteral("DEFAULT") : u;
}

QString BaseContexto() {
    QString b = ParametroLinea(QStringLiteral("@dbname"));
    if (b.isEmpty())
        b = ParametroLinea(QStringLiteral("@DbName"));
    for (const char* variable : {"QMR_DBNAME", "GDBNAME", "DBNAME"}) {
        if (!b.isEmpty())
            break;
        b = Entorno(variable);
    }
    return b.isEmpty() ? QStringLiteral("DEFAULT") : b;
}

QString ParametroLinea(const QString& nombre) {
    const QString cmd = Programa::LineaComando().trimmed();
    const QString n = nombre.trimmed();
    if (cmd.isEmpty() || n.isEmpty())
        return {};
    const int p = cmd.toUpper().indexOf(n.toUpper());
    if (p < 0)
        return {};
    const QString resto = cmd.mid(p + n.size()).trimmed();
    if (!resto.startsWith(u'='))
        return {};
    QString v = resto.mid(1).trimmed();
    const int puntoComa = v.indexOf(u';');
    if (puntoComa >= 0)
        v = v.left(puntoComa);
    v = v.trimmed();
    if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"'))
        v = v.mid(1, v.size() - 2);
    return v.trimmed();
}

QString RutaIni(const QString& archivo) {
    if (archivo.trimmed().isEmpty())
        return {};
    if (!archivo.contains(u'/') && !archivo.contains(u'\\'))
        return AgregarBarraFinal(Programa::Carpeta()) + archivo;
    return archivo;
}

QString LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                const QString& porDefecto) {
    const QString ruta = RutaIni(archivo);
    if (ruta.isEmpty())
        return porDefecto;
    // The settings reader of the original reads into a buffer of 1024 characters.
    const QString v = LectorIni::LeerValor(ruta, seccion, clave, QString()).left(1023);
    return v.isEmpty() ? porDefecto : v;
}

int LeerNumeroEstilo(const QString& archivo, const QString& seccion) {
    if (seccion.trimmed().isEmpty())
        return -1;
    const QString v = LeerIni(archivo, seccion, QStringLiteral("Styles"), QString()).trimmed();
    if (v.isEmpty())
        return -1;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        return -1;
    const int n = qRound(d);
    return n < 0 || n >= 100 ? -1 : n;
}

QString PrimeraSeccionEstilos(const QString& archivo) {
    const QString ruta = RutaIni(archivo);
    if (ruta.isEmpty())
        return {};
    for (const QString& s : LectorIni::Secciones(ruta)) {
        if (s.endsWith(QLatin1String("STYLES"), Qt::CaseInsensitive))
            return s;
    }
    return {};
}

QString SeccionEstilos(const QString& archivo, const QString& usuario, const QString& base) {
    const QString U = usuario.trimmed().toUpper();
    const QString D = base.trimmed().toUpper();
    const QString C = Entorno("COMPUTERNAME").toUpper();
    QStringList candidatas;
    if (!U.isEmpty()) {
        candidatas << U + QStringLiteral("Styles");
        if (!C.isEmpty())
            candidatas << C + u'|' + U + QStringLiteral("Styles");
    }
    if (!U.isEmpty() && !D.isEmpty()) {
        candidatas << U + u'_' + D + QStringLiteral("Styles");
        if (!C.isEmpty())
            candidatas << C + u'|' + U + u'_' + D + QStringLiteral("Styles");
    }
    if (!D.isEmpty())
        candidatas << D + u'_' + D + QStringLiteral("Styles");
    for (const QString& s : candidatas) {
        if (LeerNumeroEstilo(archivo, s) >= 0)
            return s;
    }
    return PrimeraSeccionEstilos(archivo);
}

int LeerEstiloBarra(const QString& usuario, const QString& base) {
    const QString U =
        usuario.trimmed().isEmpty() ? UsuarioContexto().toUpper() : usuario.trimmed().toUpper();
    const QString D =
        base.trimmed().isEmpty() ? BaseContexto().toUpper() : base.trimmed().toUpper();
    const QString s = SeccionEstilos(archivoIni, U, D);
    QString v;
    if (!s.trimmed().isEmpty())
        v = LeerIni(archivoIni, s, QStringLiteral("Styles"), QString()).trimmed();
    if (v.isEmpty()) {
        // The component library's reader on the Windows user's own section. Only a
        // value present in the file counts: its default "0" would otherwise make
        // the steps below unreachable and give style 1 without any settings.
        v = LectorIni::LeerValor(RutaIni(archivoIni),
                                 InfoSistema::UsuarioWindows().toUpper() + QStringLiteral("Styles"),
                                 QStringLiteral("Styles"), QString())
                .trimmed();
    }
    if (v.isEmpty())
        v = LeerIni(archivoIni, QStringLiteral("UtilVexBar_") + D, QStringLiteral("Estilo"),
                    QString())
                .trimmed();
    if (v.isEmpty())
        v = QStringLiteral("4");
    double d = 0;
    if (!NumeroInicial(v, d))
        d = 0;
    return MapearEstilo(static_cast<int>(std::floor(d)));
}

int MapearEstilo(int n) {
    switch (n) {
    case 0:
        return 1;
    case 2:
        return 3;
    case 3:
        return 4;
    case 4:
        return 5;
    default:
        return 2;
    }
}

QString FuenteIni() {
    const QString seccion =
        UsuarioContexto().toUpper() + u'_' + BaseContexto().toUpper() + QStringLiteral("Font");
    const QString nombre =
        LeerIni(archivoIni, seccion, QStringLiteral("Font"), QStringLiteral("Segoe UI")).trimmed();
    return nombre.isEmpty() ? QStringLiteral("Segoe UI") : nombre;
}

} // namespace ModUtilVexBar
