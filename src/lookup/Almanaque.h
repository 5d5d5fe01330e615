#pragma once
// The calendar arithmetic of the lookup control's date picker: Spanish month
// names whatever the system's language, days per month, and the grid of 42
// day cells of a month with the week starting on Sunday.
#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

namespace Almanaque {

constexpr int kCeldas = 42;
constexpr int kPrimerAnio = 1930;
constexpr int kUltimoAnio = 2049;

// "Enero" to "Diciembre"; empty text for any other number.
QString NombreMes(std::int16_t mes);
// 1 to 12 for a month name (letter case ignored); 0 for any other text.
std::int16_t Nromes(const QString& nombre);
// Days in the month; 0 when the month or the year is not valid.
std::int16_t CantidadDeDiasDelmes(int mes, int anio);

// A day cell: its caption (the day, or "." outside the month), whether it
// can be chosen, and its text colour.
struct Celda {
    QString caption;
    bool habilitada = false;
    QColor color;
};
// The grid of the month: cell i is in row i / 7, column i % 7 (Sunday
// first). Weekdays blue, Saturdays and Sundays red, cells outside the month
// black. An invalid month or year gives a grid without days.
std::array<Celda, kCeldas> ArmarAlmanaque(int mes, int anio);

// The text a click on a day writes: the day as two digits, the month number
// without a leading zero and the year, separated by "/" (05/3/2024).
QString TextoDia(const QString& caption, const QString& mes, const QString& anio);

} // namespace Almanaque
