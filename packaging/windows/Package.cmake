# Makes the portable zip and the installer of the Windows build (target
# kelvane-packages). The programs (the window and the command line), the DLLs and plugins it needs, Qt's
# translations and the density table
# are laid out as the build tree has them (bin/ and Data/ side by side, so the program
# finds the table by its data-folder rule), then zipped, then wrapped by makensis.
set(name Kelvane-${VERSION}-windows-x64)
set(stage ${OUT}/package/${name})
file(REMOVE_RECURSE ${OUT}/package)
file(MAKE_DIRECTORY ${stage}/bin/platforms ${stage}/bin/styles ${stage}/Data)
file(COPY ${PROGRAM} ${RUNTIME} DESTINATION ${stage}/bin)
file(COPY ${PLATFORM_PLUGIN} DESTINATION ${stage}/bin/platforms)
file(COPY ${STYLE_PLUGIN} DESTINATION ${stage}/bin/styles)
file(COPY ${QT_TRANSLATIONS} DESTINATION ${stage}/bin/translations)
file(COPY ${TABLE} DESTINATION ${stage}/Data)
if(STRIP)
    # The compiler's runtime comes with its debugging symbols (most of its size).
    file(GLOB_RECURSE binaries ${stage}/bin/*.exe ${stage}/bin/*.dll)
    execute_process(COMMAND ${STRIP} --strip-unneeded ${binaries} COMMAND_ERROR_IS_FATAL ANY)
endif()

set(zip ${OUT}/${name}.zip)
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${name}
                WORKING_DIRECTORY ${OUT}/package COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Portable zip: ${zip}")

# The installer's file lists: what it installs, and the same files for the uninstaller
# to remove one by one, so that anything else in the folders (the user's favourite) stays.
file(GLOB_RECURSE files RELATIVE ${stage} ${stage}/*)
list(SORT files)
set(install_list "")
set(uninstall_list "")
set(folders "")
foreach(file IN LISTS files)
    get_filename_component(folder ${file} DIRECTORY)
    string(REPLACE "/" "\\" folder_win "${folder}")
    string(REPLACE "/" "\\" file_win "${file}")
    string(APPEND install_list "SetOutPath \"$INSTDIR\\${folder_win}\"\nFile \"${stage}/${file}\"\n")
    string(APPEND uninstall_list "Delete \"$INSTDIR\\${file_win}\"\n")
    list(APPEND folders ${folder})
endforeach()
list(REMOVE_DUPLICATES folders)
# Deepest folders first, so each is empty (unless the user left something) when removed.
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" folder_win "${folder}")
    string(APPEND uninstall_list "RMDir \"$INSTDIR\\${folder_win}\"\n")
endforeach()
file(WRITE ${OUT}/package/install-files.nsh "${install_list}")
file(WRITE ${OUT}/package/uninstall-files.nsh "${uninstall_list}")

if(NOT MAKENSIS)
    message(FATAL_ERROR "makensis was not found (Debian package nsis): no installer made")
endif()
set(installer ${OUT}/${name}-setup.exe)
execute_process(COMMAND ${MAKENSIS} -V2 -DVERSION=${VERSION} -DOUTFILE=${installer}
                        -DICON=${ICON} -DFILES=${OUT}/package ${NSIS_SCRIPT}
                COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Installer: ${installer}")
