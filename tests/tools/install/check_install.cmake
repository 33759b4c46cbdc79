# Runs `cmake --install BUILD_DIR --prefix PREFIX` into an emptied folder and checks the layout:
# the programs and nothing else in BINDIR, the private libraries in LIBDIR, the data (help
# documents, translations, Packages.xml with the version) in DATADIR, the desktop entry, the
# AppStream description, the icons and the manual pages; the desktop entry and the AppStream
# description pass their validators where those are installed.
#   -DBUILD_DIR=... -DPREFIX=... -DBINDIR=bin -DLIBDIR=lib/kesto-tarvel2-assistant
#   -DDATADIR=share/kesto-tarvel2-assistant -DSHAREDIR=share -DMANDIR=share/man
#   -DAPP_ID=... -DEXPECTED_VERSION=x.y.z -DSOURCE_DIR=...

file(REMOVE_RECURSE ${PREFIX})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(failures)
function(expect_file path what)
    if(NOT EXISTS ${PREFIX}/${path} OR IS_DIRECTORY ${PREFIX}/${path})
        set(failures ${failures} "${what} ${path} missing" PARENT_SCOPE)
    endif()
endfunction()

# Programs, and nothing else, in bin.
set(programs Skydesk Saybox fctool fcsim mkfirmware)
file(GLOB found RELATIVE ${PREFIX}/${BINDIR} ${PREFIX}/${BINDIR}/*)
list(SORT found)
set(expected ${programs})
list(SORT expected)
if(NOT found STREQUAL expected)
    list(APPEND failures "${BINDIR} holds '${found}', expected '${expected}'")
endif()

# The private libraries by their sonames, without development links.
foreach(library Fclink FirmwareUpgrade)
    expect_file(${LIBDIR}/lib${library}.so.1 "library")
    if(EXISTS ${PREFIX}/${LIBDIR}/lib${library}.so)
        list(APPEND failures "development link ${LIBDIR}/lib${library}.so installed")
    endif()
endforeach()

foreach(language en zh ge)
    foreach(catalogue KestoAssistant saybox)
        expect_file(${DATADIR}/language/${catalogue}_${language}.qm "translation")
    endforeach()
endforeach()
file(GLOB_RECURSE source_docs RELATIVE ${SOURCE_DIR}/doc ${SOURCE_DIR}/doc/*)
if(NOT source_docs)
    list(APPEND failures "no help documents in the source tree")
endif()
foreach(doc IN LISTS source_docs)
    expect_file(${DATADIR}/doc/${doc} "help document")
endforeach()

# Packages.xml: <Packages><Package>...<Version>EXPECTED_VERSION</Version></Package></Packages>
set(packages ${PREFIX}/${DATADIR}/Packages.xml)
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

# Desktop integration.
set(desktop_file ${SHAREDIR}/applications/${APP_ID}.desktop)
set(metainfo_file ${SHAREDIR}/metainfo/${APP_ID}.metainfo.xml)
expect_file(${desktop_file} "desktop entry")
expect_file(${metainfo_file} "AppStream description")
expect_file(${SHAREDIR}/icons/hicolor/scalable/apps/${APP_ID}.svg "scalable icon")
foreach(size 16 24 32 48 64 128 256)
    set(icon ${SHAREDIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    expect_file(${icon} "icon")
    if(EXISTS ${PREFIX}/${icon})
        # A PNG's width and height are the big-endian words at bytes 16 and 20.
        file(READ ${PREFIX}/${icon} header OFFSET 16 LIMIT 8 HEX)
        string(SUBSTRING ${header} 0 8 width_hex)
        string(SUBSTRING ${header} 8 8 height_hex)
        math(EXPR width "0x${width_hex}")
        math(EXPR height "0x${height_hex}")
        if(NOT width EQUAL size OR NOT height EQUAL size)
            list(APPEND failures "icon ${icon} is ${width} x ${height}")
        endif()
    endif()
endforeach()
foreach(program IN LISTS programs)
    expect_file(${MANDIR}/man1/${program}.1.gz "manual page")
endforeach()
expect_file(${SHAREDIR}/doc/kesto-tarvel2-assistant/copyright "copyright file")

# A validator's complaints fail the check; one that is not installed is said and skipped.
function(validate tool)
    find_program(validator_${tool} ${tool})
    if(NOT validator_${tool})
        message(STATUS "${tool} is not installed: not run")
        return()
    endif()
    execute_process(COMMAND ${validator_${tool}} ${ARGN}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR output MATCHES "(^|\n)[EW]:|error:|warning:")
        set(failures ${failures} "${tool} ${ARGN}: ${output}" PARENT_SCOPE)
    endif()
endfunction()
if(EXISTS ${PREFIX}/${desktop_file})
    validate(desktop-file-validate ${PREFIX}/${desktop_file})
endif()
if(EXISTS ${PREFIX}/${metainfo_file})
    validate(appstreamcli validate --no-net --no-color ${PREFIX}/${metainfo_file})
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "install check failed:\n  ${text}")
endif()
message(STATUS "installed tree in ${PREFIX} is complete; Packages.xml carries ${EXPECTED_VERSION}")
