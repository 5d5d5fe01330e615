#pragma once
// The fixed date formats of the audit rows: two-digit day, month and year,
// 24-hour hours and minutes.
#include <QString>

inline const QString FormatoFecha = QStringLiteral("dd/MM/yy");
inline const QString FormatoHora = QStringLiteral("HH:mm");
inline const QString FormatoFechaHora = QStringLiteral("dd/MM/yy HH:mm");
