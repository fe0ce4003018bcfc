# The engine's targets: formatting and validation, the value-returning layer against the
# published one, property-bag values, and the recordsets' value conversions.
find_package(SQLite3 REQUIRED)

campovivo_fuzz(formatar SOURCES fuzz_formatar.cpp LIBS pjtcampovivo_formatting)
campovivo_fuzz(diferencial SOURCES fuzz_diferencial.cpp LIBS pjtcampovivo_formatting)
campovivo_fuzz(bolsa SOURCES fuzz_bolsa.cpp LIBS pjtcampovivo_control pjtcampovivo_headless)
campovivo_fuzz(recordset SOURCES fuzz_recordset.cpp
  LIBS pjtcampovivo_sqlite pjtcampovivo_headless pjtcampovivo_formatting SQLite::SQLite3)
