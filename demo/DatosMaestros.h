#pragma once
// Code tables, users, menu tasks and settings of the demo databases.
#include <string>
#include <vector>

class BaseSqlite;

// Provinces, business units, cash boxes, voucher types and the sales and
// purchase motives with their accounts.
void GrabarTablasDeCodigos(BaseSqlite& base);
// Users of the suite, menu entries and the entries each user may run.
void GrabarUsuariosYTareas(BaseSqlite& base);
void GrabarConfiguracion(BaseSqlite& base);
void GrabarConfiguracionEstadisticas(BaseSqlite& base);

// Users who post the demo vouchers.
const std::vector<std::string>& UsuariosQueImputan();
