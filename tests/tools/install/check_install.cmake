# Runs `cmake --install BUILD_DIR --prefix PREFIX` into an emptied folder and checks the
# installed files and the version in Packages.xml.
#   -DBUILD_DIR=... -DPREFIX=... -DINSTALL_DIR=bin -DEXPECTED_VERSION=x.y.z -DSOURCE_DIR=...

file(REMOVE_RECURSE ${PREFIX})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(dir ${PREFIX}/${INSTALL_DIR})
set(failures)
foreach(program Skydesk Saybox fcsim fctool)
    if(NOT EXISTS ${dir}/${program} OR IS_DIRECTORY ${dir}/${program})
        list(APPEND failures "program ${program} missing")
    endif()
endforeach()
foreach(library Fclink FirmwareUpgrade)
    file(GLOB found ${dir}/lib${library}.so.1)
    if(NOT found)
        list(APPEND failures "library lib${library}.so.1 missing")
    endif()
endforeach()
foreach(language en zh ge)
    foreach(catalogue KestoAssistant saybox)
        if(NOT EXISTS ${dir}/language/${catalogue}_${language}.qm)
            list(APPEND failures "translation ${catalogue}_${language}.qm missing")
        endif()
    endforeach()
endforeach()
file(GLOB_RECURSE source_docs RELATIVE ${SOURCE_DIR}/doc ${SOURCE_DIR}/doc/*)
if(NOT source_docs)
    list(APPEND failures "no help documents in the source tree")
endif()
foreach(doc IN LISTS source_docs)
    if(NOT EXISTS ${dir}/doc/${doc})
        list(APPEND failures "help document doc/${doc} missing")
    endif()
endforeach()

# Packages.xml: <Packages><Package>...<Version>EXPECTED_VERSION</Version></Package></Packages>
set(packages ${dir}/Packages.xml)
if(NOT EXISTS ${packages})
    list(APPEND failures "Packages.xml missing")
else()
    file(READ ${packages} xml)
    string(REGEX REPLACE "<\\?xml[^>]*\\?>" "" body "${xml}")
    string(STRIP "${body}" body)
    if(NOT body MATCHES "^<Packages>.*</Packages>$")
        list(APPEND failures "Packages.xml: root element is not Packages")
    endif()
    string(REGEX MATCH "<Package>.*<Version>([^<]*)</Version>.*</Package>" match "${body}")
    if(NOT match)
        list(APPEND failures "Packages.xml: no Version inside a Package")
    elseif(NOT CMAKE_MATCH_1 STREQUAL EXPECTED_VERSION)
        list(APPEND failures
             "Packages.xml: version '${CMAKE_MATCH_1}', expected '${EXPECTED_VERSION}'")
    endif()
endif()

# The installed command-line client starts from its new folder (the libraries are found beside
# it).
execute_process(COMMAND ${dir}/fctool --help RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0)
    list(APPEND failures "installed fctool --help failed (${result})")
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "install check failed:\n  ${text}")
endif()
message(STATUS "installed tree in ${dir} is complete; Packages.xml carries ${EXPECTED_VERSION}")
