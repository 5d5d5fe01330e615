#include "Textos.h"

const std::vector<Provincia>& Provincias() {
    static const std::vector<Provincia> lista = {
        {"   1", "Buenos Aires"},
        {"   2", "Ciudad Autónoma de Buenos Aires"},
        {"   3", "Catamarca"},
        {"   4", "Chaco"},
        {"   5", "Chubut"},
        {"   6", "Córdoba"},
        {"   7", "Corrientes"},
        {"   8", "Entre Ríos"},
        {"   9", "Formosa"},
        {"  10", "Jujuy"},
        {"  11", "La Pampa"},
        {"  12", "La Rioja"},
        {"  13", "Mendoza"},
        {"  14", "Misiones"},
        {"  15", "Neuquén"},
        {"  16", "Río Negro"},
        {"  17", "Salta"},
        {"  18", "San Juan"},
        {"  19", "San Luis"},
        {"  20", "Santa Cruz"},
        {"  21", "Santa Fe"},
        {"  22", "Santiago del Estero"},
        {"  23", "Tierra del Fuego"},
        {"  24", "Tucumán"},
    };
    return lista;
}

const Localidad& ElegirLocalidad(Azar& azar) {
    static const std::vector<Localidad> grandes = {
        {"   2", "CABA", "011"},          {"   1", "La Plata", "0221"},
        {"   1", "Avellaneda", "011"},    {"   1", "Mar del Plata", "0223"},
        {"   1", "Bahía Blanca", "0291"}, {"  21", "Rosario", "0341"},
        {"  21", "Santa Fe", "0342"},     {"   6", "Córdoba", "0351"},
        {"   6", "Villa María", "0353"},  {"  13", "Mendoza", "0261"},
    };
    static const std::vector<Localidad> otras = {
        {"  24", "San Miguel de Tucumán", "0381"},
        {"  17", "Salta", "0387"},
        {"   8", "Paraná", "0343"},
        {"  15", "Neuquén", "0299"},
        {"   7", "Corrientes", "0379"},
        {"   4", "Resistencia", "0362"},
        {"  14", "Posadas", "0376"},
        {"   5", "Comodoro Rivadavia", "0297"},
        {"  18", "San Juan", "0264"},
        {"  19", "San Luis", "0266"},
        {"  11", "Santa Rosa", "02954"},
        {"  22", "Santiago del Estero", "0385"},
    };
    return azar.chance(80) ? azar.elegir(grandes) : azar.elegir(otras);
}

const std::vector<std::string>& Calles() {
    static const std::vector<std::string> lista = {
        "Av. Rivadavia",  "Av. San Martín", "Belgrano",   "Mitre",     "Sarmiento",  "Moreno",
        "Av. Libertador", "9 de Julio",     "25 de Mayo", "Av. Colón", "Urquiza",    "Pellegrini",
        "Av. Corrientes", "Alem",           "Güemes",     "Lavalle",   "Entre Ríos", "Tucumán",
    };
    return lista;
}

const std::vector<std::string>& Apellidos() {
    static const std::vector<std::string> lista = {
        "Gómez",   "Fernández", "Rodríguez", "López",   "Martínez", "García",  "Pérez",
        "Sánchez", "Romero",    "Díaz",      "Álvarez", "Torres",   "Ruiz",    "Ramírez",
        "Flores",  "Benítez",   "Acosta",    "Medina",  "Herrera",  "Suárez",  "Aguirre",
        "Giménez", "Molina",    "Castro",    "Ortiz",   "Silva",    "Rojas",   "Luna",
        "Juárez",  "Cabrera",   "Ferrari",   "Rossi",   "Bianchi",  "Morales", "Paz",
    };
    return lista;
}

const std::vector<std::string>& RubrosClientes() {
    static const std::vector<std::string> lista = {
        "Ferretería", "Distribuidora", "Supermercado", "Almacén",   "Librería", "Farmacia",
        "Corralón",   "Panadería",     "Autoservicio", "Comercial", "Maderera", "Tienda",
    };
    return lista;
}

const std::vector<std::string>& RubrosProveedores() {
    static const std::vector<std::string> lista = {
        "Laboratorios", "Industrias", "Transportes", "Papelera",  "Metalúrgica", "Química",
        "Frigorífico",  "Molinos",    "Textil",      "Plásticos", "Importadora", "Cooperativa",
    };
    return lista;
}
