#include "TextosQtEnEspanol.h"
#include <QCoreApplication>
#include <QTranslator>
#include <cstring>

namespace {
struct Texto {
    const char* contexto;
    const char* original;
    const char* espanol;
};

// The texts as Qt asks for them: context, source text (with its accelerator).
constexpr Texto kTextos[] = {
    {"QLineEdit", "&Undo", "&Deshacer"},
    {"QLineEdit", "&Redo", "&Rehacer"},
    {"QLineEdit", "Cu&t", "Cor&tar"},
    {"QLineEdit", "&Copy", "&Copiar"},
    {"QLineEdit", "&Paste", "&Pegar"},
    {"QLineEdit", "Delete", "Eliminar"},
    {"QLineEdit", "Select All", "Seleccionar todo"},
    {"QWidgetTextControl", "&Undo", "&Deshacer"},
    {"QWidgetTextControl", "&Redo", "&Rehacer"},
    {"QWidgetTextControl", "Cu&t", "Cor&tar"},
    {"QWidgetTextControl", "&Copy", "&Copiar"},
    {"QWidgetTextControl", "Copy &Link Location", "Copiar &dirección del enlace"},
    {"QWidgetTextControl", "&Paste", "&Pegar"},
    {"QWidgetTextControl", "Delete", "Eliminar"},
    {"QWidgetTextControl", "Select All", "Seleccionar todo"},
    {"QPlatformTheme", "OK", "Aceptar"},
    {"QPlatformTheme", "Cancel", "Cancelar"},
    {"QPlatformTheme", "Open", "Abrir"},
    {"QPlatformTheme", "Save", "Guardar"},
    {"QPlatformTheme", "Close", "Cerrar"},
    {"QPlatformTheme", "Apply", "Aplicar"},
    {"QPlatformTheme", "Reset", "Restablecer"},
    {"QPlatformTheme", "Help", "Ayuda"},
    {"QPlatformTheme", "&Yes", "&Sí"},
    {"QPlatformTheme", "Yes to &All", "Sí a &todo"},
    {"QPlatformTheme", "&No", "&No"},
    {"QPlatformTheme", "N&o to All", "N&o a todo"},
    {"QPlatformTheme", "Abort", "Abortar"},
    {"QPlatformTheme", "Retry", "Reintentar"},
    {"QPlatformTheme", "Ignore", "Ignorar"},
    {"QMessageBox", "Show Details...", "Mostrar detalles..."},
    {"QMessageBox", "Hide Details...", "Ocultar detalles..."},
    {"QFileDialog", "Look in:", "Buscar en:"},
    {"QFileDialog", "File &name:", "&Nombre del archivo:"},
    {"QFileDialog", "Files of type:", "Archivos de tipo:"},
    {"QFileDialog", "&Open", "&Abrir"},
    {"QFileDialog", "&Save", "&Guardar"},
    {"QFileDialog", "Back", "Atrás"},
    {"QFileDialog", "Go back", "Volver atrás"},
    {"QFileDialog", "Forward", "Adelante"},
    {"QFileDialog", "Go forward", "Ir adelante"},
    {"QFileDialog", "Parent Directory", "Carpeta superior"},
    {"QFileDialog", "Go to the parent directory", "Ir a la carpeta superior"},
    {"QFileDialog", "Create New Folder", "Crear carpeta nueva"},
    {"QFileDialog", "Create a New Folder", "Crear una carpeta nueva"},
    {"QFileDialog", "List View", "Vista de lista"},
    {"QFileDialog", "Change to list view mode", "Cambiar a la vista de lista"},
    {"QFileDialog", "Detail View", "Vista de detalle"},
    {"QFileDialog", "Change to detail view mode", "Cambiar a la vista de detalle"},
    {"QFileDialog", "Sidebar", "Panel lateral"},
    {"QFileDialog", "List of places and bookmarks", "Lugares y marcadores"},
    {"QFileDialog", "Files", "Archivos"},
    {"QFileDialog", "All Files (*)", "Todos los archivos (*)"},
    {"QFileDialog", "&Rename", "Cambiar &nombre"},
    {"QFileDialog", "&Delete", "&Eliminar"},
    {"QFileDialog", "Show &hidden files", "Mostrar archivos &ocultos"},
    {"QFileDialog", "&New Folder", "Carpeta &nueva"},
    {"QFileDialog", "New Folder", "Carpeta nueva"},
    {"QFileSystemModel", "Name", "Nombre"},
    {"QFileSystemModel", "Size", "Tamaño"},
    {"QFileSystemModel", "Type", "Tipo"},
    {"QFileSystemModel", "Date Modified", "Fecha de modificación"},
    {"QFileSystemModel", "Computer", "Equipo"},
    {"QAbstractFileIconProvider", "Folder", "Carpeta"},
    {"QAbstractFileIconProvider", "Drive", "Unidad"},
    {"QAbstractFileIconProvider", "File", "Archivo"},
};

class TraductorEspanol : public QTranslator {
public:
    QString translate(const char* contexto, const char* original, const char*, int) const override {
        if (contexto == nullptr || original == nullptr)
            return {};
        for (const Texto& t : kTextos)
            if (std::strcmp(t.contexto, contexto) == 0 && std::strcmp(t.original, original) == 0)
                return QString::fromUtf8(t.espanol);
        return {};
    }
    bool isEmpty() const override { return false; }
};

TraductorEspanol& traductor() {
    static TraductorEspanol t;
    return t;
}
} // namespace

void InstalarTextosQtEnEspanol() {
    QCoreApplication::removeTranslator(&traductor());
    QCoreApplication::installTranslator(&traductor());
}

void QuitarTextosQtEnEspanol() {
    QCoreApplication::removeTranslator(&traductor());
}

QLocale LocaleEspanol() {
    return QLocale(QLocale::Spanish, QLocale::Argentina);
}
