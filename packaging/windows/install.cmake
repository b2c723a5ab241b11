# The Windows program's folder: calculator.exe, the Qt and compiler runtime DLLs it loads, Qt's
# window-system and style plugins, and the licences of all of it. scripts/windows/build stages
# it with `cmake --install`, then makes the installer (installer.nsi, Debian's makensis) and
# the portable zip from the same folder.
install(TARGETS calculator RUNTIME DESTINATION .)

get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE) # from lib/cmake/Qt6
install(FILES ${qt_prefix}/bin/Qt6Core.dll ${qt_prefix}/bin/Qt6Gui.dll
              ${qt_prefix}/bin/Qt6Widgets.dll
        DESTINATION .)
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)

# The compiler's runtime, which Qt's DLLs and the program share (posix threads), and zlib,
# which Qt links; as the cross compiler finds them.
set(CALC_RUNTIME_DLLS "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll zlib1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        find_file(found_${dll} ${dll} PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH)
        set(found ${found_${dll}})
    endif()
    if(NOT EXISTS "${found}")
        message(FATAL_ERROR "The Windows runtime DLL ${dll} was not found")
    endif()
    get_filename_component(found "${found}" REALPATH)
    list(APPEND CALC_RUNTIME_DLLS ${found})
endforeach()
install(FILES ${CALC_RUNTIME_DLLS} DESTINATION .)
# Beside the build's programs too, so that the tests run under wine as they are built.
file(COPY ${CALC_RUNTIME_DLLS} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})

# Licences: the program's (shown by the installer), the fonts built into it, and Qt's and the
# runtime's with where their source comes from.
set(WINDOWS_PACKAGING ${PROJECT_SOURCE_DIR}/packaging/windows)
execute_process(COMMAND dpkg-query -W -f=\${source:Version} qt6-base-dev
                OUTPUT_VARIABLE CALC_QT_SOURCE_VERSION OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${WINDOWS_PACKAGING}/THIRD-PARTY.txt.in THIRD-PARTY.txt @ONLY)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_BINARY_DIR}/THIRD-PARTY.txt DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/assets/fonts/LICENSES.md DESTINATION licenses/fonts)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses/Qt RENAME LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licenses/Qt RENAME GPL-3.txt)
foreach(package qt6-base-dev gcc-mingw-w64-x86-64-posix-runtime mingw-w64-x86-64-dev
                libz-mingw-w64)
    install(FILES /usr/share/doc/${package}/copyright DESTINATION licenses/debian
            RENAME ${package}.copyright.txt)
endforeach()

# The installer and the zip, named with the version (CALC_WINDOWS_NAME).
configure_file(${WINDOWS_PACKAGING}/installer.nsi.in installer.nsi @ONLY)
