#include "Usuarios.h"
#include "DB_Dll.h"
#include "Sesion.h"
#include "TextoSql.h"
#include "UtilGeneral.h"

namespace {
// The administrator flag of a users row: a non-zero number or "true".
bool ValorBooleano(const QString& texto) {
    const QString t = texto.trimmed();
    return t.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0 ||
           t.compare(QStringLiteral("verdadero"), Qt::CaseInsensitive) == 0 ||
           UtilGeneral::ValorNumero(t) != 0.0;
}
} // namespace

void ResolverMarcaClave() {
    Sesion& s = sesion();
    if (s.gClaveUsuario.compare(kMarcaClave, Qt::CaseInsensitive) != 0)
        return;
    QString sql = QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = '") +
                  TextoSql::Comillas(s.gUsuarioLogeado) + u'\'';
    Recordset rs;
    gDB().AbrirRecordset(sql, rs);
    // A query that failed and was not repeated leaves the set closed: reading
    // it raises, and the error reaches the caller.
    if (!rs.BOF())
        s.gClaveUsuario =
            UtilGeneral::Desencriptar(UtilGeneral::ValorTexto(rs(QStringLiteral("PassWord"))));
    gDB().CierraRecordset(&rs);
}

bool ValidarUsuario(const QString& usuario, const QString& clave) {
    DB_Dll& db = gDB();
    Sesion& s = sesion();
    // The database's own login is a user of its own (never a blank name).
    if (!usuario.trimmed().isEmpty() && usuario.compare(db.gDBName, Qt::CaseInsensitive) == 0) {
        s.gUsuarioLogeado = usuario;
        return true;
    }
    // Users of the accounting systems.
    QString sql = QStringLiteral("SELECT * FROM TA_USUARIOS WHERE NOMBRE = '") +
                  TextoSql::Comillas(usuario.trimmed()) +
                  QStringLiteral("' AND (SISTEMA = 'cn000pr' OR SISTEMA = 'BREV')");
    Recordset rs;
    db.AbrirRecordset(sql, rs);
    if (rs.BOF()) {
        db.CierraRecordset(&rs);
        return false;
    }
    s.gUsuarioLogeado = usuario;
    const QString guardada =
        UtilGeneral::Desencriptar(UtilGeneral::ValorTexto(rs(QStringLiteral("PassWord"))));
    db.gEsAdmin = ValorBooleano(UtilGeneral::ValorTexto(rs(QStringLiteral("Administrador"))));
    const bool valida = guardada.compare(clave, Qt::CaseInsensitive) == 0;
    db.CierraRecordset(&rs);
    return valida;
}
