# Installation and the Debian package.
#
# The program looks for its translation catalogues in "language/" beside its executable, so the
# executable and that folder are installed together into one private folder. On Linux that is
# <prefix>/lib/curvescope, with <prefix>/bin/curvescope a relative link to it: the program
# resolves its own path through the link, and the relative link keeps the tree relocatable
# (DESTDIR, CPack's staging folder, any --prefix). Windows and macOS get the executable and its
# language folder side by side in bin/.

include(GNUInstallDirs)

if(UNIX AND NOT APPLE)
    # Not CMAKE_INSTALL_LIBDIR: Debian puts that under a multiarch triplet, while a program's
    # private files belong in lib/<package>.
    set(CURVESCOPE_INSTALL_APPDIR "lib/curvescope" CACHE STRING
        "Folder below the prefix that holds the executable and its language folder")
else()
    set(CURVESCOPE_INSTALL_APPDIR "${CMAKE_INSTALL_BINDIR}" CACHE STRING
        "Folder below the prefix that holds the executable and its language folder")
endif()

install(TARGETS curvescope RUNTIME DESTINATION "${CURVESCOPE_INSTALL_APPDIR}")

# The folder's contents are made by the build (compiled catalogues, copied flags), so the
# folder is installed as the build left it rather than from a list fixed at configure time.
install(DIRECTORY "${CURVESCOPE_LANGUAGE_DIR}/" DESTINATION "${CURVESCOPE_INSTALL_APPDIR}/language"
    FILES_MATCHING PATTERN "*.qm" PATTERN "*.png")

set(_packaging_dir "${PROJECT_SOURCE_DIR}/packaging")
set(_icon_dir "${PROJECT_SOURCE_DIR}/resources/appicon")

if(UNIX AND NOT APPLE AND NOT "${CURVESCOPE_INSTALL_APPDIR}" STREQUAL "${CMAKE_INSTALL_BINDIR}")
    # A dangling relative link made once in the build tree; file(INSTALL) copies links as links.
    file(RELATIVE_PATH _link_target "/root/${CMAKE_INSTALL_BINDIR}"
        "/root/${CURVESCOPE_INSTALL_APPDIR}/curvescope")
    set(_link "${CMAKE_CURRENT_BINARY_DIR}/install-link/curvescope")
    file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/install-link")
    file(CREATE_LINK "${_link_target}" "${_link}" SYMBOLIC)
    install(FILES "${_link}" DESTINATION "${CMAKE_INSTALL_BINDIR}")
endif()

if(UNIX AND NOT APPLE)
    install(FILES "${_packaging_dir}/curvescope.desktop"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/applications")
    install(FILES "${_packaging_dir}/curvescope-mime.xml"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/mime/packages" RENAME "curvescope.xml")
    install(FILES "${_packaging_dir}/example.orvanta.curvescope.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/metainfo")

    # Manual pages and the changelog are installed compressed on Debian: gzip -9 without a time
    # stamp, so the package is the same for the same sources.
    find_program(CURVESCOPE_GZIP gzip)
    function(curvescope_gzip _source _output)
        get_filename_component(_folder "${_output}" DIRECTORY)
        file(MAKE_DIRECTORY "${_folder}")
        if(CURVESCOPE_GZIP)
            execute_process(COMMAND "${CURVESCOPE_GZIP}" -9nc "${_source}"
                OUTPUT_FILE "${_output}" RESULT_VARIABLE _gzip_result)
        endif()
        if(NOT CURVESCOPE_GZIP OR NOT _gzip_result EQUAL 0)
            file(ARCHIVE_CREATE OUTPUT "${_output}" PATHS "${_source}" FORMAT raw COMPRESSION GZip)
        endif()
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_source}")
    endfunction()
    set(_manpage "${CMAKE_CURRENT_BINARY_DIR}/install-man/curvescope.1.gz")
    curvescope_gzip("${_packaging_dir}/curvescope.1" "${_manpage}")
    install(FILES "${_manpage}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

    # The package's machine-readable copyright file and its changelog, where Debian's tools
    # look for them.
    set(_changelog "${CMAKE_CURRENT_BINARY_DIR}/install-doc/changelog.gz")
    curvescope_gzip("${_packaging_dir}/changelog" "${_changelog}")
    install(FILES "${_packaging_dir}/copyright" "${_changelog}"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/curvescope")

    # A stripped install (the package) also drops the compilers' notes, as Debian's own
    # packages do.
    if(CMAKE_OBJCOPY)
        install(CODE "if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CURVESCOPE_INSTALL_APPDIR}/curvescope\")
        endif()")
    endif()

    # The demo set, so a packaged install can be tried without any recording at hand. Not in
    # share/doc: minimal Debian systems drop that folder.
    install(DIRECTORY "${PROJECT_SOURCE_DIR}/samples/demo/"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/curvescope/demo" FILES_MATCHING PATTERN "*.tlx")

    foreach(_size 16 24 32 48 64 128 256)
        install(FILES "${_icon_dir}/curvescope-${_size}.png"
            DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${_size}x${_size}/apps"
            RENAME "curvescope.png")
    endforeach()
    if(EXISTS "${_icon_dir}/curvescope.svg")
        install(FILES "${_icon_dir}/curvescope.svg"
            DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps")
    endif()
endif()

# Debian package. The desktop, MIME and icon caches are refreshed by the file triggers of
# desktop-file-utils, shared-mime-info and hicolor-icon-theme, so no maintainer scripts are needed.
set(CPACK_PACKAGE_NAME "curvescope")
set(CPACK_PACKAGE_VENDOR "Orvanta Systems GmbH")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer for engine trend recordings")
# Debian wants the long description in lines of less than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "CurveScope shows the trend recordings of the Visorix display unit\n\
(engine speed, timing, firing angles, secondary voltages, analog output,\n\
knocking intensity and temperatures) as curves over time, with zoom,\n\
panning and a tracker, and exports them as CSV files, images or documents.")
set(CPACK_PACKAGE_CONTACT "Orvanta CurveScope maintainers <support@orvanta.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.orvanta.example/curvescope")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Chinese and Japanese need a font with their characters; without one the texts show as boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei")

if(NOT CPACK_GENERATOR)
    if(UNIX AND NOT APPLE)
        set(CPACK_GENERATOR "DEB")
    else()
        set(CPACK_GENERATOR "ZIP")
    endif()
endif()

include(CPack)
