#pragma once
// Skin files: a palette and a Qt style sheet in a small text format.
//
//   [Skin]
//   Nombre = Vista
//   [Paleta]
//   Window = #F0F0F0
//   WindowText = #1E1E1E
//   ...
//   [Estilo]
//   QPushButton { border: 1px solid #707070; ... }
//
// Lines starting with ";" are comments outside [Estilo]. [Estilo] is the last
// section: everything after its header is the style sheet, as written, but
// for the images it names with a relative path ("url(flecha.png)"), which are
// looked for next to the skin file. A skin folder holds several files; the
// settings name chooses one of them.
#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>
#include <optional>

struct Skin {
    QString nombre;
    QPalette paleta;
    // The roles the file names, in file order, with their colours.
    QList<QPair<QPalette::ColorRole, QColor>> colores;
    QString hoja;
};

// The roles a skin must name: the surfaces of windows, text boxes, buttons and
// the selection, each with its text.
inline constexpr QPalette::ColorRole kRolesObligatorios[] = {
    QPalette::Window,      QPalette::WindowText, QPalette::Base,      QPalette::Text,
    QPalette::Button,      QPalette::ButtonText, QPalette::Highlight, QPalette::HighlightedText,
    QPalette::ToolTipBase, QPalette::ToolTipText};

// The file a skin path and settings name stand for: the settings file inside
// the skin folder, or the path itself when no settings name is given.
QString RutaArchivoSkin(const QString& ruta, const QString& ajustes);

// The skin read from the file; nothing when the file cannot be read or is not
// a complete skin (error says why).
std::optional<Skin> LeerSkin(const QString& ruta, const QString& ajustes, QString* error = nullptr);
std::optional<Skin> ParsearSkin(const QString& texto, QString* error = nullptr);

// The sheet with every relative "url(...)" made absolute from the folder.
QString ConRutasDesde(const QString& hoja, const QString& carpeta);

// The palette role of a name ("Window", "highlightedtext"), letter case ignored.
std::optional<QPalette::ColorRole> RolDeNombre(const QString& nombre);
// A colour written as "#RRGGBB", "#RGB", an SVG name or "r, g, b"; invalid when none.
QColor LeerColor(const QString& texto);
