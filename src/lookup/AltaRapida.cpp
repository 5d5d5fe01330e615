#include "AltaRapida.h"
#include "Conexion.h"
#include "ContratoErrores.h"
#include "Dialogos.h"
#include "Recordset.h"
#include "SentenciasBusqueda.h"
#include "UtilGeneral.h"
#include <initializer_list>

namespace AltaRapida {
namespace {

const QString CRLF = QStringLiteral("\r\n");

bool igual(const QString& a, QStringView b) {
    return QStringView(a).trimmed().compare(b, Qt::CaseInsensitive) == 0;
}

bool esVenta(const QString& tabla) {
    return igual(tabla, u"V_TA_MotivoVta");
}
bool esCompra(const QString& tabla) {
    return igual(tabla, u"V_TA_MotivoCpra");
}

// The columns of the default motive rows, in the order of the statements.
const QStringList& columnasMotivo(bool venta) {
    static const QStringList comunes = {
        QStringLiteral("Repuestos"),       QStringLiteral("Servicios"),
        QStringLiteral("Otros"),           QStringLiteral("V_DFI_CTAVTA"),
        QStringLiteral("V_DFI_IMPINT"),    QStringLiteral("V_DFI_PERCIB"),
        QStringLiteral("V_DFI_PERCIVA"),   QStringLiteral("V_DFI_PERCGAN"),
        QStringLiteral("V_DFI_DESCUENTO"), QStringLiteral("C_CFI_CTACPRA"),
        QStringLiteral("C_CFI_IMPINT"),    QStringLiteral("C_CFI_PERCIB"),
        QStringLiteral("C_CFI_PERCIVA"),   QStringLiteral("C_CFI_PERCGAN"),
        QStringLiteral("C_CFI_DESCUENTO"), QStringLiteral("PG_DESCUENTO"),
        QStringLiteral("PG_RETGAN"),       QStringLiteral("PG_RETIB"),
        QStringLiteral("PG_RETIVA"),       QStringLiteral("PG_ANTICIPOS"),
        QStringLiteral("CB_DESCUENTO"),    QStringLiteral("CB_RETGAN"),
        QStringLiteral("CB_RETIB"),        QStringLiteral("CB_RETIVA"),
        QStringLiteral("CB_ANTICIPOS")};
    static const QStringList ventas =
        comunes + QStringList{QStringLiteral("DFI_IVARI"), QStringLiteral("DFI_IVARNI"),
                              QStringLiteral("COSTO_MERCADERIA"), QStringLiteral("V_DFI_IMPITC")};
    static const QStringList compras =
        comunes + QStringList{QStringLiteral("CFI_IVARI"), QStringLiteral("CFI_IVARNI"),
                              QStringLiteral("C_CFI_IMPITC"), QStringLiteral("CFI_IVARI1"),
                              QStringLiteral("CFI_IVARI2")};
    return venta ? ventas : compras;
}

QString entreComillas(const QString& valor) {
    return u'\'' + SentenciasBusqueda::Comillas(valor) + u'\'';
}

} // namespace

Regla ReglaDe(const QString& tabla) {
    Regla r;
    const auto unoDe = [&](std::initializer_list<QStringView> nombres) {
        for (const QStringView n : nombres)
            if (igual(tabla, n))
                return true;
        return false;
    };
    if (unoDe(
            {u"TA_ESTADOS",        u"TA_CCOSTO",        u"TA_CLASIFICACIONES", u"TA_TIPOVEHICULO",
             u"TA_MARCAVEHICULO",  u"TA_PAISES",        u"TA_TIPICOS",         u"TA_TIPODOCUMENTO",
             u"V_TA_Bancos",       u"V_Ta_Cajas",       u"V_TA_Categoria",     u"V_TA_Cpra_Vta",
             u"V_TA_DEPOSITO",     u"V_TA_DESTINO",     u"V_TA_MotivoCpra",    u"V_TA_MotivoStock",
             u"V_TA_MotivoVta",    u"V_TA_Origen",      u"V_TA_Rubros",        u"V_TA_STATUS",
             u"V_TA_Tecnicos",     u"V_TA_TIPOACEITES", u"V_TA_TipoArticulo",  u"V_TA_Unidad",
             u"V_TA_UnidadNegocio"})) {
        r.disponible = true;
        r.tarea = QStringLiteral("D010301");
    } else if (igual(tabla, u"V_MA_MANTENIMIENTOS")) {
        r.disponible = true;
        r.tarea = QStringLiteral("D010180");
        r.largoCodigo = 25;
    } else if (igual(tabla, u"V_TA_VENDEDORES")) {
        r.disponible = true;
        r.tarea = QStringLiteral("D010160");
    }
    return r;
}

QString SentenciaExiste(const Pedido& p) {
    return QStringLiteral("SELECT ") + p.campoDescripcion + QStringLiteral(" FROM ") + p.tabla +
           QStringLiteral(" where ltrim(rtrim(") + p.campoDescripcion + QStringLiteral(")) = '") +
           SentenciasBusqueda::Comillas(p.texto.trimmed()) + QStringLiteral("' ");
}

QString SentenciaMaximo(const Pedido& p) {
    const QString& c = p.campoCodigo;
    return QStringLiteral("SELECT MAX(") + c + QStringLiteral(") as ") + c +
           QStringLiteral(" FROM ") + p.tabla + QStringLiteral(" where (left(") + c +
           QStringLiteral(",1) = ' ' or left(") + c + QStringLiteral(",1) = '9') ");
}

QString SiguienteCodigo(const QString& maximo, bool hayMaximo, int largo) {
    const double n = hayMaximo ? UtilGeneral::ValorNumero(maximo) + 1 : 1;
    const QString codigo = QString::number(n, 'g', 15).trimmed();
    return codigo.size() < largo ? codigo.rightJustified(largo, u' ') : codigo;
}

QString Descripcion(const QString& texto) {
    return UtilGeneral::QuitarCaracteres(UtilGeneral::Recortar(texto, 50), QStringLiteral(",'"));
}

QString SentenciaInsertar(const Pedido& p, const QString& codigo, const QString& descripcion) {
    const QString inicio =
        QStringLiteral("INSERT INTO ") + p.tabla + u'(' + p.campoCodigo + u',' + p.campoDescripcion;
    const QString valores = QStringLiteral("('") + codigo + QStringLiteral("','") + descripcion;
    if (igual(p.tabla, u"V_TA_Cpra_Vta"))
        return inicio +
               QStringLiteral(
                   ",CantidadDias,HabilitadoPara,DtoMaximo,FechaHora_Grabacion) VALUES ") +
               valores + QStringLiteral("',1,'VC',100,'") +
               p.hoy.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral("')");
    if (igual(p.tabla, u"V_MA_MANTENIMIENTOS"))
        return inicio + QStringLiteral(", CUENTA) VALUES ") + valores + QStringLiteral("','") +
               SentenciasBusqueda::Comillas(p.cuenta.trimmed()) + QStringLiteral("')");
    return inicio + QStringLiteral(") VALUES ") + valores + QStringLiteral("')");
}

QString SentenciaPlantilla(const QString& tabla) {
    if (esVenta(tabla))
        return QStringLiteral("SELECT top 1 * FROM V_TA_Input_Ventas order by idMotivoVta asc");
    if (esCompra(tabla))
        return QStringLiteral("SELECT top 1 * FROM V_TA_Input_compras order by idMotivoCpra asc");
    return {};
}

QStringList CondicionesIva() {
    QStringList c;
    for (int i = 1; i <= 8; ++i)
        c << QString::number(i).rightJustified(4, u' ');
    return c;
}

QString SentenciasMotivo(const QString& tabla, const QString& codigo,
                         const std::function<QString(const QString&)>& valorDe) {
    const bool venta = esVenta(tabla);
    if (!venta && !esCompra(tabla))
        return {};
    const QStringList& columnas = columnasMotivo(venta);
    const QString cabecera =
        (venta ? QStringLiteral("INSERT INTO [dbo].[V_TA_Input_Ventas] (IdMotivoVta, CondIva, ")
               : QStringLiteral("INSERT INTO V_TA_Input_Compras (IdMotivoCpra, CondIva, ")) +
        columnas.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (");
    QStringList valores;
    for (const QString& c : columnas)
        valores << entreComillas(valorDe(c));
    const QString resto = valores.join(u',') + u')';
    QStringList sentencias;
    for (const QString& condicion : CondicionesIva())
        sentencias << cabecera + entreComillas(codigo) + u',' + entreComillas(condicion) + u',' +
                          resto;
    return sentencias.join(CRLF);
}

QString Ejecutar(Conexion& cn, const Pedido& p) {
    if (p.texto.trimmed().isEmpty() || p.tabla.trimmed().isEmpty())
        return {};
    const QString error =
        QStringLiteral("ERROR EN EL ALTA DIRECTA, UTILICE LA OPCION DEL MENÚ CORRESPONDIENTE.");
    QString sentencia;
    bool enTransaccion = false;
    const auto fallo = [&] {
        if (enTransaccion)
            IgnorandoErrores([&] { cn.RollbackTrans(); });
        dialogos().Mensaje(error + CRLF + p.tabla + CRLF + sentencia, EstilosMensaje::SoloAceptar,
                           QString());
        return QString();
    };
    try {
        sentencia = SentenciaExiste(p);
        {
            Recordset rs;
            rs.Open(sentencia, &cn, Cursores::SoloAdelante, Bloqueos::SoloLectura);
            if (!rs.Eof()) {
                dialogos().Mensaje(
                    QStringLiteral("El detalle ingresado ya existe, seleccionelo de la lista"),
                    EstilosMensaje::SoloAceptar, QString());
                return {};
            }
        }
        sentencia = SentenciaMaximo(p);
        QString codigo;
        {
            Recordset rs;
            rs.Open(sentencia, &cn, Cursores::SoloAdelante, Bloqueos::SoloLectura);
            const bool hay = !rs.Eof() && !rs.Valor(0).isNull();
            codigo = SiguienteCodigo(hay ? UtilGeneral::ValorTexto(rs.Valor(0)) : QString(), hay,
                                     p.largoCodigo);
        }
        sentencia = SentenciaInsertar(p, codigo, Descripcion(p.texto.trimmed()));
        cn.BeginTrans();
        enTransaccion = true;
        long afectados = 0;
        cn.Execute(sentencia, &afectados);
        if (afectados < 1)
            return fallo();
        if (const QString plantilla = SentenciaPlantilla(p.tabla); !plantilla.isEmpty()) {
            sentencia = plantilla;
            QString lote;
            {
                Recordset rs;
                rs.Open(plantilla, &cn, Cursores::SoloAdelante, Bloqueos::SoloLectura);
                if (!rs.Eof())
                    lote = SentenciasMotivo(p.tabla, codigo, [&](const QString& columna) {
                        return UtilGeneral::ValorTexto(rs.Valor(columna));
                    });
            }
            if (!lote.isEmpty()) {
                sentencia = lote;
                cn.Execute(lote);
            }
        }
        cn.CommitTrans();
        enTransaccion = false;
        return codigo;
    } catch (const ErrorVB&) {
        return fallo();
    }
}

} // namespace AltaRapida
