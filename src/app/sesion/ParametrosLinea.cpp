#include "ParametrosLinea.h"
#include "Sesion.h"
#include "UtilGeneral.h"
#include <optional>

std::optional<QString> ValorParametro(const QString& texto, const QString& clave) {
    const int pos = texto.indexOf(clave, 0, Qt::CaseInsensitive);
    if (pos < 0)
        return std::nullopt;
    const int puntoYComa = texto.indexOf(u';', pos);
    int largo = puntoYComa - static_cast<int>(clave.size()) - pos;
    if (puntoYComa < 0) {
        // No ";" after the key. The extraction length is then negative and
        // yields an empty value, except for the one key whose length happens
        // to be taken as the length of the value.
        if (clave.compare(QStringLiteral("@ParametroAdicional"), Qt::CaseInsensitive) != 0)
            return QString();
        largo = static_cast<int>(clave.size());
    }
    if (largo < 0)
        return QString();
    const QString crudo = texto.mid(pos + clave.size(), largo);
    return UtilGeneral::QuitarCaracteres(crudo, QStringLiteral("=")).trimmed();
}

QString ObtenerServidor(const QString& valor) {
    // An absolute folder (the embedded engine's server, as the access window
    // shows and takes it) has no alias before it: it is kept whole.
    if (valor.trimmed().startsWith(u'/'))
        return valor.trimmed();
    QString s = valor;
    const int barra = s.indexOf(u'/');
    if (barra >= 0)
        s = s.mid(barra + 1);
    const int dosPuntos = s.indexOf(u':');
    if (dosPuntos >= 0)
        s = s.left(dosPuntos);
    return s;
}

ParametrosInicio ParsearParametros(const QString& texto) {
    Sesion& s = sesion();
    ParametrosInicio p;
    s.gParametroAdicional =
        ValorParametro(texto, QStringLiteral("@ParametroAdicional")).value_or(QString());
    p.servidor = ValorParametro(texto, QStringLiteral("@Server")).value_or(QString());
    p.baseDatos = ValorParametro(texto, QStringLiteral("@DbName")).value_or(QString());
    p.usuario = ValorParametro(texto, QStringLiteral("@Usuario")).value_or(QString());
    const QString logeado =
        ValorParametro(texto, QStringLiteral("@UsuarioLogeado")).value_or(QString());
    s.gUsuarioLogeado = logeado.trimmed().isEmpty() ? p.usuario.trimmed() : logeado;
    if (const auto clave = ValorParametro(texto, QStringLiteral("@Password"))) {
        p.clave = *clave;
        s.gClaveUsuario = p.clave.compare(p.baseDatos, Qt::CaseInsensitive) == 0
                              ? QStringLiteral("* *")
                              : p.clave;
    }
    s.gCaja = ValorParametro(texto, QStringLiteral("@Caja")).value_or(QStringLiteral("1"));

    const QString servidor = p.servidor.trimmed();
    if (!servidor.isEmpty() && servidor.startsWith(u'#')) {
        p.servidor = servidor.mid(1);
        p.cadenaConexion = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + p.baseDatos +
                           QStringLiteral(";User Id=") + p.usuario + QStringLiteral(";Password=") +
                           p.clave + QStringLiteral(";");
    }
    return p;
}

QString CadenaLanzador(const QString& servidor, const QString& base, const QString& usuario,
                       const QString& clave, const QString& adicional,
                       const QString& usuarioLogeado, const QString& caja) {
    return QStringLiteral(" ; @server=") + servidor + QStringLiteral("; @dbname=") + base +
           QStringLiteral("; @usuario=") + usuario + QStringLiteral("; @Password=") + clave +
           QStringLiteral("; @ParametroAdicional=") + adicional +
           QStringLiteral("; brev@ ; @UsuarioLogeado = ") + usuarioLogeado +
           QStringLiteral("; @Caja=") + caja + QStringLiteral(";");
}

QString CadenaAccesoDirecto(const QString& servidor, const QString& base, const QString& usuario) {
    return QStringLiteral(" ; @server=") + servidor + QStringLiteral("; @dbname=") + base +
           QStringLiteral("; @usuario=") + usuario +
           QStringLiteral(
               "; @Password=; @ParametroAdicional=; brev@ ; @UsuarioLogeado = ; @Caja=;");
}
