# Fails when a source includes a header of a layer above its own. Dependencies point one way:
#   core (platform, store, reports) <- charts, widgets <- screens <- cli;
#   location <- screens (the position service stands on Qt alone).
# Usage: cmake -DCLASSES_DIR=<dir> -P check_layering.cmake

if(NOT CLASSES_DIR)
    message(FATAL_ERROR "CLASSES_DIR is not set")
endif()

# The folders each layer must not include from.
set(forbidden_platform widgets charts screens location cli)
set(forbidden_store ${forbidden_platform})
set(forbidden_reports ${forbidden_platform})
set(forbidden_charts widgets screens location cli)
set(forbidden_widgets charts screens location cli)
set(forbidden_location platform store reports widgets charts screens cli)
set(forbidden_screens cli)

set(violations "")
foreach(layer platform store reports charts widgets location screens)
    list(JOIN forbidden_${layer} "|" above)
    file(GLOB_RECURSE sources "${CLASSES_DIR}/${layer}/*.h" "${CLASSES_DIR}/${layer}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(${above})/")
        foreach(line IN LISTS includes)
            file(RELATIVE_PATH name "${CLASSES_DIR}" "${source}")
            string(APPEND violations "  ${name}: ${line}\n")
        endforeach()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes from a higher layer:\n${violations}")
endif()
