# Run by CPack between the install into its staging folder and the packaging: strips the
# program as Debian strips the binaries of its own packages, symbols and the .comment and
# .note sections included.
file(GLOB_RECURSE binaries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/formules")
foreach(binary IN LISTS binaries)
    execute_process(
        COMMAND strip --remove-section=.comment --remove-section=.note ${binary}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "strip failed on ${binary}")
    endif()
endforeach()
if(NOT binaries)
    message(FATAL_ERROR "no program found to strip in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
