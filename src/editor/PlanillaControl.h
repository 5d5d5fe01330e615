#pragma once
// The voucher control sheet: the grid as it stands written as an HTML table
// into "pcc2.xls", so that the spreadsheet program opens it.
#include <QString>
#include <QStringList>

class ModeloAsientos;

// The lines of the sheet for the grid; carpeta is the program folder as the
// system reports it, without a trailing separator.
QStringList LineasPlanilla(const ModeloAsientos& grilla, const QString& carpeta,
                           const QString& titulo);
// Writes the sheet into archivo (replacing it), one byte per character in the
// workstation's code page, lines ended by CR LF. The title becomes
// "Planilla Control de Comprobantes". False when it could not be written.
bool GeneraHTML(const QString& archivo, QString& titulo, const ModeloAsientos& grilla);
// The report action: writes "pcc2.xls" in the program folder and opens it.
void ReportePlanilla(const ModeloAsientos& grilla);
