# Finds Poppler's Qt 5 binding and provides the imported target Poppler::Qt5. The plot export
# converts the PDF that Qwt renders into PostScript with it. Debian ships a pkg-config file
# (poppler-qt5) and the headers below poppler/qt5.
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
    pkg_check_modules(PC_POPPLER_QT5 QUIET poppler-qt5)
endif()

find_path(PopplerQt5_INCLUDE_DIR NAMES poppler-qt5.h
    HINTS ${PC_POPPLER_QT5_INCLUDE_DIRS}
    PATH_SUFFIXES poppler/qt5)
find_library(PopplerQt5_LIBRARY NAMES poppler-qt5
    HINTS ${PC_POPPLER_QT5_LIBRARY_DIRS})

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(PopplerQt5
    REQUIRED_VARS PopplerQt5_LIBRARY PopplerQt5_INCLUDE_DIR
    VERSION_VAR PC_POPPLER_QT5_VERSION
    FAIL_MESSAGE "Poppler's Qt 5 binding (PostScript export) was not found. On Debian install it with: apt-get install libpoppler-qt5-dev")

if(PopplerQt5_FOUND AND NOT TARGET Poppler::Qt5)
    add_library(Poppler::Qt5 UNKNOWN IMPORTED)
    set_target_properties(Poppler::Qt5 PROPERTIES
        IMPORTED_LOCATION "${PopplerQt5_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${PopplerQt5_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "Qt5::Core;Qt5::Gui")
endif()
mark_as_advanced(PopplerQt5_INCLUDE_DIR PopplerQt5_LIBRARY)
