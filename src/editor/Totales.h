#pragma once
// The debit and credit totals of the selection and their difference, and the
// amount formatting shared by the editor.
#include <QString>

class ModeloAsientos;

// Formats an amount: decimals -3 leaves the text unchanged, -1 takes the
// session's decimals, 0 the workstation's, -2 none; width above 0 (at most 25)
// right-aligns the text in that many characters.
QString FmtMoneda(const QString& valor, int decimales, bool separadores, int ancho);

// Each amount is rounded to the session's decimals and the totals are summed
// exactly in those units, so the difference is zero exactly when the rounded
// amounts balance.
struct TotalesDH {
    double debe = 0;
    double haber = 0;
    // "Debe : ", "Haber : " (plain regional numbers) and "Dif : " (FmtMoneda),
    // and a fourth line when the totals count amounts changed on screen.
    QString texto;
    bool hayDiferencia = false;
    bool incluyeCambios = false;
};

// Totals of the lines of MV_ASIENTOS that match the condition (the load's
// filter); the condition gets " and " in front when it lacks it.
TotalesDH CalculaDiferenciaDH(QString& condicion);
// Totals of the debit and credit cells of the grid, amounts changed on screen
// included.
TotalesDH CalculaDiferenciaDH(const ModeloAsientos& grilla);
