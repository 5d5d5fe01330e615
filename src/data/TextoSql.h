#pragma once
// Small text rules shared by the statement builders.
#include <QString>
#include <QVariant>

namespace TextoSql {

// A value placed between apostrophes: its own apostrophes doubled, so that
// nothing typed can end the literal.
QString Comillas(const QString& valor);
// The value as a text literal: between apostrophes, its own doubled.
QString Literal(const QString& valor);
// The leading number of a text (blanks skipped, empty or non-numeric text
// giving 0), written back with a decimal point so the statement stays valid.
QString FormaNumerica(const QString& valor);
// The same leading number as a value.
double ValorVal(const QString& valor);
// Case-insensitive replacement of every occurrence.
QString ReemplazarSinCaso(QString texto, const QString& viejo, const QString& nuevo);

} // namespace TextoSql
