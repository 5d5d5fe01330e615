#pragma once
// The look a window takes at its load: the skin that the Windows user chose
// for the database (through the window's skin component "SkinFramework1"),
// the configured font on its standard controls, flat text boxes, combo boxes
// and buttons when asked, and the matching colour style in every button bar.
// Every step that fails is skipped silently and the next one runs.
class QString;
class QWidget;

void AplicarApariencia(QWidget* ventana, bool estiloPlano);

// The skin the Windows user chose for a database, alone: for a program whose
// windows do not call AplicarApariencia. The program takes the skin's palette
// and style sheet and keeps its fonts and controls.
void AplicarSkinPrograma(const QString& baseDatos);
