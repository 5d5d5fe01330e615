#pragma once
// The function keys that stand for items of the bar: Esc cancels (or closes
// when there is nothing to cancel), F2 saves, F3 new, F4 report, F5 consult,
// F6 spreadsheet, F10 delete. Key codes are the Windows virtual-key codes the
// main window passes on.
#include <QString>
#include <functional>

// The key that the key code raises with click, or "" for nothing; usable
// tells whether an item key is found, visible and enabled.
QString ClaveDeTecla(int keyCode, const std::function<bool(const QString&)>& usable);
// The Windows virtual-key code of a Qt key (Qt::Key_F5 → 116), 0 for keys
// the bar does not handle.
int CodigoTecla(int teclaQt);
