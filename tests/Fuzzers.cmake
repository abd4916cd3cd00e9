# The libFuzzer targets (clang, PV_FUZZ=ON only), one per reader of outside input.
# Included by the top-level build in fuzz builds, which leave the test folders out.
set(t ${CMAKE_CURRENT_LIST_DIR})
pv_add_fuzzer(model_checked_fields_fuzz
  SOURCES ${t}/model/fuzz/CheckedFieldsFuzz.cpp
  LIBS pv_model
  CORPUS ${t}/data/model/fuzz_checked)
pv_add_fuzzer(xmldoc_fuzz
  SOURCES ${t}/xml/XmlDocFuzz.cpp
  LIBS pv_xml
  CORPUS ${t}/data/xml/fuzz-seeds)
pv_add_fuzzer(model_file_fuzz
  SOURCES ${t}/xml/fuzz/ModelFileFuzz.cpp
  LIBS pv_xml pv_math
  CORPUS ${t}/data/xml/fuzz_model)
pv_add_fuzzer(pdf_reader_fuzzer
  SOURCES ${t}/pdf/ReaderFuzzer.cpp
  LIBS pv_pdf
  CORPUS ${t}/data/pdf/fuzz-corpus)

# The writer's whole API; each finished document is read back by qpdf (Debian's
# libqpdf-dev), so the target is built only where that library is.
find_library(PV_QPDF_LIBRARY qpdf)
if(PV_QPDF_LIBRARY)
  pv_add_fuzzer(pdf_api_fuzzer
    SOURCES ${t}/pdf/ApiFuzzer.cpp
    LIBS pv_pdf ${PV_QPDF_LIBRARY}
    CORPUS ${t}/data/pdf/api-fuzz-corpus)
else()
  message(WARNING "libqpdf not found: pdf_api_fuzzer is not built")
endif()
