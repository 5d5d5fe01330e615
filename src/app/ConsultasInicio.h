#pragma once
// The search dialog's setup at start-up: its connection and its
// search-definitions file "consultas.qdx", written with the default searches
// when it does not exist.
void PrepararDialogoConsulta();
// Writes the default search records into the file the search dialog names.
void CrearArchivoConsultas();
