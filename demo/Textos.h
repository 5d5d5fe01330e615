#pragma once
// Word lists the demo data is composed from: provinces, towns, streets,
// surnames and kinds of business.
#include "Azar.h"
#include <string>
#include <vector>

struct Provincia {
    const char* codigo; // right-aligned in 4
    const char* nombre;
};

struct Localidad {
    const char* provincia;
    const char* nombre;
    const char* caracteristica; // telephone area code
};

const std::vector<Provincia>& Provincias();
// A town, most often one of the large cities.
const Localidad& ElegirLocalidad(Azar& azar);
const std::vector<std::string>& Calles();
const std::vector<std::string>& Apellidos();
const std::vector<std::string>& RubrosClientes();
const std::vector<std::string>& RubrosProveedores();
