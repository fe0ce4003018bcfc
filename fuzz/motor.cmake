# The engine's targets: formatting and validation, the value-returning layer against the
# published one, property-bag values, and the recordsets' value conversions.
find_package(SQLite3 REQUIRED)

campovivo_fuzz(formatar SOURCES fuzz_formatar.cpp LIBS pjtCampoVivo::engine)
campovivo_fuzz(diferencial SOURCES fuzz_diferencial.cpp LIBS pjtCampoVivo::engine)
campovivo_fuzz(bolsa SOURCES fuzz_bolsa.cpp LIBS pjtCampoVivo::control pjtCampoVivo::headless)
campovivo_fuzz(recordset SOURCES fuzz_recordset.cpp
  LIBS pjtCampoVivo::sqlite pjtCampoVivo::headless pjtCampoVivo::engine SQLite::SQLite3)
