# Joins text files into one, in the order given, a blank line between two: the page's stylesheet
# from its files of one job. (Their texts are never CMake lists: a stylesheet is full of ";".)
#   FILES   the files, separated by |
#   OUTPUT  the file to write
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" FILES "${FILES}")
set(joined "")
foreach(file IN LISTS FILES)
    file(READ "${file}" content)
    string(STRIP "${content}" content)
    if(NOT joined STREQUAL "")
        string(APPEND joined "\n\n")
    endif()
    string(APPEND joined "${content}")
endforeach()
file(WRITE "${OUTPUT}" "${joined}\n")
