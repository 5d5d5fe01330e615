#include "SentenciasBusqueda.h"

namespace SentenciasBusqueda {

QString Comillas(const QString& texto) {
    return QString(texto).replace(u'\'', QStringLiteral("''"));
}

QString Sentencia(const Busqueda& b) {
    const QString patron = Comillas(QString(b.buscar).replace(u' ', u'%'));
    if (!b.idLista.trimmed().isEmpty())
        return QStringLiteral(
                   "select top 100 DESCRIPCION, v_ma_articulos.IDarticulo from "
                   "v_ma_articulos inner join v_ma_precios on "
                   "v_ma_articulos.idarticulo = v_ma_precios.idarticulo and idlista = '") +
               Comillas(FmtLeerCodigo(b.idLista, 4)) +
               QStringLiteral("'   where (v_ma_articulos.idarticulo like '%") + patron +
               QStringLiteral("%' or Descripcion like '%") + patron + QStringLiteral("%')  ") +
               b.filtroExtra + QStringLiteral(" order by DESCRIPCION ");
    if (b.tabla.compare(QStringLiteral("MA_MODELOS"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("select top 100 NOMBRE from MA_MODELOS where NOMBRE like '%") +
               patron + QStringLiteral("%'  GROUP BY NOMBRE ");
    return QStringLiteral("select top 100 ") + b.campoDescripcion + u',' + b.campoCodigo +
           QStringLiteral(" from ") + b.tabla + QStringLiteral(" where (") + b.campoDescripcion +
           QStringLiteral(" like '%") + patron + QStringLiteral("%' or ") + b.campoCodigo +
           QStringLiteral(" like '%") + patron + QStringLiteral("%' )  ") + b.filtroExtra +
           QStringLiteral(" order by ") + b.campoDescripcion;
}

QString SentenciaConfiguracion() {
    return QStringLiteral("EXEC sp1_getCfg @Campo = ?");
}

QString ValorParametroCampo(const QString& campo) {
    return campo.leftJustified(50, u' ', true);
}

QString FmtLeerCodigo(const QString& codigo, int largo) {
    const int ancho = largo > 0 ? largo : static_cast<int>(codigo.size());
    const QString t = codigo.trimmed();
    bool numerico = false;
    t.toDouble(&numerico);
    if (!numerico)
        return t;
    return t.rightJustified(ancho, u' ', true);
}

} // namespace SentenciasBusqueda

QString FilaBusqueda::Texto() const {
    return descripcion + QString(50, u' ') + codigo;
}
