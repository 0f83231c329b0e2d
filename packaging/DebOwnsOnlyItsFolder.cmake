# Run by CPack once the packages are made. CPack's .deb lists every folder above the
# install prefix as its own, so dpkg would delete /opt on removal once nothing else is in
# it. This rebuilds the .deb's file archive from the prefix down: the package then owns
# /opt/kelvane and what is in it, and /opt is left to the system (every Debian has it).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    set(work "${package}.repack")
    file(REMOVE_RECURSE "${work}")
    file(MAKE_DIRECTORY "${work}/root")
    execute_process(COMMAND ar x "${package}" WORKING_DIRECTORY "${work}"
                    COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB control RELATIVE "${work}" "${work}/control.tar.*")
    file(GLOB data RELATIVE "${work}" "${work}/data.tar.*")
    execute_process(COMMAND tar -xf "${data}" -C root WORKING_DIRECTORY "${work}"
                    COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${work}/${data}")
    execute_process(
        COMMAND tar -caf "${data}" --format=gnu --sort=name --owner=0 --group=0 --numeric-owner
                -C root ".${CPACK_PACKAGING_INSTALL_PREFIX}"
        WORKING_DIRECTORY "${work}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${package}")
    execute_process(COMMAND ar rc "${package}" debian-binary "${control}" "${data}"
                    WORKING_DIRECTORY "${work}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${work}")
endforeach()
