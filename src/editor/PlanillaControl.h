#pragma once
// The voucher control sheet: the grid as it stands written as an HTML table
// into "pcc2.xls", so that the spreadsheet program opens it.
#include <QString>

class AvanceCarga;
class ModeloAsientos;

// Writes the sheet into archivo, one byte per character in the workstation's
// code page, lines ended by CR LF. The title becomes "Planilla Control de
// Comprobantes". The rows go out as they are read, into a file beside
// archivo that replaces it only once complete: a sheet that fails or is
// cancelled leaves archivo as it was. With a progress sign, it shows while
// the rows are written and its Cancel ends the sheet when the user confirms.
// False when the sheet was not written.
bool GeneraHTML(const QString& archivo, QString& titulo, const ModeloAsientos& grilla,
                AvanceCarga* avance = nullptr);
// The report action: writes "pcc2.xls" in the program folder and opens it;
// when no program opens it, the user is told where it was written.
void ReportePlanilla(const ModeloAsientos& grilla, AvanceCarga* avance = nullptr);
