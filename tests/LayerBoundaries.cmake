# Checks that the layers point down only: platform includes nothing of the
# layers above it and names no window; common knows no subsystem; and no
# subsystem includes another's files (src/AllForms.cpp, the top, may).
# Run as: cmake -DSOURCE_DIR=<src> -P LayerBoundaries.cmake
set(subsystems shell itinerary guide dining_lodging organiser)
string(JOIN "|" any_subsystem ${subsystems})
set(faults "")

function(check folder pattern what)
    file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(file ${files})
        file(STRINGS "${file}" lines REGEX "${pattern}")
        foreach(line ${lines})
            file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
            string(STRIP "${line}" line)
            list(APPEND faults "${name} ${what}: ${line}")
        endforeach()
    endforeach()
    set(faults "${faults}" PARENT_SCOPE)
endfunction()

check(platform "#include \"(common|${any_subsystem})/" "includes a layer above it")
check(platform "\"frm[A-Z]" "names a window")
check(common "#include \"(${any_subsystem})/" "includes a subsystem")
foreach(subsystem ${subsystems})
    set(others ${subsystems})
    list(REMOVE_ITEM others ${subsystem})
    string(JOIN "|" other ${others})
    check(${subsystem} "#include \"(${other})/" "includes another subsystem")
endforeach()

if(faults)
    list(JOIN faults "\n" report)
    message(FATAL_ERROR "Layer boundaries crossed:\n${report}")
endif()
message(STATUS "Layer boundaries kept")
