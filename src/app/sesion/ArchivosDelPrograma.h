#pragma once
// Where the program keeps the files it writes beside itself: the registered
// connections (BASES.TXT), the search definitions ("consultas.qdx"), the error
// log ("QDERR.LOG") and the control sheet ("pcc2.xls"). They go in the
// program folder while the user can write it; an installed program usually
// cannot, and then each goes to the user's own data folder, the control sheet
// to the user's documents folder and the error log to the fallback folder of
// the error treatment.
#include <QString>
#include <optional>

namespace ArchivosDelPrograma {

// True when a file can be created in the folder, found out by creating and
// removing a probe file there: permissions alone mislead (root writes
// read-only folders, a network share may refuse what its bits allow).
bool SePuedeEscribir(const QString& carpeta);
// True when the existing file can be opened for appending (nothing is written).
bool SePuedeAgregar(const QString& archivo);

// Whether the user can write the program folder: the probe, unless fixed.
bool CarpetaProgramaEscribible();

// The user's own data folder and documents folder, with a trailing separator,
// created when missing.
QString CarpetaDatosUsuario();
QString CarpetaDocumentos();

// A file the program reads and appends to (BASES.TXT): the program folder's
// while it can be written; otherwise the user's data folder's, which starts
// as a copy of the program folder's file when there is one.
QString ArchivoDeDatos(const QString& nombre);
// A file the program reads and only writes when it is missing
// ("consultas.qdx"): the program folder's when it is there or can be created
// there; otherwise the user's data folder's.
QString ArchivoDeLectura(const QString& nombre);
// A document written for the user to open ("pcc2.xls"): the program folder's
// while it can be written; otherwise in the user's documents folder.
QString ArchivoDocumento(const QString& nombre);
// Any other file the program writes (the error log "QDERR.LOG"): the program
// folder's while it can be written; otherwise in otraCarpeta.
QString ArchivoEscribible(const QString& nombre, const QString& otraCarpeta);

// Tests fix whether the program folder counts as writable (nullopt: probe it)
// and which folders are the user's (empty: the system's).
void FijarCarpetaProgramaEscribible(std::optional<bool> escribible);
void FijarCarpetasUsuario(const QString& datos, const QString& documentos);

} // namespace ArchivosDelPrograma
