#include "ArchivoSkin.h"
#include "TextoDeArchivo.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaEnum>
#include <QRegularExpression>

namespace {

// Skins are small; anything bigger is not one.
constexpr qint64 kTamanoMaximo = 1 << 20;

void fallo(QString* error, const QString& texto) {
    if (error != nullptr)
        *error = texto;
}

// The name of a section header line, or a null string when it is none.
QString seccion(const QString& linea) {
    const QString t = linea.trimmed();
    if (!t.startsWith(u'[') || !t.endsWith(u']'))
        return {};
    return t.mid(1, t.size() - 2).trimmed();
}

QColor mezcla(const QColor& a, const QColor& b, double parteDeB) {
    const double p = 1.0 - parteDeB;
    return QColor::fromRgbF(static_cast<float>(a.redF() * p + b.redF() * parteDeB),
                            static_cast<float>(a.greenF() * p + b.greenF() * parteDeB),
                            static_cast<float>(a.blueF() * p + b.blueF() * parteDeB));
}

// Braces balanced and comments closed, outside quoted text: Qt ignores the
// whole sheet otherwise, so such a skin would show half its look.
bool hojaCompleta(const QString& hoja) {
    int nivel = 0;
    QChar comilla;
    for (qsizetype i = 0; i < hoja.size(); ++i) {
        const QChar c = hoja[i];
        if (!comilla.isNull()) {
            if (c == comilla)
                comilla = QChar();
            continue;
        }
        if (c == u'/' && i + 1 < hoja.size() && hoja[i + 1] == u'*') {
            const qsizetype fin = hoja.indexOf(QStringLiteral("*/"), i + 2);
            if (fin < 0)
                return false;
            i = fin + 1;
        } else if (c == u'"' || c == u'\'') {
            comilla = c;
        } else if (c == u'{') {
            ++nivel;
        } else if (c == u'}') {
            if (--nivel < 0)
                return false;
        }
    }
    return nivel == 0 && comilla.isNull();
}

// The disabled texts halfway to their surface, so that a disabled button does
// not read as an enabled one.
void textosDesactivados(QPalette& p) {
    const QPair<QPalette::ColorRole, QPalette::ColorRole> pares[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button}};
    for (const auto& [texto, fondo] : pares)
        p.setColor(QPalette::Disabled, texto,
                   mezcla(p.color(QPalette::Active, texto), p.color(QPalette::Active, fondo), 0.5));
}

} // namespace

std::optional<QPalette::ColorRole> RolDeNombre(const QString& nombre) {
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    for (int i = 0; i < roles.keyCount(); ++i) {
        const auto rol = static_cast<QPalette::ColorRole>(roles.value(i));
        if (rol == QPalette::NoRole || rol == QPalette::NColorRoles)
            continue;
        if (nombre.trimmed().compare(QLatin1String(roles.key(i)), Qt::CaseInsensitive) == 0)
            return rol;
    }
    return std::nullopt;
}

QColor LeerColor(const QString& texto) {
    const QString t = texto.trimmed();
    const QStringList partes = t.split(u',');
    if (partes.size() == 3) {
        int v[3];
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            v[i] = partes[i].trimmed().toInt(&ok);
            if (!ok || v[i] < 0 || v[i] > 255)
                return {};
        }
        return QColor(v[0], v[1], v[2]);
    }
    if (t.isEmpty() || !QColor::isValidColorName(t))
        return {};
    return QColor::fromString(t);
}

QString ConRutasDesde(const QString& hoja, const QString& carpeta) {
    static const QRegularExpression url(QStringLiteral("url\\(\\s*([\"']?)([^\"')]+)\\1\\s*\\)"));
    QString r;
    qsizetype desde = 0;
    for (auto it = url.globalMatch(hoja); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString ruta = m.captured(2).trimmed();
        r += hoja.mid(desde, m.capturedStart() - desde);
        // Qt's resources (":/...") and absolute paths stay as written.
        if (ruta.startsWith(u':') || !QDir::isRelativePath(ruta))
            r += m.captured(0);
        else
            r += QStringLiteral("url(\"%1\")").arg(QDir(carpeta).absoluteFilePath(ruta));
        desde = m.capturedEnd();
    }
    return r + hoja.mid(desde);
}

QString RutaArchivoSkin(const QString& ruta, const QString& ajustes) {
    if (ajustes.trimmed().isEmpty())
        return ruta;
    return QDir(ruta).filePath(ajustes.trimmed());
}

std::optional<Skin> ParsearSkin(const QString& texto, QString* error) {
    Skin s;
    QString actual;
    bool conCabecera = false;
    bool conPaleta = false;
    bool conEstilo = false;
    QStringList lineas =
        QString(texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    for (qsizetype n = 0; n < lineas.size(); ++n) {
        const QString& linea = lineas[n];
        const QString nombreSeccion = seccion(linea);
        if (!nombreSeccion.isNull()) {
            actual = nombreSeccion.toLower();
            if (actual == QLatin1String("skin")) {
                conCabecera = true;
            } else if (actual == QLatin1String("paleta")) {
                conPaleta = true;
            } else if (actual == QLatin1String("estilo")) {
                conEstilo = true;
                s.hoja = lineas.mid(n + 1).join(u'\n');
                break;
            } else {
                fallo(error, QStringLiteral("línea %1: sección desconocida [%2]")
                                 .arg(n + 1)
                                 .arg(nombreSeccion));
                return std::nullopt;
            }
            continue;
        }
        const QString t = linea.trimmed();
        if (t.isEmpty() || t.startsWith(u';'))
            continue;
        const qsizetype igual = t.indexOf(u'=');
        if (igual < 0 || actual.isEmpty()) {
            fallo(error, QStringLiteral("línea %1: se esperaba clave = valor").arg(n + 1));
            return std::nullopt;
        }
        const QString clave = t.left(igual).trimmed();
        const QString valor = t.mid(igual + 1).trimmed();
        if (actual == QLatin1String("skin")) {
            if (clave.compare(QLatin1String("Nombre"), Qt::CaseInsensitive) == 0)
                s.nombre = valor;
            continue;
        }
        const std::optional<QPalette::ColorRole> rol = RolDeNombre(clave);
        const QColor color = LeerColor(valor);
        if (!rol || !color.isValid()) {
            fallo(error,
                  QStringLiteral("línea %1: %2 no es un rol con un color").arg(n + 1).arg(t));
            return std::nullopt;
        }
        s.colores.append({*rol, color});
    }
    if (!conCabecera || !conPaleta || !conEstilo) {
        fallo(error, QStringLiteral("faltan las secciones [Skin], [Paleta] o [Estilo]"));
        return std::nullopt;
    }
    auto color = [&](QPalette::ColorRole rol) -> std::optional<QColor> {
        for (const auto& [r, c] : s.colores)
            if (r == rol)
                return c;
        return std::nullopt;
    };
    for (const QPalette::ColorRole rol : kRolesObligatorios) {
        if (!color(rol)) {
            fallo(error, QStringLiteral("la paleta no nombra %1")
                             .arg(QLatin1String(
                                 QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(rol))));
            return std::nullopt;
        }
    }
    if (!hojaCompleta(s.hoja)) {
        fallo(error, QStringLiteral("la hoja de estilo tiene llaves o comentarios sin cerrar"));
        return std::nullopt;
    }
    // The shades of frames and bevels follow the button and window colours,
    // the roles named in the file are taken as written.
    s.paleta = QPalette(*color(QPalette::Button), *color(QPalette::Window));
    s.paleta.setColor(QPalette::PlaceholderText,
                      mezcla(*color(QPalette::Text), *color(QPalette::Base), 0.4));
    s.paleta.setColor(QPalette::AlternateBase, *color(QPalette::Base));
    for (const auto& [rol, c] : s.colores)
        s.paleta.setColor(rol, c);
    textosDesactivados(s.paleta);
    return s;
}

std::optional<Skin> LeerSkin(const QString& ruta, const QString& ajustes, QString* error) {
    const QString archivo = RutaArchivoSkin(ruta, ajustes);
    const QFileInfo info(archivo);
    if (archivo.trimmed().isEmpty() || !info.isFile()) {
        fallo(error, QStringLiteral("no existe el archivo %1").arg(archivo));
        return std::nullopt;
    }
    if (info.size() > kTamanoMaximo) {
        fallo(error, QStringLiteral("%1 es demasiado grande para ser un skin").arg(archivo));
        return std::nullopt;
    }
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly)) {
        fallo(error, QStringLiteral("no se puede leer %1").arg(archivo));
        return std::nullopt;
    }
    const QByteArray datos = f.readAll();
    // UTF-8 as the skins are shipped; a file saved in the workstation's code
    // page reads as Latin-1.
    const QString texto = TextoDeArchivo(datos);
    if (texto.contains(QChar(0))) {
        fallo(error, QStringLiteral("%1 no es un archivo de texto").arg(archivo));
        return std::nullopt;
    }
    std::optional<Skin> s = ParsearSkin(texto, error);
    if (s)
        s->hoja = ConRutasDesde(s->hoja, info.absolutePath());
    return s;
}
