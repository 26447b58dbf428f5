# Runs one scenario script through the replay driver, on the in-memory windows (TOOLKIT memory),
# the Qt ones (TOOLKIT qt) or those of a web page (TOOLKIT web, with REPLAY scripts/replay-web),
# and compares its transcript with the expected one beside it. A
# transcript with "error" lines must come with exit status 1. A line "# replay options: ..." in
# the script gives the replay driver further options, such as --language de.
string(REGEX REPLACE "\\.script$" ".expected" expected_file "${SCRIPT}")
if(TOOLKIT STREQUAL "qt")
    set(toolkit_option --qt)
endif()
file(STRINGS ${SCRIPT} options REGEX "^# replay options: " LIMIT_COUNT 1)
string(REPLACE "# replay options: " "" options "${options}")
separate_arguments(options UNIX_COMMAND "${options}")
# With LINE_ENDS crlf the script is fed with CR LF line ends, as an editor on Windows saves it,
# and must give the same transcript.
set(input ${SCRIPT})
if(LINE_ENDS STREQUAL "crlf")
    file(READ ${SCRIPT} content)
    string(REPLACE "\n" "\r\n" content "${content}")
    get_filename_component(name ${SCRIPT} NAME)
    set(input ${CMAKE_CURRENT_BINARY_DIR}/${name}.crlf)
    file(WRITE ${input} "${content}")
endif()
execute_process(
    COMMAND ${REPLAY} ${toolkit_option} ${options}
    INPUT_FILE ${input}
    OUTPUT_VARIABLE transcript
    RESULT_VARIABLE status)
file(READ ${expected_file} expected)
# A shared quantity that the expected transcript never names (one added with a new calculator
# after the scenario was written) is left out of the comparison while it stays Empty.
string(REGEX MATCHALL "  [A-Za-z]+ Empty\n" empty_quantities "${transcript}")
list(REMOVE_DUPLICATES empty_quantities)
foreach(line IN LISTS empty_quantities)
    string(REGEX REPLACE "^  ([A-Za-z]+) Empty\n$" "\\1" quantity "${line}")
    string(FIND "${expected}" "\n  ${quantity} " named)
    if(named EQUAL -1)
        string(REPLACE "\n  ${quantity} Empty\n" "\n" transcript "${transcript}")
    endif()
endforeach()
if(NOT transcript STREQUAL expected)
    get_filename_component(name ${SCRIPT} NAME_WE)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.${TOOLKIT}.actual "${transcript}")
    message(FATAL_ERROR
        "Transcript differs from ${expected_file}; got ${name}.${TOOLKIT}.actual:\n${transcript}")
endif()
if(expected MATCHES "(^|\n)error [0-9]+:")
    set(expected_status 1)
else()
    set(expected_status 0)
endif()
if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "Exit status ${status}, expected ${expected_status}")
endif()
