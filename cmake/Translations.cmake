# Brings the translation catalogues up to date with the code, or with CHECK=ON only checks that
# they are: every text the code shows has a finished translation, and no catalogue keeps a text
# the code no longer has. The texts are those formules-catalogue lists from the registry of
# windows and those of the Qt code, both read by Qt Linguist's lupdate.
#   CATALOGUE  formules-catalogue        LUPDATE  Qt's lupdate
#   SOURCES    the Qt code's folder      TS       the catalogues (formules_LANGUAGE.ts), by |
#   WORK       a folder for the generated catalogue and the checked copies
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" TS "${TS}")
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CATALOGUE} OUTPUT_FILE ${WORK}/catalogue.cpp
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "formules-catalogue failed: ${status}")
endif()
set(problems "")
foreach(ts IN LISTS TS)
    get_filename_component(name ${ts} NAME_WE)
    string(REPLACE "formules_" "" language ${name})
    set(target ${ts})
    if(CHECK)
        set(target ${WORK}/${name}.ts)
        file(COPY_FILE ${ts} ${target})
    endif()
    execute_process(
        COMMAND ${LUPDATE} -silent -locations none -no-obsolete -source-language fr
                -target-language ${language} ${WORK}/catalogue.cpp ${SOURCES} -ts ${target}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${ts}: ${status}")
    endif()
    if(CHECK)
        file(READ ${ts} kept)
        file(READ ${target} wanted)
        if(NOT kept STREQUAL wanted)
            list(APPEND problems "${ts} does not list exactly the code's texts")
        endif()
        if(wanted MATCHES "type=\"unfinished\"")
            list(APPEND problems "${ts} has texts without a finished translation")
        endif()
    endif()
endforeach()
if(problems)
    list(JOIN problems "\n" problems)
    message(FATAL_ERROR "${problems}\nRun bash scripts/translations, then translate in Qt Linguist.")
endif()
