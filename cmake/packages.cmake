# The install step: `cmake --install BUILD --prefix DIR` puts the programs, the shared libraries,
# the translations and the help documents into DIR/bin, laid out as in the build's bin folder,
# together with the Packages.xml that the outside updater keeps (it carries the project's
# version, which the update page shows as the software version).

set(KESTO_INSTALL_DIR bin CACHE STRING "Folder under the install prefix for the program and its files")

# Packages.xml beside the program in the build as well, so the program run from build/bin shows
# its version too.
set(KESTO_PACKAGES_FILE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Packages.xml)
configure_file(${CMAKE_CURRENT_LIST_DIR}/Packages.xml.in ${KESTO_PACKAGES_FILE} @ONLY)

set(kesto_install_targets)
foreach(target Skydesk Saybox Fclink FirmwareUpgrade fcsim fctool)
    if(TARGET ${target})
        list(APPEND kesto_install_targets ${target})
    endif()
endforeach()
# The programs find the shared libraries beside themselves, as in the build.
set_target_properties(${kesto_install_targets} PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS ${kesto_install_targets}
    RUNTIME DESTINATION ${KESTO_INSTALL_DIR}
    LIBRARY DESTINATION ${KESTO_INSTALL_DIR})

if(TARGET Skydesk)
    install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/language/
        DESTINATION ${KESTO_INSTALL_DIR}/language
        FILES_MATCHING PATTERN "*.qm")
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/doc/ DESTINATION ${KESTO_INSTALL_DIR}/doc)
endif()
install(FILES ${KESTO_PACKAGES_FILE} DESTINATION ${KESTO_INSTALL_DIR})
