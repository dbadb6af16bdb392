# The shipped database is generated from the committed source tables under data/
# by tools/build_db.py; it lands at build/data/namedata.db beside the programs.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB_RECURSE JIAMING_DATA_INPUTS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/data/*.tsv ${CMAKE_SOURCE_DIR}/data/*.tsv.xz
  ${CMAKE_SOURCE_DIR}/data/*.json ${CMAKE_SOURCE_DIR}/data/*.txt ${CMAKE_SOURCE_DIR}/data/*.md
  ${CMAKE_SOURCE_DIR}/tools/build_db.py ${CMAKE_SOURCE_DIR}/tools/dbgen/*.py)
set(JIAMING_SHIPPED_DB ${CMAKE_BINARY_DIR}/data/namedata.db)
add_custom_command(
  OUTPUT ${JIAMING_SHIPPED_DB}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/build_db.py --out ${JIAMING_SHIPPED_DB}
  DEPENDS ${JIAMING_DATA_INPUTS}
  COMMENT "Generating the shipped database data/namedata.db"
  VERBATIM)
add_custom_target(shipped_database ALL DEPENDS ${JIAMING_SHIPPED_DB})
