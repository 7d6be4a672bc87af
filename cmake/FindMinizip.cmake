# Finds minizip's unzip interface (zlib's contrib/minizip) and offers the target Minizip::Minizip.
find_path(Minizip_INCLUDE_DIR NAMES unzip.h PATH_SUFFIXES minizip)
find_library(Minizip_LIBRARY NAMES minizip)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Minizip REQUIRED_VARS Minizip_LIBRARY Minizip_INCLUDE_DIR)
if(Minizip_FOUND AND NOT TARGET Minizip::Minizip)
  find_package(ZLIB REQUIRED)
  add_library(Minizip::Minizip UNKNOWN IMPORTED)
  set_target_properties(Minizip::Minizip PROPERTIES
    IMPORTED_LOCATION "${Minizip_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${Minizip_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
endif()
mark_as_advanced(Minizip_INCLUDE_DIR Minizip_LIBRARY)
