# The Windows build: each program's icon, version information and manifest; the Qt
# DLLs, Qt plugins and compiler runtime laid beside the programs in bin/, so that
# folder runs as it is; and the portable zip and the installer (target
# kelvane-packages).

set(KELVANE_WINDOWS_DIR ${CMAKE_SOURCE_DIR}/packaging/windows)
string(REPLACE "." "," KELVANE_VERSION_COMMAS "${PROJECT_VERSION}")
set(KELVANE_VERSION_COMMAS "${KELVANE_VERSION_COMMAS},0")
set(KELVANE_FILE_VERSION "${PROJECT_VERSION}.0")
set(KELVANE_MANIFEST ${CMAKE_BINARY_DIR}/windows/kelvane.manifest)
configure_file(${KELVANE_WINDOWS_DIR}/kelvane.manifest ${KELVANE_MANIFEST} @ONLY)

# Icon, version information and manifest for one program.
function(kelvane_windows_resources target description)
    set(KELVANE_EXE_NAME ${target})
    set(KELVANE_FILE_DESCRIPTION "${description}")
    set(rc ${CMAKE_BINARY_DIR}/windows/${target}.rc)
    configure_file(${KELVANE_WINDOWS_DIR}/kelvane.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()

kelvane_windows_resources(kelvane "Kelvane weight calculator")
kelvane_windows_resources(kelvane-drive "Kelvane scripting driver")
kelvane_windows_resources(kelvane-calc "Kelvane calculators on the command line")
# The program is a window program: no console opens with it.
set_target_properties(kelvane PROPERTIES WIN32_EXECUTABLE ON)

# What every program of the build needs beside it at run time.
set(kelvane_runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler's runtime ${dll} was not found")
    endif()
    get_filename_component(path "${path}" REALPATH)
    list(APPEND kelvane_runtime_dlls "${path}")
endforeach()
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport Test)
set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
# Qt's own translations of the program's languages (message-box buttons, the entry
# boxes' context menu), the same files on every system: the Linux host's
# (qt6-translations-l10n), laid out in bin/translations/ where the program looks first.
set(KELVANE_QT_TRANSLATIONS_DIR /usr/share/qt6/translations CACHE PATH
    "Folder of Qt's own .qm translations to ship with the Windows build")
set(kelvane_qt_translations)
foreach(qm ${KELVANE_QT_QM_FILES})
    if(NOT EXISTS ${KELVANE_QT_TRANSLATIONS_DIR}/${qm})
        message(FATAL_ERROR "${KELVANE_QT_TRANSLATIONS_DIR}/${qm} is missing "
                            "(Debian: qt6-translations-l10n)")
    endif()
    list(APPEND kelvane_qt_translations ${KELVANE_QT_TRANSLATIONS_DIR}/${qm})
endforeach()
add_custom_target(kelvane_windows_runtime ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/platforms ${bin}/styles
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${kelvane_runtime_dlls}
            $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
            $<TARGET_FILE:Qt6::PrintSupport> $<TARGET_FILE:Qt6::Test> ${bin}/
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
            $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> ${bin}/platforms/
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> ${bin}/styles/
    COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/translations
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${kelvane_qt_translations} ${bin}/translations/
    COMMENT "Laying out the Qt DLLs, Qt plugins and compiler runtime in bin/")
# GoogleTest lists a test program's tests by running it right after linking: the
# DLLs must be in place by then.
foreach(program kelvane kelvane-drive kelvane-calc kelvane_core_tests kelvane_cli_tests
                kelvane_window_tests)
    if(TARGET ${program})
        add_dependencies(${program} kelvane_windows_runtime)
    endif()
endforeach()

# The portable zip and the installer, from the programs, what they need and the table.
find_program(KELVANE_MAKENSIS makensis)
add_custom_target(kelvane-packages
    COMMAND ${CMAKE_COMMAND}
            "-DPROGRAM=$<TARGET_FILE:kelvane>;$<TARGET_FILE:kelvane-calc>"
            "-DRUNTIME=${kelvane_runtime_dlls};$<TARGET_FILE:Qt6::Core>;$<TARGET_FILE:Qt6::Gui>;$<TARGET_FILE:Qt6::Widgets>;$<TARGET_FILE:Qt6::PrintSupport>"
            -DPLATFORM_PLUGIN=$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
            -DSTYLE_PLUGIN=$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
            "-DQT_TRANSLATIONS=${kelvane_qt_translations}"
            -DTABLE=${CMAKE_SOURCE_DIR}/Data/Density_Plastics.csv
            -DNSIS_SCRIPT=${KELVANE_WINDOWS_DIR}/kelvane.nsi
            -DICON=${KELVANE_WINDOWS_DIR}/kelvane.ico
            -DMAKENSIS=${KELVANE_MAKENSIS}
            -DSTRIP=${CMAKE_STRIP}
            -DVERSION=${PROJECT_VERSION}
            -DOUT=${CMAKE_BINARY_DIR}
            -P ${KELVANE_WINDOWS_DIR}/Package.cmake
    DEPENDS kelvane kelvane-calc
    COMMENT "Making the portable zip and the installer"
    VERBATIM)
