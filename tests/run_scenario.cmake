# Runs one scenario script through the replay driver, on the in-memory windows (TOOLKIT memory)
# or the Qt ones (TOOLKIT qt), and compares its transcript with the expected one beside it. A
# transcript with "error" lines must come with exit status 1.
string(REGEX REPLACE "\\.script$" ".expected" expected_file "${SCRIPT}")
if(TOOLKIT STREQUAL "qt")
    set(toolkit_option --qt)
endif()
execute_process(
    COMMAND ${REPLAY} ${toolkit_option}
    INPUT_FILE ${SCRIPT}
    OUTPUT_VARIABLE transcript
    RESULT_VARIABLE status)
file(READ ${expected_file} expected)
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
