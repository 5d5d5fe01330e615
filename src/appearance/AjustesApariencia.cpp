#include "AjustesApariencia.h"
#include "Configuracion.h"
#include "DB_Dll.h"
#include "InfoSistema.h"
#include "LectorIni.h"
#include "UtilGeneral.h"
#include <cmath>
#include <limits>

AjustesApariencia LeerAjustesApariencia(const QString& archivoIni, const QString& usuarioWindows,
                                        const QString& baseDatos) {
    const QString prefijo = usuarioWindows.toUpper() + u'_' + baseDatos.toUpper();
    auto leer = [&](const QString& clave, const QString& porDefecto) {
        return LectorIni::LeerValor(archivoIni, prefijo + clave, clave, porDefecto).trimmed();
    };
    AjustesApariencia a;
    a.fuente = leer(QStringLiteral("Font"), QStringLiteral("Segoe UI"));
    a.tamano = UtilGeneral::ValorNumero(leer(QStringLiteral("FontSize"), QStringLiteral("9")));
    const double skin =
        std::floor(UtilGeneral::ValorNumero(leer(QStringLiteral("Styles"), QStringLiteral("4"))));
    // A number beyond any skin is "any other" skin all the same.
    a.skin = std::abs(skin) < std::numeric_limits<int>::max() ? static_cast<int>(skin)
                                                              : std::numeric_limits<int>::min();
    return a;
}

AjustesApariencia LeerAjustesApariencia() {
    return LeerAjustesApariencia(ArchivoIni(), InfoSistema::UsuarioWindows(), gDB().gDBName);
}

SkinElegido SkinDeNumero(int numero, const QString& carpetaAplicacion) {
    const QString estilos =
        UtilGeneral::CarpetaConBarra(carpetaAplicacion) + QStringLiteral("Styles/");
    switch (numero) {
    case 1:
        return {estilos + QStringLiteral("Vista.cjstyles"), QString()};
    case 2:
        return {estilos + QStringLiteral("WinXP.Luna.cjstyles"), QString()};
    case 3:
        return {estilos + QStringLiteral("WinXP.Royale.cjstyles"), QString()};
    case 4:
        return {estilos + QStringLiteral("iTunes"), QStringLiteral("Normalitunes.ini")};
    default:
        return {estilos + QStringLiteral("Office2007.cjstyles"), QString()};
    }
}

bool VentanaConControlesPropios(const QString& nombreVentana, const QString& nombreEjecutable) {
    return nombreVentana.compare(QLatin1String("FRMMdi"), Qt::CaseInsensitive) == 0 ||
           nombreEjecutable.compare(QLatin1String("v_ta_config"), Qt::CaseInsensitive) == 0;
}

bool TomaLaFuente(const QString& familia, double puntos) {
    return familia.compare(QLatin1String("Marlett"), Qt::CaseInsensitive) != 0 && puntos <= 12;
}
