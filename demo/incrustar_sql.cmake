# Writes a C++ source that returns the schema files' texts, so the library
# carries the same SQL as the files. Called with ENTRADA_PRINCIPAL,
# ENTRADA_ESTADISTICAS and SALIDA.
file(READ "${ENTRADA_PRINCIPAL}" principal)
file(READ "${ENTRADA_ESTADISTICAS}" estadisticas)
file(WRITE "${SALIDA}" "// Generated from the demo schema files; do not edit.\n"
  "#include \"GeneradorDemo.h\"\n\n"
  "QString EsquemaPrincipal() {\n"
  "    return QString::fromUtf8(R\"esquema(${principal})esquema\");\n}\n\n"
  "QString EsquemaEstadisticas() {\n"
  "    return QString::fromUtf8(R\"esquema(${estadisticas})esquema\");\n}\n")
