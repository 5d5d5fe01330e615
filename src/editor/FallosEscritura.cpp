#include "FallosEscritura.h"

namespace {
CausaFallo causaDelProveedor(const ErrorProveedor& e) {
    using namespace CodigosNativos;
    switch (e.NativeError) {
    case BaseSoloLectura:
        return CausaFallo::SoloLectura;
    case Bloqueo:
    case VictimaBloqueo:
        return CausaFallo::Ocupada;
    case DiscoLleno:
    case RegistroLleno:
        return CausaFallo::DiscoLleno;
    case ErrorDeRed:
        return CausaFallo::SinConexion;
    case PermisoDenegado:
        return CausaFallo::SinPermiso;
    default:
        break;
    }
    if (e.SQLState.startsWith(QLatin1String("08")))
        return CausaFallo::SinConexion;
    if (e.SQLState == QLatin1String("HYT00")) // the wait for a lock timed out
        return CausaFallo::Ocupada;
    return CausaFallo::Otra;
}

QString motivo(CausaFallo causa) {
    switch (causa) {
    case CausaFallo::SoloLectura:
        return QStringLiteral("la base de datos está abierta solo para lectura");
    case CausaFallo::Ocupada:
        return QStringLiteral("la base de datos está ocupada o bloqueada por otro programa; "
                              "intente de nuevo en unos momentos");
    case CausaFallo::DiscoLleno:
        return QStringLiteral("no queda espacio en el disco de la base de datos");
    case CausaFallo::SinConexion:
        return QStringLiteral("se perdió la conexión con la base de datos");
    case CausaFallo::SinPermiso:
        return QStringLiteral("el usuario no tiene permiso para modificar la base de datos");
    case CausaFallo::Otra:
        break;
    }
    return QStringLiteral("la base de datos rechazó la modificación");
}
} // namespace

FalloEscritura ClasificarFallo(const ErrorVB& error, const QList<ErrorProveedor>& errores,
                               bool conexionAbierta) {
    FalloEscritura f;
    f.detalle = errores.isEmpty() ? error.descripcion : errores.first().Description;
    for (const ErrorProveedor& e : errores) {
        f.causa = causaDelProveedor(e);
        if (f.causa != CausaFallo::Otra)
            return f;
    }
    if (!conexionAbierta || error.numero == CodigosError::ConexionCerrada ||
        error.numero == CodigosError::SinConexion || error.numero == CodigosError::ObjetoCerrado)
        f.causa = CausaFallo::SinConexion;
    return f;
}

QString MensajeFallo(const QString& queNoSeHizo, const FalloEscritura& fallo) {
    QString m = queNoSeHizo + QStringLiteral(": ") + motivo(fallo.causa) + u'.';
    if (!fallo.detalle.trimmed().isEmpty())
        m += QStringLiteral("\r\n\r\nDetalle: ") + fallo.detalle.trimmed();
    return m;
}
