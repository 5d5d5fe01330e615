#pragma once
// A picture box that shows a filled percentage bar with its caption centred;
// the bar inverts what lies under it.
#include <QImage>
#include <QWidget>

class CajaProgreso : public QWidget {
    Q_OBJECT
public:
    explicit CajaProgreso(QWidget* parent = nullptr);
    const QImage& imagen() const { return imagen_; }
    void Limpiar();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    friend void DibujarProgreso(CajaProgreso&, const QString&, std::uint32_t, const QString&);
    QImage imagen_;
};

// Draws the percentage (a number, or empty text for none) in the colour with
// the caption text + " " + percentage + "%".
void DibujarProgreso(CajaProgreso& caja, const QString& porcentaje, std::uint32_t color,
                     const QString& texto);
// The caption the bar shows.
QString LeyendaProgreso(const QString& porcentaje, const QString& texto);
