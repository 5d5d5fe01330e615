#include "ServidorAcceso.h"
#include "MotorSqlite.h"
#include "UtilGeneral.h"
#include <cmath>

namespace ServidorAcceso {
namespace {
// The port box's number when it is a port other than SQL Server's default.
QString PuertoNoHabitual(const QString& puerto) {
    const double v = UtilGeneral::ValorNumero(puerto);
    if (v <= 0 || v > 65535 || v == kPuertoSqlServer)
        return {};
    return QString::number(std::lround(std::floor(v)));
}

// A server whose port must not be touched: a folder, Oracle, or empty.
bool SinPuerto(const QString& s, int plataforma) {
    return s.isEmpty() || plataforma > 0 || s.contains(u'#') || EsCarpeta(s);
}
} // namespace

bool EsCarpeta(const QString& servidor) {
    return MotorSqlite::EsCarpetaLocal(servidor);
}

QString NombreServidor(const QString& servidor) {
    QString s = servidor.trimmed().toUpper();
    if (!EsCarpeta(s) && s.contains(u':'))
        s = s.left(s.indexOf(u':'));
    return s;
}

ServidorYPuerto SepararPuerto(const QString& servidor) {
    if (EsCarpeta(servidor) || !servidor.contains(u':'))
        return {servidor, QString()};
    const qsizetype dosPuntos = servidor.indexOf(u':');
    return {servidor.left(dosPuntos).trimmed().toUpper(), servidor.mid(dosPuntos + 1)};
}

QString ServidorConexion(const QString& servidor, const QString& puerto, int plataforma) {
    const QString s = servidor.trimmed();
    if (SinPuerto(s, plataforma) || s.contains(u','))
        return s;
    if (s.contains(u':')) {
        const qsizetype dosPuntos = s.indexOf(u':');
        const QString host = s.left(dosPuntos).trimmed();
        const QString p = s.mid(dosPuntos + 1).trimmed();
        return p.isEmpty() ? host : host + u',' + p;
    }
    const QString p = PuertoNoHabitual(puerto);
    return p.isEmpty() ? s : s + u',' + p;
}

QString ServidorRegistro(const QString& servidor, const QString& puerto, int plataforma) {
    const QString s = servidor.trimmed();
    if (SinPuerto(s, plataforma) || s.contains(u',') || s.contains(u':'))
        return s;
    const QString p = PuertoNoHabitual(puerto);
    return p.isEmpty() ? s : s + u':' + p;
}

} // namespace ServidorAcceso
