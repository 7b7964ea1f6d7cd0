# Installation and the Debian package (`make package`, or cpack in the build folder).
# Programs in bin/; the database scripts and the default INI in share/agenda/; the menu entry, its
# icon in the usual sizes and the manual pages where a desktop and man look for them.
include(GNUInstallDirs)

# Installing (and packaging) takes the programs as built: `make package` builds them first (target
# instalables), and the package test does not walk the whole build again.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(AGENDA_INSTALACION ${CMAKE_SOURCE_DIR}/instalacion)

set(AGENDA_PROGRAMAS agenda agenda-sql agenda-consulta agenda-demo agenda-copia)
install(TARGETS ${AGENDA_PROGRAMAS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/db/sql/ DESTINATION ${CMAKE_INSTALL_DATADIR}/agenda/sql)
install(FILES ${AGENDA_INSTALACION}/CN000pr.INI DESTINATION ${CMAKE_INSTALL_DATADIR}/agenda)
install(FILES ${AGENDA_INSTALACION}/agenda.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(lado 16 22 24 32 48 64 128 256)
    install(FILES ${AGENDA_INSTALACION}/iconos/agenda-${lado}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps RENAME agenda.png)
endforeach()

# Manual pages go compressed, as Debian keeps them.
foreach(pagina agenda agenda-sql agenda-consulta agenda-demo agenda-copia)
    set(comprimida ${CMAKE_BINARY_DIR}/man/${pagina}.1.gz)
    add_custom_command(OUTPUT ${comprimida}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND gzip -9n -c ${AGENDA_INSTALACION}/man/${pagina}.1 > ${comprimida}
        DEPENDS ${AGENDA_INSTALACION}/man/${pagina}.1
        VERBATIM)
    list(APPEND paginas ${comprimida})
endforeach()
add_custom_target(paginas_manual ALL DEPENDS ${paginas})
install(FILES ${paginas} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# What the package takes from the build: `make package` builds this much, not the tests.
add_custom_target(instalables)
add_dependencies(instalables ${AGENDA_PROGRAMAS} paginas_manual)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME agenda)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Agenda de entrevistas y evaluaciones de una consultora de selección")
set(CPACK_PACKAGE_DESCRIPTION "La agenda de turnos de la oficina, sobre una base embebida propia de cada puesto \
o sobre la base compartida de la oficina (PostgreSQL, SQL Server u Oracle por ODBC). Incluye agenda-sql, \
agenda-consulta y agenda-copia, las herramientas de línea de órdenes de los administradores.")
set(CPACK_PACKAGE_CONTACT "Soporte de la agenda <soporte@agenda.invalid>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION office)
# Libraries the programs link come from dpkg-shlibdeps; what they load at run time is named here: the
# Qt Sql driver of each database (the window plugins come with Qt Gui) and the fonts whose metrics
# the screens are laid out for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, libqt6sql6-odbc, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tdsodbc, unixodbc")
include(CPack)

# The package as installed: built from the built programs, unpacked into a temporary root (dpkg -x)
# and started there on a new database.
add_test(NAME paquete_debian
    COMMAND sh ${CMAKE_SOURCE_DIR}/tests/instalacion/paquete.sh ${CMAKE_BINARY_DIR})
set_tests_properties(paquete_debian PROPERTIES
    ENVIRONMENT "LC_ALL=C.UTF-8"
    TIMEOUT 300)
