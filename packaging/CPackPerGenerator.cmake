# Settings that differ between the package kinds, read by CPack once per generator.
if(CPACK_GENERATOR STREQUAL "DEB")
    # The .deb installs the folder as /opt/kelvane.
    set(CPACK_PACKAGING_INSTALL_PREFIX /opt/kelvane)
else()
    # An archive unpacks to one self-contained folder named after the package.
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
