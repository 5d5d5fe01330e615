#pragma once
// The statement builders: column-value pairs are collected in one
// process-wide pending-fields list, then turned into INSERT text.
#include <QString>
#include <QStringList>

// Adds a pair to the pending-fields list; nuevo restarts the list with it.
// Every apostrophe is removed from valor, the caller's text included. A value
// "null" (any letter case) becomes the keyword Null; any other is written
// with SQLValue and the quote type comilla.
void AgregarCampo(const QString& columna, QString& valor, const QString& comilla, bool nuevo);
// Overload for values the caller does not keep.
void AgregarCampo(const QString& columna, const QString& valor, const QString& comilla, bool nuevo);

// Appends "INSERT INTO tabla (columns) VALUES (values)" to sentencias, then an
// empty entry. Unless conservar, the pending-fields list restarts.
void ArmarSentencia(QStringList& sentencias, const QString& tabla, bool conservar);

// Appends "(columns) VALUES (values)" to texto; borrar discards the list.
void ArmarValores(QString& texto, bool borrar);

// Empties the pending-fields list (a new process starts with it empty).
void ReiniciarCamposPendientes();
