#pragma once
// The typed-date mask of the lookup control: while the text box is tagged
// "FECHA", every key rebuilds the text as day/month/year with the slashes
// fixed at positions 3 and 6, digits stepping over them, and the key itself
// never reaches the box.
#include <QString>

// The text box as the mask sees it.
class CajaTexto {
public:
    virtual ~CajaTexto() = default;
    virtual QString Texto() const = 0;
    // Setting the text runs what a change of the text runs.
    virtual void FijarTexto(const QString& texto) = 0;
    // The caret: the number of characters before it.
    virtual int Cursor() const = 0;
    virtual void FijarCursor(int posicion) = 0;
    virtual int LargoMaximo() const = 0;
    virtual QString Etiqueta() const = 0;
};

// Applies the mask to the key (a character code; 8 is Backspace). When the
// box is tagged "FECHA" (any letter case) the text is rebuilt and KeyAscii
// becomes 0 (the key is discarded); otherwise nothing changes.
void ClsDatosOk(CajaTexto& Textos, int& KeyAscii);
