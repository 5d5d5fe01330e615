#pragma once
// The registered connections file BASES.TXT in the application folder: one
// registration a line, five fields (name, database, user, ciphered password,
// server). The name is the key: upper-cased database, " / ", upper-cased
// server without its port.
#include <QString>
#include <QStringList>
#include <optional>

// One registration as read back; the password deciphered.
struct RegistroBase {
    QString nombre;
    QString base;
    QString usuario;
    QString clave;
    QString servidor;
};

// True when the file can be opened for reading; double quotes in the path are
// ignored.
bool ExisteArchivo(const QString& ruta);

class BasesRegistradas {
public:
    // The file of the application folder.
    BasesRegistradas();
    explicit BasesRegistradas(QString ruta);

    const QString& ruta() const { return ruta_; }

    // The names of the list: the first field of every line whose first field
    // is not blank, in file order. A read error is reported through the error
    // treatment as "FormLoad"; Retry reads again from where it failed, Ignore
    // keeps what was read, any other answer stops. No file: no names.
    QStringList llenarlist() const;
    // The first registration whose trimmed name equals the trimmed nombre
    // (letter case counts). A read error is reported as "DatosBase".
    std::optional<RegistroBase> DatosBase(const QString& nombre) const;
    // Appends one registration; clave is given plain and ciphered here. A
    // file that does not end in a line break gets a CR first, so the line
    // starts on a line of its own. Raises the error when it cannot write, or
    // when a value holds a line break or another control character.
    void AgregarBase(const QString& nombre, const QString& base, const QString& usuario,
                     const QString& clave, const QString& servidor) const;

private:
    QString ruta_;
};
