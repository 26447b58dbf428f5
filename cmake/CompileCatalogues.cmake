# Compiles the Qt Linguist catalogues into a C++ table that every toolkit reads through one
# lookup (src/forms/Languages.h), so that the desktop, the browser and the in-memory windows
# speak the same texts without Qt. As lrelease does, a finished or unfinished translation is
# kept, an empty, vanished or obsolete one is left out.
#   TS      the catalogues (formules_LANGUAGE.ts), separated by |
#   OUTPUT  the C++ file to write
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" TS "${TS}")

# The text between the first opening mark and its closing mark, and what follows it.
function(take_element text open close found_var value_var rest_var)
    string(FIND "${text}" "${open}" start)
    if(start EQUAL -1)
        set(${found_var} FALSE PARENT_SCOPE)
        return()
    endif()
    string(LENGTH "${open}" open_length)
    math(EXPR start "${start} + ${open_length}")
    string(SUBSTRING "${text}" ${start} -1 text)
    string(FIND "${text}" "${close}" end)
    if(end EQUAL -1)
        message(FATAL_ERROR "${open} without ${close}")
    endif()
    string(SUBSTRING "${text}" 0 ${end} value)
    string(LENGTH "${close}" close_length)
    math(EXPR end "${end} + ${close_length}")
    string(SUBSTRING "${text}" ${end} -1 rest)
    set(${found_var} TRUE PARENT_SCOPE)
    set(${value_var} "${value}" PARENT_SCOPE)
    set(${rest_var} "${rest}" PARENT_SCOPE)
endfunction()

# XML text as a C++ string literal: the entities lupdate writes decoded, then the characters a
# literal cannot hold escaped.
function(as_literal text out_var)
    if(text MATCHES "&#")
        message(FATAL_ERROR "a numeric character reference in \"${text}\": not supported")
    endif()
    string(REPLACE "&lt;" "<" text "${text}")
    string(REPLACE "&gt;" ">" text "${text}")
    string(REPLACE "&quot;" "\"" text "${text}")
    string(REPLACE "&apos;" "'" text "${text}")
    string(REPLACE "&amp;" "&" text "${text}")
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    set(${out_var} "\"${text}\"" PARENT_SCOPE)
endfunction()

set(tables "")
set(rows "")
foreach(ts IN LISTS TS)
    get_filename_component(name "${ts}" NAME_WE)
    string(REPLACE "formules_" "" language "${name}")
    file(READ "${ts}" xml)
    set(table "const CatalogueText k_${language}[] = {\n")
    while(TRUE)
        take_element("${xml}" "<context>" "</context>" found context xml)
        if(NOT found)
            break()
        endif()
        take_element("${context}" "<name>" "</name>" found context_name context)
        as_literal("${context_name}" context_literal)
        while(TRUE)
            take_element("${context}" "<message>" "</message>" found message context)
            if(NOT found)
                break()
            endif()
            if(message MATCHES "<comment>|numerus=")
                message(FATAL_ERROR "${ts}: a comment or plural forms: not supported")
            endif()
            take_element("${message}" "<source>" "</source>" found source message)
            take_element("${message}" "<translation" "</translation>" found translation message)
            if(NOT found)
                continue()
            endif()
            string(FIND "${translation}" ">" end_of_mark)
            string(SUBSTRING "${translation}" 0 ${end_of_mark} attributes)
            math(EXPR end_of_mark "${end_of_mark} + 1")
            string(SUBSTRING "${translation}" ${end_of_mark} -1 translation)
            if(attributes MATCHES "vanished|obsolete" OR translation STREQUAL "")
                continue()
            endif()
            as_literal("${source}" source_literal)
            as_literal("${translation}" translation_literal)
            string(APPEND table
                   "    {${context_literal}, ${source_literal}, ${translation_literal}},\n")
        endwhile()
    endwhile()
    string(APPEND tables "${table}};\n\n")
    string(APPEND rows "    {\"${language}\", k_${language}, std::size(k_${language})},\n")
endforeach()

set(content "// Generated from data/translations by cmake/CompileCatalogues.cmake: edit the catalogues.
#include \"forms/Catalogues.h\"

#include <iterator>

namespace formules {

namespace {

${tables}} // namespace

const Catalogue kCatalogues[] = {
${rows}};

const std::size_t kCatalogueCount = std::size(kCatalogues);

} // namespace formules
")
# Written only when it changes, so that an unchanged catalogue rebuilds nothing.
file(WRITE "${OUTPUT}.new" "${content}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
