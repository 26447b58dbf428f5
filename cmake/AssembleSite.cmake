# Assembles a folder of static files, ready to copy onto any web server: each file copied to its
# place, and, given a template, the service worker that keeps them all, named with a version made
# from their contents, so that a changed site is kept anew.
#   SITE            the folder to fill (emptied first)
#   FILES           "source>place" pairs, separated by |
#   SERVICE_WORKER  the template of sw.js (@VERSION@, @FILES@); none for a site without one
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" FILES "${FILES}")
file(REMOVE_RECURSE "${SITE}")
file(MAKE_DIRECTORY "${SITE}")
set(kept "\"./\"")
set(contents "")
foreach(pair IN LISTS FILES)
    string(REPLACE ">" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 place)
    get_filename_component(folder "${SITE}/${place}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${source}" "${SITE}/${place}")
    file(SHA256 "${source}" hash)
    string(APPEND contents "${place} ${hash}\n")
    string(APPEND kept ", \"${place}\"")
endforeach()
if(SERVICE_WORKER)
    string(SHA256 version "${contents}")
    string(SUBSTRING "${version}" 0 16 VERSION)
    set(FILES "${kept}")
    configure_file("${SERVICE_WORKER}" "${SITE}/sw.js" @ONLY)
endif()
