# Installs the build into an empty prefix, checks that the tree holds exactly what a desktop
# installation needs in its standard places, runs the installed program from another folder
# and validates the desktop entry and the metainfo with the desktop's own tools.
# Usage: cmake -DBUILD_DIR=<dir> -DWORK_DIR=<dir> -DVERSION=<x.y.z> -DAPP_ID=<id>
#              -DBINDIR=<dir> -DDATADIR=<dir> -DMANDIR=<dir> -DTRANSLATIONSDIR=<dir>
#              -P check_install.cmake

foreach(variable BUILD_DIR WORK_DIR VERSION APP_ID BINDIR DATADIR MANDIR TRANSLATIONSDIR)
    if(NOT ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

set(prefix ${WORK_DIR}/prefix)
set(elsewhere ${WORK_DIR}/elsewhere)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${elsewhere})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()

set(icon_sizes 16 22 24 32 48 64 128 256 512)
set(expected
    ${BINDIR}/pumpora
    ${TRANSLATIONSDIR}/pumpora_en.qm
    ${TRANSLATIONSDIR}/pumpora_zh_CN.qm
    ${DATADIR}/applications/${APP_ID}.desktop
    ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
    ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg
    ${DATADIR}/doc/pumpora/copyright
    ${MANDIR}/man1/pumpora.1.gz)
foreach(size IN LISTS icon_sizes)
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${prefix} ${prefix}/*)
set(missing ${expected})
set(unexpected ${installed})
list(REMOVE_ITEM missing ${installed})
list(REMOVE_ITEM unexpected ${expected})
if(missing OR unexpected)
    list(JOIN missing "\n  " missing)
    list(JOIN unexpected "\n  " unexpected)
    message(FATAL_ERROR "The installed tree differs.\nMissing:\n  ${missing}\nUnexpected:\n  ${unexpected}")
endif()

function(run_installed expected_output)
    execute_process(COMMAND ${prefix}/${BINDIR}/pumpora ${ARGN}
        WORKING_DIRECTORY ${elsewhere}
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT status EQUAL 0 OR NOT output MATCHES "${expected_output}")
        message(FATAL_ERROR "installed pumpora ${ARGN} (exit status ${status}) printed:\n${output}${errors}")
    endif()
endfunction()
run_installed("^pumpora ${VERSION}\n$" --version)
run_installed("^Usage: pumpora" --help)
# The seed database and lists come from inside the program, not from a file beside it.
run_installed("${elsewhere}/log" --data-dir log init)
if(NOT EXISTS ${elsewhere}/log/oil_db.sqlite)
    message(FATAL_ERROR "installed pumpora init made no database in ${elsewhere}/log")
endif()

function(validate tool file)
    find_program(program ${tool} NO_CACHE)
    if(NOT program)
        message(FATAL_ERROR "${tool} is missing (see tools/debian-packages.txt)")
    endif()
    execute_process(COMMAND ${program} ${ARGN} ${file}
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${tool} rejects ${file}:\n${output}")
    endif()
endfunction()
validate(desktop-file-validate ${prefix}/${DATADIR}/applications/${APP_ID}.desktop)
set(metainfo ${prefix}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
validate(appstreamcli ${metainfo} validate --no-net)

# Releases are listed newest first; the newest is the one being built.
file(READ ${metainfo} metainfo_text)
if(NOT metainfo_text MATCHES "<release version=\"([^\"]+)\"" OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "The newest release in the metainfo is '${CMAKE_MATCH_1}', not ${VERSION}")
endif()
message(STATUS "Installed into ${prefix}; pumpora ${VERSION} runs from ${elsewhere}")
