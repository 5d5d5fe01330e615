#pragma once
// Reader of Windows settings files: sections in brackets, "key=value" lines.
// Section and key names ignore letter case; the first section and the first
// key of a name count; the default is returned when the file, the section or
// the key is absent.
#include <QString>
#include <QStringList>

namespace LectorIni {

QString LeerValor(const QString& archivo, const QString& seccion, const QString& clave,
                  const QString& porDefecto);
// The section names of the file, in file order; empty when it cannot be read.
QStringList Secciones(const QString& archivo);

} // namespace LectorIni
