// Renders the confirmation of a replacement, with its preview, and the list
// of the lines it will change, headless, into one PNG: captura_reemplazo
// <file.png>. The main window of the program runs the replacement over a demo
// database; the Qt side of the dialogs is used as the program uses it, except
// that the message box and its list are drawn instead of waited on, and the
// answer is No.
#include "CajaMensaje.h"
#include "DB_Dll.h"
#include "DialogosQt.h"
#include "FrmTarquel.h"
#include "GeneradorDemo.h"
#include "Sesion.h"
#include "VentanaLista.h"
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

namespace {
// A window's picture under a strip with its title, as a desktop draws it (the
// headless platform draws no frames).
QImage ConTitulo(QWidget& w) {
    const QImage contenido = w.grab().toImage();
    constexpr int alto = 26;
    QImage r(contenido.width(), contenido.height() + alto, QImage::Format_RGB32);
    r.fill(QColor(45, 62, 90));
    QPainter p(&r);
    p.setPen(Qt::white);
    QFont f = w.font();
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(10, 0, r.width() - 20, alto), Qt::AlignVCenter | Qt::AlignLeft,
               w.windowTitle());
    p.drawImage(0, alto, contenido);
    return r;
}

class DialogosCaptura : public DialogosQt {
public:
    explicit DialogosCaptura(QString archivo) : archivo_(std::move(archivo)) {}
    bool hecha = false;

    int MensajeConLista(const QString& texto, int estilo, const QString& titulo,
                        const ListaMensaje& lista) override {
        CajaMensaje caja(texto, estilo, titulo);
        caja.OfrecerLista(lista);
        caja.show();
        QApplication::processEvents();
        const QImage imagenCaja = ConTitulo(caja);
        VentanaLista ventana(lista.titulo, lista.filas());
        ventana.resize(620, 330);
        ventana.show();
        QApplication::processEvents();
        const QImage imagenLista = ConTitulo(ventana);
        // The box, and beside it the list its button opens.
        constexpr int margen = 16;
        QImage hoja(imagenCaja.width() + imagenLista.width() + 3 * margen,
                    std::max(imagenCaja.height(), imagenLista.height()) + 2 * margen,
                    QImage::Format_RGB32);
        hoja.fill(QColor(90, 100, 115));
        QPainter p(&hoja);
        p.drawImage(margen, margen, imagenCaja);
        p.drawImage(imagenCaja.width() + 2 * margen, margen, imagenLista);
        p.end();
        hecha = hoja.save(archivo_);
        return Respuestas::No;
    }

private:
    QString archivo_;
};
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Amounts as an accountant in Argentina reads them.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    if (argc < 2) {
        std::fprintf(stderr, "uso: captura_reemplazo <archivo.png>\n");
        return 2;
    }
    auto lado = std::make_shared<DialogosCaptura>(QString::fromLocal8Bit(argv[1]));
    EstablecerDialogos(lado);
    QTemporaryDir carpeta;
    QString error;
    if (!carpeta.isValid() || !GenerarDemo(carpeta.path(), QStringLiteral("DEMO"), 20000, &error)) {
        std::fprintf(stderr, "no se genera la base: %s\n", qPrintable(error));
        return 1;
    }
    gDB().gServidor = carpeta.path();
    gDB().gDBName = gDB().gUsuario = gDB().gUserPassWord = QStringLiteral("DEMO");
    gDB().OpenServerADODB(false, 3, QString(), false, false);
    gDB().gEsAdmin = true;
    sesion().gUsuarioLogeado = QStringLiteral("ANA");
    sesion().gCantidadDecimales = QStringLiteral("2");

    FrmTarquel f;
    for (const auto& [campo, valor] : {std::pair{"FechaDesde", "01/03/2024"},
                                       {"FechaHasta", "31/03/2024"},
                                       {"CTAORIGEN", "BNA"},
                                       {"CTADESTINO", "1.1.01.011"}})
        f.TxtFields(QString::fromLatin1(campo))->setText(QString::fromLatin1(valor));
    f.CmdReemplazar->click();
    if (!lado->hecha) {
        std::fprintf(stderr, "no se dibujó la confirmación\n");
        return 1;
    }
    return 0;
}
