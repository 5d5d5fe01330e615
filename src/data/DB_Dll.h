#pragma once
// The data-access class: it builds connection strings, opens and keeps the
// connection, reconnects when it is lost, opens result sets and runs
// statements through a fixed set of helpers, rewrites statements for Oracle
// and for the confidential synonyms, and reports errors in one dialog and one
// error log. One main instance serves the whole program; a second one reaches
// the statistics database.
#include "Conexion.h"
#include "ContratoErrores.h"
#include "Dialogos.h"
#include "Recordset.h"
#include <QVariant>
#include <cstdint>
#include <memory>

class DB_Dll {
public:
    // Public fields, in their declaration order.
    Dialogos* CmdDlg = nullptr; // file chooser; the program's dialog side when null
    bool gOpenFlag = false;
    QVariant gIgnoraPassWord;
    std::shared_ptr<Conexion> gCnn;
    std::shared_ptr<Recordset> glrcs;
    QVariant gCursorLocation;
    QString gProveedor;
    QString gDsn;
    QString gServidor;
    QString gDBName;
    QString gUsuario;
    bool gEsAdmin = false;
    QString gUserPassWord;
    QString gConnString;
    QString gExtended;
    QString gLogErr;
    bool ParametrosSQL = false;
    std::int16_t gQDTimeOut = 0;

    // Lookups of the largest and smallest value of a column.
    QVariant BuscaMaximo(const QString& QueTabla, const QString& QueCampo, int Tipo = 0,
                         QString* Condicion = nullptr);
    QVariant BuscaMinimo(const QString& QueTabla, const QString& QueCampo, int Tipo = 0,
                         QString* Condicion = nullptr);

    // Connections.
    void OpenServerADODB(bool PideParametrosSQL = false, int lCursor = 3,
                         const QString& ConnString = {}, bool ValidaAdmin = true,
                         bool MuestraError = true);
    void OpenLocalADODB(const QString& ConnString = {},
                        const QString& CadenaID = QStringLiteral("User Id"),
                        const QString& CadenaPWD = QStringLiteral("Password"));

    // Row tests and single values.
    bool ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado,
                         const QString& Campo = QStringLiteral("Codigo"), Recordset* LRCS = nullptr,
                         int Tipodato = 8, const QString& Condicion = {}, bool SoloLectura = false);
    bool ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado,
                       const QString& Campo = QStringLiteral("Codigo"), Recordset* LRCS = nullptr,
                       int Tipodato = 8, const QString& Condicion = {}, bool SoloLectura = false);
    QString DatosTabla(const QString& Tabla, const QString& ValorBuscado,
                       const QString& CampoDevuelto,
                       const QString& Campo = QStringLiteral("Codigo"), QVariant Tipodato = 8,
                       const QString& Condicion = {}, bool UsaTrim = true,
                       bool IgnoraError = false);

    // Type classifiers and literals.
    static bool adodate(const QVariant& Qtype);
    static QString ADOComilla(const QVariant& Qtype);
    static bool ADOText(const QVariant& Qtype);
    static bool ADONumeric(const QVariant& Qtype);
    static bool ADOCurrency(const QVariant& Qtype);
    static bool ADOBoolean(const QVariant& Qtype);

    void CierraRecordset(Recordset* LrcsTemp);
    // Accepted and not used by this program.
    void QConsulta() {}
    void QGridConsulta() {}

    // Name helpers.
    static QString stSTF(QString& rsName, std::int16_t rnPart);
    static QString AddBrackets(const QString& rObjName);
    static QString StripConnect(const QString& rsTblName);
    static QString StripBrackets(const QString& rsObjName);
    static QString StripOwner(QString& rsTblName);
    static QString StripFileName(const QString& rsFileName);

    // Statements.
    void EjecutaConsultaSQL(QString& SentenciaSQL, long* RecordsAffected = nullptr,
                            std::shared_ptr<Recordset>* LRCS = nullptr);
    void EjecutaConsultaRSQL(QString& SentenciaSQL, long* RecordsAffected = nullptr,
                             std::shared_ptr<Recordset>* LRCS = nullptr);
    void AbrirRecordset(QString& SentenciaSQL, Recordset& LRCS, Conexion* Conexionactiva = nullptr,
                        int CursorType = 0, int LockType = 1, int Options = -1,
                        bool ConvOracle = true);
    // Overload for callers whose statement need not come back rewritten.
    void AbrirRecordset(const QString& SentenciaSQL, Recordset& LRCS, int CursorType = 0,
                        int LockType = 1);
    // A lookup repeated with other values: the "?" marks of SentenciaSQL take
    // Valores in order, forward-only and read-only, with the same recovery
    // and error treatment. The engine keeps the statement compiled.
    void AbrirRecordset(const QString& SentenciaSQL, const QList<QVariant>& Valores,
                        Recordset& LRCS);

    QString ORACLE_Dicc(const QString& Valor) const;
    QVariant BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, int Tipo = 8,
                               const QString& Condicion = {});

    static QString pJETOLEDB40() { return QStringLiteral("Microsoft.Jet.OLEDB.4.0"); }
    static QString pJETOLEDB35() { return QStringLiteral("Microsoft.Jet.OLEDB.3.51"); }
    static QString pSQLOLEDB() { return QStringLiteral("SQLOLEDB"); }

    static QString SQLValue2(const QVariant& Valor, const QString& Tipo = QStringLiteral("'"));
    static QString SQLValue(const QVariant& Valor, const QString& Tipo = QStringLiteral("'"));

    // Schema.
    void AddField(const QString& Tabla, const QString& Campo, const QString& Tipo,
                  bool PermiteNulos, const QVariant& ValorDefault = {});
    bool ExisteTablaDB(const QString& Tabla);
    bool ExisteCampoDB(const QString& Tabla, const QString& Campo);
    bool VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo,
                    bool PermiteNulos, const QVariant& ValorDefault = {});

    QString SS_TSinonimos(const QString& sql) const;

    QString ArchivoErrores() const { return gLogErr; }
    void ArchivoErrores(const QString& ruta) { gLogErr = ruta; }
    int TratamientoErrores(const ErrorVB& CodErr, int Botones = 18, const QString& Rutina = {});

    bool AsegurarConexion();
    bool ReintentaConectar();

    // The engine of the open connection.
    MotorBD motor() const { return gCnn ? gCnn->motor() : MotorBD::SqlServer; }
    // The connection, created on first use.
    Conexion& conexion();

private:
    void ArmarCadenaConexion();
    void PedirParametrosConexion();
    void BuscarArchivoBase(bool& cancelado);
    // The message of a connection the provider refused.
    QString MensajeErrorConexion(const ErrorProveedor& error) const;
    int EvaluarPerdidaConexion(long numero, std::int16_t& contador, const QString& rutina);
    bool IntentarReconexion(std::int16_t intentos, const QString& rutina);
    // The recovery of AbrirRecordset and AsegurarConexion: a lost connection
    // reopened repeats the failed step, one the operator gives up ends the
    // program; any other error goes to the routine's treatment. recuperadas
    // counts the reopenings of one call: a failure that a reopening does not
    // mend goes to the treatment after the third instead of looping.
    ContratoErrores::Decision RecuperarConexion(const ErrorVB& error, std::int16_t& contador,
                                                const QString& rutina, int& recuperadas);
    // A database another program keeps busy past the waiting time, or a file
    // that is no usable database, met by a read: the operator is told once.
    // Retry repeats the failed step and Cancel leaves the routine; a damaged
    // database ends the program. Tratar for any other error.
    ContratoErrores::Decision RecuperarBaseInutil(const ErrorVB& error);
    // The question about a busy database; true when the operator retries.
    bool PreguntarOcupada(const ErrorProveedor& error);
    // The provider error behind error, when error was raised from one.
    const ErrorProveedor* errorProveedor(const ErrorVB& error) const;
    // The query recovery rule of the row tests, single values and statements:
    // a statement that failed because the network dropped is repeated once
    // the connection is back, at most twice per call (contador counts);
    // anything else goes to the treatment.
    ContratoErrores::Decision RecuperarConsulta(int& contador);
    // The contract of the row tests and single values: the query recovery
    // rule, then the generic message (Abort/Retry/Ignore).
    ContratoErrores contratoConsulta(int& contador);
    void EjecutarScript(QString& script, long& afectados);
    // AbrirRecordset, with the values of the "?" marks when valores is given.
    void abrirRecordset(QString& SentenciaSQL, const QList<QVariant>* valores, Recordset& LRCS,
                        Conexion* Conexionactiva, int CursorType, int LockType, int Options,
                        bool ConvOracle);
    // Runs a statement on the connection (a script on Oracle) and drops a
    // truncation warning; errors reach the caller.
    void ejecutarSentencia(const QString& SentenciaSQL, long* RecordsAffected,
                           std::shared_ptr<Recordset>* LRCS);
    static QString FiltrarSentencia(QString& sentencia);
    QVariant buscarExtremo(const QString& funcion, const QString& alias, const QString& QueTabla,
                           const QString& QueCampo, int Tipo, QString* Condicion);
    bool existeEnTabla(const QString& sql, Recordset* LRCS, bool SoloLectura, bool traducir);

public:
    // Pause between two reconnection attempts (tests shorten it).
    static constexpr int kEsperaReconexionMs = 500;
    static int esperaReconexionMs;

private:
    // True when the connection string names Oracle past its first character.
    bool cadenaOracle();
    QString cadenaVista_;
    bool cadenaEsOracle_ = false;
    std::int16_t contadorAbrir_ = 0;
    std::int16_t contadorAsegurar_ = 0;
    bool preguntaEnPantalla_ = false;
};

// The main instance and the statistics instance.
DB_Dll& gDB();
DB_Dll& gDBEstadisticas();
