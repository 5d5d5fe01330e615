#pragma once
// The check of the session user against the suite's users table.
#include <QString>

// The password by which a caller vouches for the user: the stored one is
// taken instead.
inline const QString kMarcaClave = QStringLiteral("* *");

// When the session password is the marker, replaces it by the stored
// password of the session user; with no such user the marker stays.
void ResolverMarcaClave();

// True when clave is the stored password of usuario (letter case ignored)
// for a user of this suite's systems, or when usuario is the database's own
// login. On a user found: gUsuarioLogeado = usuario and gEsAdmin from the
// row. A database error reaches the caller.
bool ValidarUsuario(const QString& usuario, const QString& clave);
