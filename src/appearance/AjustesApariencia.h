#pragma once
// What the Windows user chose for the look of the program on a database: the
// font and its size for the standard controls and the skin number, read from
// the settings file "cn000pr.ini"; the skin each number stands for; and the
// rules of which controls take the font.
#include <QString>

struct AjustesApariencia {
    QString fuente = QStringLiteral("Segoe UI");
    // The numeric value of the size text; 0 when it holds no number.
    double tamano = 9;
    int skin = 4;
};

// Sections W_DFont, W_DFontSize and W_DStyles of the settings file, with W the
// Windows user and D the database, both upper-cased.
AjustesApariencia LeerAjustesApariencia(const QString& archivoIni, const QString& usuarioWindows,
                                        const QString& baseDatos);
// The same for the user of the workstation and the database of the main
// connection, from the settings file of the application folder.
AjustesApariencia LeerAjustesApariencia();

struct SkinElegido {
    QString ruta;    // a skin file, or a skin folder
    QString ajustes; // the settings file inside the folder, "" for a file
};
// The skin of a number, under the "Styles" folder of the application folder.
SkinElegido SkinDeNumero(int numero, const QString& carpetaAplicacion);

// The windows that keep their own fonts and controls: the container window
// "FRMMdi" and every window of the program "v_ta_config".
bool VentanaConControlesPropios(const QString& nombreVentana, const QString& nombreEjecutable);

// A control takes the configured font unless its font is "Marlett" (symbols)
// or larger than 12 points (titles).
bool TomaLaFuente(const QString& familia, double puntos);
