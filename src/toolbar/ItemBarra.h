#pragma once
// One slot of the bar: a command identified by its key, with its texts, icon
// files and states. A default-constructed record is an empty slot.
#include "ColoresBarra.h"
#include <QImage>
#include <QString>

struct ItemBarra {
    QString Tag; // trimmed, letter case as given
    QString Caption;
    QString ToolTip;
    QString IconFile;
    QString IconFileOver;
    QString IconFileDis;
    bool Visible = false;
    bool Enabled = true;
    int BadgeCount = 0;
    bool Attention = false;
    ColorRGB AttentionColor = RGB(220, 64, 64);
    bool Checkable = false;
    bool Checked = false;
    QImage IconPicture; // loaded from an icon file that is not PNG; null when none
    bool HasPng = false;
};
