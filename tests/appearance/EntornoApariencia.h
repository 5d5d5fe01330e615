#pragma once
// A controlled context for the look of a window: an application folder of its
// own with a copy of the shipped skins under "Styles", the Windows user
// OPERADOR1 and the database of the main connection (EMPRESA1 unless given).
// The settings file and extra skin files are written by each test.
#include "DB_Dll.h"
#include "EntornoBarra.h"
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

class EntornoApariencia : public EntornoBarra {
public:
    explicit EntornoApariencia(const QString& base = QStringLiteral("empresa1")) : base_(base) {
        gDB().gDBName = base;
        const QString origen = CarpetaSkinsDelPrograma();
        for (QDirIterator it(origen, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString archivo = it.next();
            const QString destino =
                carpeta.ruta(QStringLiteral("Styles/") + QDir(origen).relativeFilePath(archivo));
            QDir().mkpath(QFileInfo(destino).path());
            QFile::copy(archivo, destino);
        }
    }
    // The skins the build put next to the programs.
    static QString CarpetaSkinsDelPrograma() {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/Styles");
    }
    // The settings of the user and database: skin number, font and size.
    void Ajustes(const QByteArray& skin, const QByteArray& fuente = "Segoe UI",
                 const QByteArray& tamano = "9") const {
        const QByteArray s = "OPERADOR1_" + base_.toUpper().toUtf8();
        Ini("[" + s + "Styles]\nStyles=" + skin + "\n[" + s + "Font]\nFont=" + fuente + "\n[" + s +
            "FontSize]\nFontSize=" + tamano + "\n");
    }
    // Writes a file under the application's "Styles" folder.
    void EscribirSkin(const QString& nombre, const QByteArray& contenido) const {
        const QString ruta = carpeta.ruta(QStringLiteral("Styles/") + nombre);
        QDir().mkpath(QFileInfo(ruta).path());
        carpeta.escribir(QStringLiteral("Styles/") + nombre, contenido);
    }

private:
    QString base_;
};
