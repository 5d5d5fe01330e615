#pragma once
// The textual rewrite of the program's SQL Server statements for Oracle, and
// the splitting of a SQL Server script into the statements run one by one on
// Oracle.
#include <QString>
#include <QStringList>

namespace OracleDicc {

// Rules for TOP, LEN, brackets, date literals, CHARINDEX, CONVERT, empty-text
// comparisons, date style 103, SUBSTRING and ISNULL.
QString Traducir(const QString& valor);
// The statements of a script, in order, from its statement keywords on.
QStringList PartirScript(const QString& script);
// Empty for the statements Oracle has no form of (SET NOCOUNT, IF NOT EXIST).
QString FiltrarSentencia(QString& sentencia);

} // namespace OracleDicc
