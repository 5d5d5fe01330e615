#pragma once
// The parameter string by which the suite's programs start one another:
// "@Key=value;" pairs found case-insensitively anywhere in free text.
#include <QString>
#include <optional>

// What parsing a parameter string yields besides the session values it sets.
struct ParametrosInicio {
    QString servidor;
    QString baseDatos;
    QString usuario;
    QString clave;
    QString cadenaConexion; // explicit connection string (Oracle start)
};

// Parses texto, fills gParametroAdicional, gCaja, gUsuarioLogeado and
// gClaveUsuario of the session, and returns the local values.
ParametrosInicio ParsearParametros(const QString& texto);

// The value of one key: the text after the key up to the first ";" at or after
// the key, without "=" and trimmed. nullopt when the key is absent.
std::optional<QString> ValorParametro(const QString& texto, const QString& clave);

// The server name of a value written as [alias/]server[:port]; an absolute
// folder is kept whole.
QString ObtenerServidor(const QString& valor);

// The string the program launcher writes for a sibling program.
QString CadenaLanzador(const QString& servidor, const QString& base, const QString& usuario,
                       const QString& clave, const QString& adicional,
                       const QString& usuarioLogeado, const QString& caja);
// The arguments of the desktop shortcut (password and session values empty).
QString CadenaAccesoDirecto(const QString& servidor, const QString& base, const QString& usuario);
