#pragma once
// The configuration table: one row per setting, read and written on the main
// connection and on the statistics connection, and the session values loaded
// from it at start-up.
#include <QString>
#include <QVariant>

// VALOR of the key; " " when there is no row; "" when the main connection is
// not open. Group "DATOS" finds the key in any group.
QString LeerCfg(const QString& clave, QString& valorAux,
                const QString& grupo = QStringLiteral("DATOS"));
QString LeerCfg(const QString& clave, const QString& grupo = QStringLiteral("DATOS"));
void GrabaCfg(const QString& clave, const QVariant& valor, const QString& valorAux,
              bool politicaNegocio, const QString& grupo, bool recortar, bool borrar);
// The same on the statistics database.
QString CfgQD(const QString& clave, QString& valorAux);
void GrabaCfgQD(const QString& clave, const QVariant& valor, const QString& valorAux,
                bool politicaNegocio, const QString& grupo, bool recortar);

// Reads the session's flags, colours and texts and repairs an unusable pair
// of input-field colours.
void CargarConfiguracionSesion();

// The settings file "cn000pr.ini" in the application folder.
QString ArchivoIni();
