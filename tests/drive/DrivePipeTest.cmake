# Runs kelvane-drive as a separate program with a script piped to its standard input
# and checks that each command gets exactly one reply, in order: a blank line gets
# none, CR LF line ends and a last line without a line end still count. The program's
# folder given to it has a name that is not plain ASCII, as a user's folder may.
#   cmake -DDRIVE=kelvane-drive [-DEMULATOR=runner] -DTABLE=Density_Plastics.csv
#         -DWORK=folder -P DrivePipeTest.cmake
set(program_dir "${WORK}/Zoë/bin")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${program_dir}")
file(COPY "${TABLE}" DESTINATION "${WORK}/Zoë/Data")
set(script "${WORK}/script.txt")
file(WRITE "${script}"
    "[\"start\"]\n"
    "[\"type\",\"50\\r3000\\r4\"]\r\n"
    "\n"
    "not a command\n"
    "[\"get\",\"RKGQtyLabel\"]")
execute_process(COMMAND ${EMULATOR} "${DRIVE}" --program-dir "${program_dir}"
                INPUT_FILE "${script}"
                OUTPUT_VARIABLE output RESULT_VARIABLE result TIMEOUT 120)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "kelvane-drive ended with ${result}; it wrote:\n${output}")
endif()
string(REGEX REPLACE "\n$" "" output "${output}")
string(REPLACE "\n" ";" replies "${output}")
set(expected
    "^{\"events\":\\[\\],\"ok\":true,\"value\":null}$"
    "^{\"events\":\\[\\],\"ok\":true,\"value\":null}$"
    "^{\"error\":\"[^\"]+\",\"events\":\\[\\],\"ok\":false}$"
    "^{\"events\":\\[\\],\"ok\":true,\"value\":{.*\"text\":\"41.23 kg\".*}}$")
list(LENGTH replies count)
list(LENGTH expected wanted)
if(NOT count EQUAL wanted)
    message(FATAL_ERROR "${count} replies for ${wanted} commands:\n${output}")
endif()
foreach(index RANGE 3)
    list(GET replies ${index} reply)
    list(GET expected ${index} pattern)
    if(NOT reply MATCHES "${pattern}")
        message(FATAL_ERROR "reply ${index} is\n  ${reply}\nnot matching\n  ${pattern}")
    endif()
endforeach()
