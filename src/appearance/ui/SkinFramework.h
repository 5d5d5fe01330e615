#pragma once
// The skin component of a window (named "SkinFramework1" in it): loads a skin
// file and gives its palette and style sheet to the program. Once applied,
// the skin holds for every window of the program, the ones open and the ones
// opened later (search window, progress sign, reconnection window), as the
// component did once it had skinned a window.
#include "ArchivoSkin.h"
#include <QObject>
#include <optional>

class QWidget;

class SkinFramework : public QObject {
    Q_OBJECT
public:
    // ApplyOptions bit: the style sheet of the skin (borders, gradients,
    // paddings) on top of its colours. Without it only the palette applies.
    static constexpr int kAplicarMetricas = 1;

    explicit SkinFramework(QObject* parent = nullptr);

    // Reads the skin of a path and settings name (a file inside a skin
    // folder). False, with the skin loaded before kept, when the file is
    // missing or is not a complete skin.
    bool LoadSkin(const QString& ruta, const QString& ajustes);
    int ApplyOptions() const { return opciones_; }
    void SetApplyOptions(int opciones) { opciones_ = opciones; }
    // Gives the loaded skin to the program; nothing without a loaded skin.
    void ApplyWindow(QWidget* ventana);

    const std::optional<Skin>& SkinCargado() const { return skin_; }

private:
    std::optional<Skin> skin_;
    int opciones_ = 0;
};

// The look the program had before any skin, back in place; the skins loaded
// are forgotten.
void RestablecerSkinPrograma();
