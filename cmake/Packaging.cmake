# What the release packages hold beyond the programs' own install rules, and
# how CPack makes them (scripts/package.sh):
#   Linux: quorvane_VERSION_amd64.deb
#   Windows (the 32-bit product): Quorvane-VERSION-win32.zip and
#   Quorvane-VERSION-win32-setup.exe, an NSIS installer.
#   The 64-bit build makes a twin of the installer, Quorvane-VERSION-win64-setup.exe,
#   that installs the 64-bit program where 64-bit programs go: the package tests
#   run it where the machine cannot run 32-bit programs. It is not shipped.
# VERSION is the project version.

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_out ${PROJECT_BINARY_DIR}/packaging)

set(CPACK_PACKAGE_NAME Quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quorvane developers")
set(CPACK_PACKAGE_CONTACT "The Quorvane developers <quorvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop expression calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Write one arithmetic expression per line and each value appears with two
decimals: the operators + - * / %, parentheses, variables within a line and
twenty-two functions. The expressions can come from a text file and the
results can go to one; an on-screen keypad edits at the caret. quorvane-cli
evaluates a file of expressions on the command line in the same way.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageFileNames.cmake)

if(WIN32)
    # The program and the skinning library side by side, at the top of the
    # zip and of the installation folder; the zip also gets README.txt.
    install(TARGETS Quorvane RUNTIME DESTINATION .)
    install(FILES $<TARGET_FILE:SkinMagicTrial> DESTINATION .)
    configure_file(${packaging_dir}/windows/README.txt.in ${packaging_out}/README.txt @ONLY
                   NEWLINE_STYLE CRLF)
    install(FILES ${packaging_out}/README.txt DESTINATION .)

    set(CPACK_GENERATOR ZIP NSIS)
    # Read by the installer script: the installer's own format and the folder
    # of the installation, for the 32-bit product or the 64-bit twin.
    if(QUORVANE_MINGW_ARCH STREQUAL "x86_64")
        set(windows_name win64)
        set(CPACK_QUORVANE_NSIS_TARGET amd64-unicode)
        set(CPACK_QUORVANE_PROGRAM_FILES "$PROGRAMFILES64")
    else()
        set(windows_name win32)
        set(CPACK_QUORVANE_NSIS_TARGET x86-unicode)
        set(CPACK_QUORVANE_PROGRAM_FILES "$PROGRAMFILES")
    endif()
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${windows_name})
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    # The installer script is ours (packaging/windows/NSIS.template.in).
    list(PREPEND CMAKE_MODULE_PATH ${packaging_dir}/windows)
    # The installer's licence page, in Windows line ends.
    configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${packaging_out}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
    set(CPACK_RESOURCE_FILE_LICENSE ${packaging_out}/LICENSE.txt)
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/quorvane.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/quorvane.ico)
else()
    include(GNUInstallDirs)

    # Debian wants its manual pages and changelog compressed with gzip -9n:
    # SOURCE becomes packaging/NAME.gz in the build folder.
    function(quorvane_gzip name source)
        set(output ${packaging_out}/${name}.gz)
        add_custom_command(OUTPUT ${output}
            COMMAND gzip -9n --stdout ${source} > ${output}
            DEPENDS ${source}
            COMMENT "Compressing ${name}")
        add_custom_target(quorvane_gzip_${name} ALL DEPENDS ${output})
    endfunction()

    # The manual page of a program that this build makes.
    function(quorvane_man_page program source)
        if(TARGET ${program})
            quorvane_gzip(${program}.1 ${source})
            install(FILES ${packaging_out}/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
        endif()
    endfunction()
    quorvane_man_page(quorvane ${packaging_dir}/linux/quorvane.1)
    quorvane_man_page(quorvane-cli ${PROJECT_SOURCE_DIR}/cli/quorvane-cli.1)

    configure_file(${packaging_dir}/linux/changelog.in ${packaging_out}/changelog @ONLY)
    quorvane_gzip(changelog ${packaging_out}/changelog)

    set(metainfo org.example.quorvane.metainfo.xml)
    configure_file(${packaging_dir}/linux/${metainfo}.in ${packaging_out}/${metainfo} @ONLY)
    install(FILES ${packaging_out}/${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${packaging_dir}/linux/copyright ${packaging_out}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane)

    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION math)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Qt finds its platform plugins at run time, so no library names them.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
    # The dialogs' Chinese texts need a CJK font.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-wqy-microhei)
endif()

include(CPack)
