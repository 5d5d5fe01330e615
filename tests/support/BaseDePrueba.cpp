#include "BaseDePrueba.h"
#include "DB_Dll.h"
#include <QFile>

BaseDePrueba::BaseDePrueba(const QString& nombre, const QString& ddl) : nombre_(nombre) {
    crear(nombre, ddl);
}

QString BaseDePrueba::cadena() const {
    return QStringLiteral("PROVIDER=SQLOLEDB;Server=") + carpeta() + QStringLiteral(";Database =") +
           nombre_ + QStringLiteral(";UId=") + nombre_ + QStringLiteral(";Pwd=") + nombre_ +
           QStringLiteral(";Connect Timeout=5;");
}

void BaseDePrueba::crear(const QString& nombre, const QString& ddl) const {
    QFile f(dir_.ruta(nombre + QStringLiteral(".db")));
    f.open(QIODevice::WriteOnly);
    f.close();
    if (!ddl.isEmpty())
        ejecutarEn(nombre, ddl);
}

void BaseDePrueba::ejecutarEn(const QString& base, const QString& sql) const {
    Conexion cn;
    cn.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=") + carpeta() +
            QStringLiteral(";Database =") + base + u';');
    for (const QString& s : sql.split(u';'))
        if (!s.trimmed().isEmpty())
            cn.Execute(s);
}

QString BaseDePrueba::valor(const QString& sql) const {
    Conexion cn;
    cn.Open(cadena());
    Recordset rs;
    rs.Open(sql, &cn, 0, 1);
    return rs.Eof() ? QString() : rs.Valor(0).toString();
}

int BaseDePrueba::filas(const QString& sql) const {
    Conexion cn;
    cn.Open(cadena());
    Recordset rs;
    rs.Open(sql, &cn, 0, 1);
    int n = 0;
    for (; !rs.Eof(); rs.MoveNext())
        ++n;
    return n;
}

void BaseDePrueba::conectar(DB_Dll& db) const {
    db.gServidor = carpeta();
    db.gDBName = db.gUsuario = db.gUserPassWord = nombre_;
    db.OpenServerADODB(false, 3, QString(), true, false);
}
