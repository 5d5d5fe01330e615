// Query and lookup helpers of the data-access class: result sets, statements,
// row tests, single values, extremes and the schema.
#include "ContratoErrores.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "Eventos.h"
#include "MotorOracle.h"
#include "TextoSql.h"
#include "UtilGeneral.h"

namespace {
bool contiene(const QString& texto, const char* buscado) {
    return texto.contains(QLatin1String(buscado), Qt::CaseInsensitive);
}
QString sinMarcaAdmin(const QString& texto) {
    return QString(texto).replace(QStringLiteral("@Admin_"), QString(), Qt::CaseInsensitive);
}
} // namespace

void DB_Dll::AbrirRecordset(QString& SentenciaSQL, Recordset& LRCS, Conexion* Conexionactiva,
                            int CursorType, int LockType, int Options, bool ConvOracle) {
    abrirRecordset(SentenciaSQL, nullptr, LRCS, Conexionactiva, CursorType, LockType, Options,
                   ConvOracle);
}

void DB_Dll::AbrirRecordset(const QString& SentenciaSQL, const QList<QVariant>& Valores,
                            Recordset& LRCS) {
    QString sql = SentenciaSQL;
    abrirRecordset(sql, &Valores, LRCS, nullptr, Cursores::SoloAdelante, Bloqueos::SoloLectura, -1,
                   true);
}

bool DB_Dll::cadenaOracle() {
    // Worked out again only when the connection string changes: a load opens
    // a statement per voucher.
    if (gCnn->ConnectionString != cadenaVista_) {
        cadenaVista_ = gCnn->ConnectionString;
        cadenaEsOracle_ = MotorOracle::Nombrado(cadenaVista_, 1);
    }
    return cadenaEsOracle_;
}

void DB_Dll::abrirRecordset(QString& SentenciaSQL, const QList<QVariant>* valores, Recordset& LRCS,
                            Conexion* Conexionactiva, int CursorType, int LockType, int Options,
                            bool ConvOracle) {
    // A load opens a result set per voucher: the contract holds this object,
    // a counter and a plain function, and the steps are run where they
    // stand, so a call allocates nothing for them.
    int recuperadas = 0;
    ContratoErrores contrato(
        [this, &recuperadas](const ErrorVB& e) {
            // Without a connection AsegurarConexion has told the operator
            // already.
            if (e.numero == CodigosError::SinConexion)
                return ContratoErrores::Decision::Salir;
            return RecuperarConexion(e, contadorAbrir_, QStringLiteral("AbrirRecordset"),
                                     recuperadas);
        },
        [](const ErrorVB& e) {
            return UtilGeneral::DialogoError(e, 18, QStringLiteral("AbrirRecordset"));
        });
    QString texto;
    contrato.pasos(
        [&] { CierraRecordset(&LRCS); }, // one still open from an earlier lookup
        [&] { SentenciaSQL = SS_TSinonimos(SentenciaSQL); }, // the caller's text is rewritten
        [&] {
            if (!AsegurarConexion())
                throw ErrorVB(CodigosError::SinConexion,
                              QStringLiteral("No hay conexión con la base de datos."),
                              QStringLiteral("DB_Dll"));
        },
        [&] { texto = cadenaOracle() && ConvOracle ? ORACLE_Dicc(SentenciaSQL) : SentenciaSQL; },
        [&] {
            Conexion* cn = Conexionactiva != nullptr ? Conexionactiva : gCnn.get();
            if (valores != nullptr)
                LRCS.AbrirConValores(texto, *valores, cn);
            else
                LRCS.Open(texto, cn, CursorType, LockType, Options);
            DejarCorrerEventos();
        });
}

void DB_Dll::AbrirRecordset(const QString& SentenciaSQL, Recordset& LRCS, int CursorType,
                            int LockType) {
    QString sql = SentenciaSQL;
    AbrirRecordset(sql, LRCS, nullptr, CursorType, LockType);
}

void DB_Dll::CierraRecordset(Recordset* LrcsTemp) {
    if (LrcsTemp == nullptr)
        return;
    ContratoErrores c([this](const ErrorVB& e) {
        return TratamientoErrores(e, 18, QStringLiteral("CierraRecordset"));
    });
    c.paso([&] {
        if (LrcsTemp->State() != 0) {
            if (LrcsTemp->EditandoFila())
                LrcsTemp->CancelUpdate(); // a pending edit is dropped before closing
            LrcsTemp->Close();
        }
    });
}

namespace {
// The rewrite of the statement helpers: the "@Admin_" marker asks for the real
// table, deletes and create/drop scripts are never switched to synonyms.
void preprocesar(DB_Dll& db, QString& sql) {
    if (contiene(sql, "CREATE") && contiene(sql, "DROP"))
        sql = sinMarcaAdmin(sql);
    else if (contiene(sql, "DELETE"))
        sql = sinMarcaAdmin(sql);
    else if (contiene(sql, "@ADMIN_"))
        sql = sinMarcaAdmin(sql);
    else
        sql = db.SS_TSinonimos(sql);
}
} // namespace

void DB_Dll::ejecutarSentencia(const QString& SentenciaSQL, long* RecordsAffected,
                               std::shared_ptr<Recordset>* LRCS) {
    Conexion& cn = conexion();
    long afectados = 0;
    if (MotorOracle::Nombrado(cn.ConnectionString)) {
        QString script = SentenciaSQL;
        EjecutarScript(script, afectados);
    } else {
        std::unique_ptr<Recordset> rs = cn.Execute(SentenciaSQL, &afectados, LRCS != nullptr);
        if (LRCS != nullptr)
            *LRCS = std::move(rs);
    }
    if (RecordsAffected != nullptr)
        *RecordsAffected = afectados;
    // A truncation warning outside a transaction is not kept as an error.
    if ((cn.Errors.size() == 1 || cn.Errors.size() == 2) && !contiene(SentenciaSQL, "TRANS") &&
        cn.Errors.first().NativeError == CodigosNativos::Truncado)
        cn.Errors.clear();
}

void DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL, long* RecordsAffected,
                                std::shared_ptr<Recordset>* LRCS) {
    using Decision = ContratoErrores::Decision;
    preprocesar(*this, SentenciaSQL);
    int contador = 0;
    // Silent: the provider errors left in the connection are the report.
    ContratoErrores contrato(
        [&](const ErrorVB& e) {
            Conexion& cn = conexion();
            if (cn.Errors.isEmpty()) {
                // A failure without a provider error (a closed connection) is
                // still left in the collection, the only report callers read.
                cn.Errors.append(ErrorProveedor{e.numero, e.descripcion, QString(), 0});
                return Decision::Salir;
            }
            if (contiene(SentenciaSQL, "TRANS"))
                return Decision::Salir;
            const long nativo = cn.Errors.first().NativeError;
            if (nativo == CodigosNativos::ErrorDeRed)
                return RecuperarConsulta(contador) == Decision::Repetir ? Decision::Repetir
                                                                        : Decision::Salir;
            if (nativo == CodigosNativos::Truncado)
                cn.Errors.clear();
            return Decision::Salir;
        },
        ContratoErrores::Tratamiento());
    contrato.paso([&] { ejecutarSentencia(SentenciaSQL, RecordsAffected, LRCS); });
}

void DB_Dll::EjecutaConsultaRSQL(QString& SentenciaSQL, long* RecordsAffected,
                                 std::shared_ptr<Recordset>* LRCS) {
    preprocesar(*this, SentenciaSQL);
    if (!AsegurarConexion()) {
        dialogos().Mensaje(
            QStringLiteral("No hay conexión con el servidor. Intentá de nuevo en unos segundos."),
            EstilosMensaje::Exclamacion, QString());
        return;
    }
    try {
        ejecutarSentencia(SentenciaSQL, RecordsAffected, LRCS);
    } catch (const ErrorVB& e) {
        constexpr long kSilenciosos[] = {
            CodigosError::FalloProveedor, CodigosError::ViolacionIntegridad,
            CodigosError::ObjetoInexistente, CodigosError::ErrorComando};
        if (contiene(SentenciaSQL, "TRANS") ||
            std::find(std::begin(kSilenciosos), std::end(kSilenciosos), e.numero) !=
                std::end(kSilenciosos))
            return;
        dialogos().Mensaje(e.descripcion, EstilosMensaje::Critico,
                           QStringLiteral("Aviso al operador!!!"));
    }
}

bool DB_Dll::existeEnTabla(const QString& sql, Recordset* LRCS, bool SoloLectura, bool traducir) {
    int contador = 0;
    bool resultado = false;
    contratoConsulta(contador).paso([&] {
        Conexion* cn = &conexion();
        if (LRCS != nullptr) {
            if (LRCS->State() != 0)
                LRCS->Close();
            if (SoloLectura)
                LRCS->Open(sql, cn, Cursores::SoloAdelante, Bloqueos::SoloLectura);
            else
                LRCS->Open(sql, cn, LRCS->CursorType, LRCS->LockType);
            resultado = !LRCS->BOF();
        } else {
            Recordset rs;
            rs.Open(traducir ? ORACLE_Dicc(sql) : sql, cn, Cursores::SoloAdelante,
                    Bloqueos::SoloLectura);
            resultado = !rs.BOF();
            rs.Close();
        }
    });
    return resultado;
}

namespace {
// The statement of the row tests: the text comparison of each form, and the
// comparisons of dates (the value as given), numbers and other types.
QString sentenciaExiste(const QString& prefijo, const QString& comparacionTexto,
                        const QString& Campo, const QString& ValorBuscado, int Tipodato) {
    switch (Tipodato) {
    case 8:
        return comparacionTexto;
    case 7:
        return prefijo + Campo + QStringLiteral(" = ") + ValorBuscado.trimmed() +
               QStringLiteral(" ");
    case 3:
    case 4:
    case 5:
        return prefijo + Campo + QStringLiteral(" = ") + TextoSql::FormaNumerica(ValorBuscado);
    default:
        return prefijo + Campo + QStringLiteral(" = ") + ValorBuscado;
    }
}

QString conCondicion(const QString& inicio, const QString& Condicion) {
    return inicio +
           (contiene(Condicion, " WHERE ") ? QStringLiteral(" ") : QStringLiteral(" WHERE ")) +
           Condicion;
}
} // namespace

bool DB_Dll::ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                           Recordset* LRCS, int Tipodato, const QString& Condicion,
                           bool SoloLectura) {
    const QString sql =
        Condicion.isEmpty()
            ? sentenciaExiste(QStringLiteral("SELECT TOP 1 * FROM ") + Tabla +
                                  QStringLiteral(" with(nolock)  WHERE "),
                              QStringLiteral("SELECT TOP 1  * FROM ") + Tabla +
                                  QStringLiteral(" with(nolock)  WHERE LTRIM(RTRIM(") + Campo +
                                  QStringLiteral(")) ='") +
                                  TextoSql::Comillas(ValorBuscado.trimmed()) + QStringLiteral("'"),
                              Campo, ValorBuscado, Tipodato)
            : conCondicion(QStringLiteral("SELECT TOP 1 * FROM ") + Tabla +
                               QStringLiteral(" with(nolock) "),
                           Condicion);
    return existeEnTabla(SS_TSinonimos(sql), LRCS, SoloLectura, true);
}

bool DB_Dll::ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado,
                             const QString& Campo, Recordset* LRCS, int Tipodato,
                             const QString& Condicion, bool SoloLectura) {
    const QString prefijo =
        QStringLiteral("SELECT * FROM ") + Tabla + QStringLiteral(" with(nolock)   WHERE ");
    const QString sql =
        Condicion.isEmpty()
            ? sentenciaExiste(prefijo,
                              prefijo + Campo + QStringLiteral(" ='") +
                                  TextoSql::Comillas(ValorBuscado) + QStringLiteral("'"),
                              Campo, ValorBuscado, Tipodato)
            : conCondicion(QStringLiteral("SELECT * FROM ") + Tabla +
                               QStringLiteral(" with(nolock)  "),
                           Condicion);
    return existeEnTabla(sql, LRCS, SoloLectura, false);
}

QString DB_Dll::DatosTabla(const QString& Tabla, const QString& ValorBuscado,
                           const QString& CampoDevuelto, const QString& Campo, QVariant Tipodato,
                           const QString& Condicion, bool UsaTrim, bool IgnoraError) {
    if (Tipodato.toString() == QLatin1String("'"))
        Tipodato = 8;
    const int tipo = Tipodato.toInt();
    const QString sufijo =
        !Condicion.trimmed().isEmpty() ? QStringLiteral(" AND ") + Condicion : Condicion;
    const QString prefijo =
        QStringLiteral("SELECT TOP 1 * FROM ") + Tabla + QStringLiteral(" with(nolock)  WHERE ");
    QString sql;
    switch (tipo) {
    case 8:
        sql = UsaTrim
                  ? prefijo + QStringLiteral("LTRIM(RTRIM(") + Campo + QStringLiteral(")) ='") +
                        TextoSql::Comillas(ValorBuscado.trimmed()) + QStringLiteral("' ") + sufijo
                  : prefijo + Campo + QStringLiteral(" ='") + TextoSql::Comillas(ValorBuscado) +
                        QStringLiteral("' ") + sufijo;
        break;
    case 7:
        sql = prefijo + Campo + QStringLiteral(" = #") + ValorBuscado.trimmed() +
              QStringLiteral("# ") + sufijo;
        break;
    case 3:
    case 4:
    case 5:
        sql = prefijo + Campo + QStringLiteral(" = ") + TextoSql::FormaNumerica(ValorBuscado) +
              sufijo;
        break;
    default:
        sql = prefijo + Campo + QStringLiteral(" = ") + ValorBuscado + sufijo;
    }
    int contador = 0;
    QString valor;
    // Errors ignored: the value is empty and nothing is asked.
    ContratoErrores contrato =
        IgnoraError ? ContratoErrores(ContratoErrores::Tratamiento()) : contratoConsulta(contador);
    contrato.paso([&] {
        Recordset rs;
        AbrirRecordset(sql, rs, gCnn.get(), Cursores::SoloAdelante, Bloqueos::SoloLectura, -1,
                       true);
        // A set that did not open was reported by AbrirRecordset already.
        if (!gOpenFlag || rs.State() == 0)
            return;
        QString leido;
        if (!rs.BOF())
            leido = UtilGeneral::ValorTexto(rs(CampoDevuelto));
        rs.Close();
        valor = leido;
    });
    return valor;
}

QVariant DB_Dll::buscarExtremo(const QString& funcion, const QString& alias,
                               const QString& QueTabla, const QString& QueCampo, int Tipo,
                               QString* Condicion) {
    for (;;) {
        QString sql = QStringLiteral("SELECT ") + funcion + u'(' + QueCampo +
                      QStringLiteral(") AS ") + alias + QStringLiteral(" FROM ") + QueTabla;
        if (alias == QLatin1String("MENOR"))
            sql += QStringLiteral("  with(nolock) ");
        if (Condicion != nullptr && !Condicion->isEmpty())
            sql += QStringLiteral(" WHERE ") + Condicion->trimmed();
        Recordset rs;
        rs.Open(sql, &conexion(), Cursores::SoloAdelante, Bloqueos::SoloLectura);
        if (rs.BOF())
            return {};
        const QString v = UtilGeneral::ValorTexto(rs(alias));
        rs.Close();
        if (QueTabla.trimmed().compare(QStringLiteral("V_MA_ARTICULOS"), Qt::CaseInsensitive) ==
                0 &&
            v.startsWith(u'0') && Condicion != nullptr &&
            !Condicion->contains(QStringLiteral("substring(ltrim(idarticulo),1,1)<>'0'"))) {
            // Article codes that begin with "0" are skipped.
            *Condicion += (Condicion->trimmed().isEmpty() ? QString() : QStringLiteral(" and")) +
                          QStringLiteral(" substring(ltrim(idarticulo),1,1)<>'0'");
            continue;
        }
        if (Tipo == 7)
            return v;
        return TextoSql::ValorVal(v);
    }
}

QVariant DB_Dll::BuscaMaximo(const QString& QueTabla, const QString& QueCampo, int Tipo,
                             QString* Condicion) {
    QString sinCondicion;
    return buscarExtremo(QStringLiteral("MAX"), QStringLiteral("MAYOR"), QueTabla, QueCampo, Tipo,
                         Condicion != nullptr ? Condicion : &sinCondicion);
}

QVariant DB_Dll::BuscaMinimo(const QString& QueTabla, const QString& QueCampo, int Tipo,
                             QString* Condicion) {
    QString sinCondicion;
    return buscarExtremo(QStringLiteral("MIN"), QStringLiteral("MENOR"), QueTabla, QueCampo, Tipo,
                         Condicion != nullptr ? Condicion : &sinCondicion);
}

QVariant DB_Dll::BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, int,
                                   const QString& Condicion) {
    QString sql =
        QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
    if (!Condicion.trimmed().isEmpty())
        sql += QStringLiteral(" WHERE ") + Condicion;
    Recordset rs;
    rs.Open(sql, &conexion(), Cursores::SoloAdelante, Bloqueos::SoloLectura);
    if (rs.BOF())
        return {};
    return TextoSql::ValorVal(UtilGeneral::ValorTexto(rs(QStringLiteral("MAYOR"))));
}

bool DB_Dll::ExisteTablaDB(const QString& Tabla) {
    QStringList tablas;
    ContratoErrores c([this](const ErrorVB& e) {
        return TratamientoErrores(e, 18, QStringLiteral("VerificaCampos"));
    });
    if (!c.paso([&] { tablas = conexion().Tablas(); }))
        return false;
    for (const QString& t : tablas)
        if (t.trimmed().compare(Tabla.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool DB_Dll::ExisteCampoDB(const QString& Tabla, const QString& Campo) {
    if (MotorOracle::Nombrado(gProveedor))
        return true;
    QStringList columnas;
    ContratoErrores c([this](const ErrorVB& e) {
        return TratamientoErrores(e, 18, QStringLiteral("VerificaCampos"));
    });
    if (!c.paso([&] { columnas = conexion().Columnas(Tabla.trimmed()); }))
        return false;
    for (const QString& col : columnas)
        if (col.trimmed().compare(Campo.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void DB_Dll::AddField(const QString& Tabla, const QString& Campo, const QString& Tipo,
                      bool PermiteNulos, const QVariant& ValorDefault) {
    ContratoErrores c([this](const ErrorVB& e) {
        return TratamientoErrores(e, 18, QStringLiteral("errAddField"));
    });
    c.paso([&] {
        QString sql = QStringLiteral("ALTER TABLE dbo.") + Tabla + QStringLiteral(" ADD ") + Campo +
                      QStringLiteral(" ") + Tipo +
                      (PermiteNulos ? QStringLiteral(" Null ") : QStringLiteral(" Not Null "));
        if (ValorDefault.isValid())
            sql += QStringLiteral(" CONSTRAINT DF_") + Tabla.trimmed() + QStringLiteral("_") +
                   Campo.trimmed() + QStringLiteral(" DEFAULT (") + ValorDefault.toString() +
                   QStringLiteral(")");
        EjecutaConsultaSQL(sql);
    });
}

bool DB_Dll::VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar,
                        const QString& Tipo, bool PermiteNulos, const QVariant& ValorDefault) {
    if (ExisteTablaDB(Tabla) && !ExisteCampoDB(Tabla, Campo) && Agregar)
        AddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault);
    return true;
}
