# Finds Qwt 6 built for Qt 5 and provides the imported target Qwt::Qwt.
# Debian ships no CMake package for Qwt, only a pkg-config file (Qt5Qwt6) and the headers.
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
    pkg_check_modules(PC_QWT QUIET Qt5Qwt6)
endif()

find_path(Qwt_INCLUDE_DIR NAMES qwt_plot.h
    HINTS ${PC_QWT_INCLUDE_DIRS}
    PATH_SUFFIXES qwt qwt6 qwt-qt5)
find_library(Qwt_LIBRARY NAMES qwt-qt5 qwt6-qt5 qwt
    HINTS ${PC_QWT_LIBRARY_DIRS})

if(Qwt_INCLUDE_DIR AND EXISTS "${Qwt_INCLUDE_DIR}/qwt_global.h")
    file(STRINGS "${Qwt_INCLUDE_DIR}/qwt_global.h" _qwt_version_line
        REGEX "^#define[ \t]+QWT_VERSION_STR[ \t]+\"[0-9.]+\"")
    string(REGEX REPLACE ".*\"([0-9.]+)\".*" "\\1" Qwt_VERSION "${_qwt_version_line}")
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Qwt
    REQUIRED_VARS Qwt_LIBRARY Qwt_INCLUDE_DIR
    VERSION_VAR Qwt_VERSION
    FAIL_MESSAGE "Qwt 6.1 for Qt 5 was not found. On Debian install it with: apt-get install libqwt-qt5-dev")

if(Qwt_FOUND AND NOT TARGET Qwt::Qwt)
    add_library(Qwt::Qwt UNKNOWN IMPORTED)
    set_target_properties(Qwt::Qwt PROPERTIES
        IMPORTED_LOCATION "${Qwt_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Qwt_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "Qt5::Widgets;Qt5::Svg;Qt5::PrintSupport")
endif()
mark_as_advanced(Qwt_INCLUDE_DIR Qwt_LIBRARY)
