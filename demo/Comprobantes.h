#pragma once
// The demo vouchers: sales, purchases, receipts, payments and manual entries
// of one fiscal year, each a balanced entry (or two) of 2 to 8 journal lines,
// written to MV_ASIENTOS with their headers in V_MV_CPTE and C_MV_CPTE.
#include "Azar.h"

class BaseSqlite;
struct PlanDeCuentas;

// Writes vouchers holding exactly `lineas` journal lines in all (never 1).
void GrabarComprobantes(BaseSqlite& base, const PlanDeCuentas& plan, Azar& azar, int lineas);
