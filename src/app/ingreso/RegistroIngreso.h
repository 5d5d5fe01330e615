#pragma once
// The program entry log: one Control_Acceso row per start, with the
// workstation, the user, the program and the menu task the user reaches it by.
#include <QString>

// Writes the entry row for proceso (empty: this program). Failing statements
// are skipped; a refused insert is rolled back and logged in AUX_ERR and
// shown, except when the database or the login cannot write at all.
void RegistrarIngreso(const QString& proceso);

// The task name of the session user for proceso: the menu entry's name
// granted in TA_TAREAS; without one, the program's name for the database's
// own login and the supervisor, empty for any other user.
QString TareaDelUsuario(const QString& proceso);
