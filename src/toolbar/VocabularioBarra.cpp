#include "VocabularioBarra.h"
#include <QStringList>

const std::vector<ClaveConocida>& ClavesConocidas() {
    static const std::vector<ClaveConocida> tabla = {
        {"NUEVO", "Nuevo", "Crear nuevo", 0, "Nuevo"},
        {"BORRAR", "Borrar", "Borrar actual", 1, "Borrar"},
        {"REPORTE", "Reporte", "Abrir reportes / impresiones", 2, "Reporte"},
        {"CONSULTAR", "Consultar", "Consultar", 3, "Consultar"},
        {"PLANILLA", "Planilla", "Abrir planilla", 4, "Planilla"},
        {"CANCELAR", "Cancelar", "Cancelar edicion en curso", 5, "Cancelar"},
        {"GRABAR", "Grabar", "Grabar cambios", 6, "Grabar"},
        {"CERRAR", "Cerrar", "Cerrar formulario", 7, "Cerrar"},
        {"CLIENTE", "Cliente", "Seleccionar cliente", 8, "Cliente"},
        {"PEDIDO", "Pedido", "Facturar desde pedido", 9, "Pedido"},
        {"REMITO", "Remito", "Facturar desde remito", 10, "Remito"},
        {"CAJERO", "Caja", "Opciones de caja", 11, "Cajero"},
        {"CAJA", nullptr, nullptr, 11, "Caja"},
        {"UNIDADNEGOCIO", "Unidad de Negocio", "Unidad de negocio", 12, "UnidadNegocio"},
        {"IMPORTAR", "Importar", "Importar datos", 13, "Importar"},
        {"PROCESARIA", "Procesar con I.A.", "Procesar con inteligencia artificial", 14,
         "ProcesarIA"},
        {"PANTALLA", "Pantalla", "Enviar a pantalla", 15, "Pantalla"},
        {"IMPRESORA", "Impresora", "Imprimir", 16, "Impresora"},
        {"COMPARTIR", "Compartir", "Compartir", 17, "Compartir"},
        {"AJUSTES", "Ajustes", "Ajustes", 18, "Ajustes"},
        {"CAMBIAR", nullptr, nullptr, 12, "Cambiar"},
        {"CHANGE", nullptr, nullptr, 12, "Change"},
        {"CAUS", nullptr, nullptr, -1, "Caus"},
    };
    return tabla;
}

const std::vector<ItemPredeterminado>& ItemsPredeterminados() {
    static const std::vector<ItemPredeterminado> filas = [] {
        std::vector<ItemPredeterminado> r;
        for (const ClaveConocida& c : ClavesConocidas()) {
            if (c.caption != nullptr)
                r.push_back({QString::fromUtf8(c.clave), QString::fromUtf8(c.caption),
                             QString::fromUtf8(c.toolTip)});
        }
        return r;
    }();
    return filas;
}

const std::vector<ItemPredeterminado>& ItemsReportes() {
    static const std::vector<ItemPredeterminado> filas = {
        {QStringLiteral("PANTALLA"), QStringLiteral("Pantalla"),
         QStringLiteral("Enviar a pantalla")},
        {QStringLiteral("IMPRESORA"), QStringLiteral("Impresora"), QStringLiteral("Imprimir")},
        {QStringLiteral("CONSULTAR"), QStringLiteral("Consultar"), QStringLiteral("Consultar")},
        {QStringLiteral("COMPARTIR"), QStringLiteral("Compartir"), QStringLiteral("Compartir")},
        {QStringLiteral("CERRAR"), QStringLiteral("Cerrar"), QStringLiteral("Cerrar formulario")},
    };
    return filas;
}

QString NormalizarClave(const QString& clave) {
    return clave.trimmed().toUpper();
}

int IndiceIconoBase(const QString& clave) {
    const QString k = NormalizarClave(clave);
    if (k == QLatin1String("UNIDAD DE NEGOCIO"))
        return 12;
    if (k == QLatin1String("PROCESAR IA") || k == QLatin1String("PROCESAR CON IA") ||
        k == QLatin1String("PROCESAR CON I.A."))
        return 14;
    for (const ClaveConocida& c : ClavesConocidas()) {
        if (k == QLatin1String(c.clave))
            return c.imagenBase;
    }
    return -1;
}

bool EsItemBase(const QString& clave) {
    static const QStringList base = {"NUEVO",    "BORRAR", "REPORTE", "CONSULTAR",
                                     "CANCELAR", "GRABAR", "CERRAR"};
    return base.contains(NormalizarClave(clave));
}

QString ClaveDeNombre(const QString& nombre) {
    const QString n = nombre.trimmed();
    if (n.compare(QLatin1String("Consulta"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("CONSULTAR");
    for (const ClaveConocida& c : ClavesConocidas()) {
        if (n.compare(QLatin1String(c.nombre), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(c.clave);
    }
    return {};
}
