#pragma once
// Amounts as the grid and the totals use them. Sums are kept in whole units of
// the last decimal counted (cents with two decimals), so a balanced selection
// adds up to exactly zero whatever binary residue its amounts carry. Texts are
// plain numbers in the workstation's regional notation: its decimal symbol,
// no thousands separators, never an exponent.
#include <QString>
#include <QVariant>
#include <cstdint>

namespace Importes {

// The most decimals amounts are counted with.
constexpr int kMaxDecimales = 6;
// The workstation's number of fractional digits for amounts.
constexpr int kDecimalesDelEquipo = 2;

// The session's decimals for amounts (the workstation's when the session says
// 0 or nothing), from 0 to kMaxDecimales.
int Decimales();

// An amount in units of 10^-decimales: first kept to four decimals, as
// ValorNumero reads it, then rounded half away from zero. Amounts beyond
// 9e12 are held at that bound.
std::int64_t EnUnidades(double valor, int decimales);
// The same for a text, read with ValorNumero (empty or non-numeric is 0).
std::int64_t EnUnidades(const QString& texto, int decimales);
// Adds units to a total, held at the int64 bounds instead of wrapping.
void Sumar(std::int64_t& total, std::int64_t unidades);
// An amount in units back as a number (the nearest double).
double ComoNumero(std::int64_t unidades, int decimales);

// An amount in units as a plain regional number, without the zeros that end
// its decimals ("13191569,6" for 1319156960 cents in a Spanish setting).
QString Llano(std::int64_t unidades, int decimales);
// The same with exactly the given decimals ("0,00"): the text FmtMoneda gives.
QString ConDecimales(std::int64_t unidades, int decimales);
// A value read from the database as a plain regional number: numbers with up
// to 15 significant digits; any other value as its text.
QString Llano(const QVariant& valor);
// A text in the point notation of ValorTexto turned into the regional one.
QString Regional(const QString& textoConPunto);

} // namespace Importes
