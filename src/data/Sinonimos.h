#pragma once
// The confidential synonyms: for a user who is not an administrator, each
// sensitive table or view named in a statement is switched to its filtered
// twin "SS_<name>". The marker "@Admin_" in front of a name asks for the real
// object and is always removed.
#include <QString>

namespace Sinonimos {

QString Aplicar(const QString& sql, bool esAdmin, bool confidencialidad);

} // namespace Sinonimos
