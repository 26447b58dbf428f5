# Installs the build into a scratch folder and checks that each file is in its standard place.
file(REMOVE_RECURSE ${DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${DESTDIR}/usr
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
foreach(path
        usr/bin/formules
        usr/share/applications/org.formules.formules.desktop
        usr/share/icons/hicolor/scalable/apps/org.formules.formules.svg
        usr/share/icons/hicolor/16x16/apps/org.formules.formules.png
        usr/share/icons/hicolor/256x256/apps/org.formules.formules.png
        usr/share/metainfo/org.formules.formules.metainfo.xml
        usr/share/man/man1/formules.1.gz
        usr/share/man/fr/man1/formules.1.gz
        usr/share/man/de/man1/formules.1.gz
        usr/share/man/es/man1/formules.1.gz
        usr/share/man/it/man1/formules.1.gz
        usr/share/doc/formules/copyright
        usr/share/doc/formules/changelog.gz)
    if(NOT EXISTS ${DESTDIR}/${path})
        message(FATAL_ERROR "missing ${path}")
    endif()
endforeach()
