#include "ConexionBusqueda.h"
#include "ContratoErrores.h"
#include "Dialogos.h"
#include "TratamientoErrores.h"
#include "UtilGeneral.h"
#include <QRegularExpression>

int ConexionBusqueda::TratamientoErrores(const ErrorVB& CodErr, int Botones,
                                         const QString& Rutina) {
    if (CodErr.numero == 0)
        return 0;
    return dialogos().Mensaje(TratamientoErroresDetalle::Mensaje(CodErr), Botones,
                              TratamientoErroresDetalle::Titulo(
                                  CodErr, Rutina, QStringLiteral(" Aviso al operador!!! ")));
}

QString ConexionBusqueda::BaseDeCadena(const QString& cadena) {
    // The key, not a "database" that is part of a value such as a folder.
    static const QRegularExpression clave(QStringLiteral("database\\s*=([^;]*)"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto m = clave.match(cadena);
    if (!m.hasMatch())
        throw ErrorVB(CodigosError::ArgumentoInvalido,
                      QStringLiteral("Llamada a procedimiento o argumento no válido"),
                      QStringLiteral("BusquedaCodigo"));
    return m.captured(1);
}

void ConexionBusqueda::AbrirConexion() {
    if (ConnString.trimmed().isEmpty()) {
        Conectado = false;
        return;
    }
    ContratoErrores c([](const ErrorVB& e) { return TratamientoErrores(e); });
    QString base;
    c.paso([&] { base = BaseDeCadena(ConnString); });
    c.paso([&] {
        Conexion& cn = conexion();
        if (cn.State() == 1)
            cn.Close();
        db_.gConnString = ConnString;
        cn.Open(ConnString);
    });
    c.paso([&] { Conectado = true; });
    c.paso([&] { conexion().SetDefaultDatabase(base); });
    c.paso([&] { conexion().CommandTimeout = 60; });
    QString aux;
    c.paso([&] {
        DeshabilitarBCArticulos = sp_Cfg(QStringLiteral("DeshabilitaBusquedaCodigoArt"), aux)
                                      .compare(QStringLiteral("SI"), Qt::CaseInsensitive) == 0;
    });
    c.paso([&] {
        DeshabilitarBCTodos = sp_Cfg(QStringLiteral("DeshabilitaBusquedaCodigo"), aux)
                                  .compare(QStringLiteral("SI"), Qt::CaseInsensitive) == 0;
    });
}

QString ConexionBusqueda::sp_Cfg(const QString& Campo, QString& ValorAux) {
    ContratoErrores c(
        [](const ErrorVB& e) { return TratamientoErrores(e, 18, QStringLiteral("sp_Cfg")); });
    QString resultado;
    Recordset rs;
    c.paso([&] {
        rs.AbrirConValores(SentenciasBusqueda::SentenciaConfiguracion(),
                           {SentenciasBusqueda::ValorParametroCampo(Campo)}, &conexion());
    });
    c.paso([&] {
        if (rs.State() == 0 || rs.Eof()) {
            resultado = QStringLiteral(" ");
            ValorAux.clear();
            return;
        }
        resultado = UtilGeneral::ValorTexto(rs.Valor(QStringLiteral("Valor")));
        ValorAux = UtilGeneral::ValorTexto(rs.Valor(QStringLiteral("ValorAux")));
        static const QStringList kMensajes = {
            QStringLiteral("Mensaje_Respuesta"), QStringLiteral("Mensaje_Recibido"),
            QStringLiteral("Mensaje_Bienvenida"), QStringLiteral("Mensaje_FueraHorario"),
            QStringLiteral("Mensaje_ContactosIgnorados")};
        if (resultado.isEmpty() && kMensajes.contains(Campo.trimmed(), Qt::CaseInsensitive))
            resultado = ValorAux;
    });
    if (c.salio())
        return {};
    return resultado;
}

QList<FilaBusqueda> ConexionBusqueda::Filas(const QString& sentencia,
                                            const QString& campoDescripcion,
                                            const QString& campoCodigo) {
    QList<FilaBusqueda> filas;
    IgnorandoErrores([&] {
        Recordset rs;
        rs.Open(sentencia, &conexion(), Cursores::SoloAdelante, Bloqueos::SoloLectura);
        const int d = rs.Indice(campoDescripcion);
        const int c = rs.Indice(campoCodigo);
        if (d < 0 || c < 0)
            return;
        filas.reserve(100);
        for (; !rs.Eof(); rs.MoveNext())
            filas.append({rs.Texto(d), rs.Texto(c)});
    });
    return filas;
}
