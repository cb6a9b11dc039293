# Installed layout (Debian style, prefix /usr):
#   lib/lirabo/lirabo         the program (and the list editor beside it)
#   bin/lirabo                link to it, the command on the PATH
#   share/lirabo/             the content: the program folder, read-only
#   share/applications, share/metainfo, share/icons/hicolor, share/man, share/doc
# The program takes share/lirabo as its program folder when its own folder
# holds no content (src/app/program_folder.h). Pupil data goes below
# /var/lib/lirabo, which the package makes (packaging/postinst).
include(GNUInstallDirs)

set(LIRABO_INSTALL_PROGRAMDIR lib/lirabo CACHE STRING "Folder of the executables, below the prefix")
set(LIRABO_INSTALL_CONTENTDIR ${CMAKE_INSTALL_DATADIR}/lirabo CACHE STRING "Program folder with the content, below the prefix")
set(LIRABO_SHARED_DIR /var/lib/lirabo)   # the program's default shared documents folder
set(LIRABO_APP_ID de.lirabo.Lirabo)
set(LIRABO_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(LIRABO_INSTALL_STAGE ${CMAKE_BINARY_DIR}/install-stage)

# Where the executable finds its content once installed.
file(RELATIVE_PATH LIRABO_CONTENT_FROM_PROGRAM
     ${CMAKE_INSTALL_PREFIX}/${LIRABO_INSTALL_PROGRAMDIR} ${CMAKE_INSTALL_PREFIX}/${LIRABO_INSTALL_CONTENTDIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/app/program_folder.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS LIRABO_INSTALLED_CONTENT="${LIRABO_CONTENT_FROM_PROGRAM}")

# What the program needs to run from its build folder: scripts/run.sh builds
# only this, the test command builds everything.
add_custom_target(lirabo_program)
add_dependencies(lirabo_program lirabo)
if(TARGET lirabo_content)
  add_dependencies(lirabo_program lirabo_content)
endif()

# The executables. The list editor, once it is built, lies beside the program.
set(LIRABO_EXECUTABLES lirabo)
foreach(editor Dazidazud dazidazud Klassenuebersicht)
  if(TARGET ${editor})
    list(APPEND LIRABO_EXECUTABLES ${editor})
    add_dependencies(lirabo_program ${editor})
  endif()
endforeach()
install(TARGETS ${LIRABO_EXECUTABLES} RUNTIME DESTINATION ${LIRABO_INSTALL_PROGRAMDIR})
foreach(executable ${LIRABO_EXECUTABLES})
  # Relocations resolved at start and then read-only, as Debian links programs.
  target_link_options(${executable} PRIVATE LINKER:-z,relro LINKER:-z,now)
endforeach()

# Links made in the build folder and installed as links: the command, and the
# folders of the teachers' own content inside the program folder.
function(lirabo_link target name destination)
  file(MAKE_DIRECTORY ${LIRABO_INSTALL_STAGE}/links/${destination})
  file(CREATE_LINK ${target} ${LIRABO_INSTALL_STAGE}/links/${destination}/${name} SYMBOLIC)
  install(FILES ${LIRABO_INSTALL_STAGE}/links/${destination}/${name} DESTINATION ${destination})
endfunction()
file(RELATIVE_PATH LIRABO_PROGRAM_FROM_BIN
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${LIRABO_INSTALL_PROGRAMDIR}/lirabo)
lirabo_link(${LIRABO_PROGRAM_FROM_BIN} lirabo ${CMAKE_INSTALL_BINDIR})

# The content, generated into the program folder of the build. Pupil data,
# options and probes a run from the build folder may have left there are not
# installed; of "protokoll" only the starting profile and registry are.
if(TARGET lirabo_content)
  install(DIRECTORY ${LIRABO_PROGRAM_DIR}/ DESTINATION ${LIRABO_INSTALL_CONTENTDIR}
          PATTERN lirabo EXCLUDE
          PATTERN Dazidazud EXCLUDE
          PATTERN dazidazud EXCLUDE
          PATTERN Klassenuebersicht EXCLUDE
          PATTERN protokoll EXCLUDE
          PATTERN vovu.ini EXCLUDE
          PATTERN netzwerkpfad.txt EXCLUDE
          PATTERN ~abc EXCLUDE
          PATTERN eigene EXCLUDE)
  install(FILES ${LIRABO_PROGRAM_DIR}/protokoll/jeder.ini ${LIRABO_PROGRAM_DIR}/protokoll/namen.txt
          DESTINATION ${LIRABO_INSTALL_CONTENTDIR}/protokoll)
endif()
# The main menu starts the list editor from the program folder: a link there
# leads to it.
if(TARGET Dazidazud)
  file(RELATIVE_PATH LIRABO_EDITOR_FROM_CONTENT
       ${CMAKE_INSTALL_PREFIX}/${LIRABO_INSTALL_CONTENTDIR} ${CMAKE_INSTALL_PREFIX}/${LIRABO_INSTALL_PROGRAMDIR}/Dazidazud)
  lirabo_link(${LIRABO_EDITOR_FROM_CONTENT} Dazidazud ${LIRABO_INSTALL_CONTENTDIR})
  # It also starts on its own: a command on the PATH and a desktop menu entry.
  file(RELATIVE_PATH LIRABO_EDITOR_FROM_BIN
       ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${LIRABO_INSTALL_PROGRAMDIR}/Dazidazud)
  lirabo_link(${LIRABO_EDITOR_FROM_BIN} dazidazud ${CMAKE_INSTALL_BINDIR})
  install(FILES ${LIRABO_PACKAGING}/de.lirabo.Dazidazud.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()
# The class overview the same way: a link in the program folder (the editor
# starts it from there), a command and a desktop menu entry.
if(TARGET Klassenuebersicht)
  file(RELATIVE_PATH LIRABO_OVERVIEW_FROM_CONTENT
       ${CMAKE_INSTALL_PREFIX}/${LIRABO_INSTALL_CONTENTDIR} ${CMAKE_INSTALL_PREFIX}/${LIRABO_INSTALL_PROGRAMDIR}/Klassenuebersicht)
  lirabo_link(${LIRABO_OVERVIEW_FROM_CONTENT} Klassenuebersicht ${LIRABO_INSTALL_CONTENTDIR})
  file(RELATIVE_PATH LIRABO_OVERVIEW_FROM_BIN
       ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${LIRABO_INSTALL_PROGRAMDIR}/Klassenuebersicht)
  lirabo_link(${LIRABO_OVERVIEW_FROM_BIN} klassenuebersicht ${CMAKE_INSTALL_BINDIR})
  install(FILES ${LIRABO_PACKAGING}/de.lirabo.Klassenuebersicht.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()
foreach(folder listen Bilder Sounds)
  lirabo_link(${LIRABO_SHARED_DIR}/eigene/${folder} eigene ${LIRABO_INSTALL_CONTENTDIR}/${folder})
endforeach()

# Desktop integration.
install(FILES ${LIRABO_PACKAGING}/${LIRABO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${LIRABO_PACKAGING}/${LIRABO_APP_ID}.metainfo.xml.in
               ${LIRABO_INSTALL_STAGE}/${LIRABO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${LIRABO_INSTALL_STAGE}/${LIRABO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${LIRABO_PACKAGING}/lirabo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LIRABO_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${LIRABO_PACKAGING}/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${LIRABO_APP_ID}.png)
endforeach()

# Manual page and documentation, compressed as Debian keeps them.
set(LIRABO_GZIPPED)
foreach(file lirabo.1 dazidazud.1 klassenuebersicht.1 changelog)
  add_custom_command(OUTPUT ${LIRABO_INSTALL_STAGE}/${file}.gz
    COMMAND gzip -9 -n -c ${LIRABO_PACKAGING}/${file} > ${LIRABO_INSTALL_STAGE}/${file}.gz
    DEPENDS ${LIRABO_PACKAGING}/${file})
  list(APPEND LIRABO_GZIPPED ${LIRABO_INSTALL_STAGE}/${file}.gz)
endforeach()
add_custom_target(lirabo_install_files ALL DEPENDS ${LIRABO_GZIPPED})
install(FILES ${LIRABO_INSTALL_STAGE}/lirabo.1.gz ${LIRABO_INSTALL_STAGE}/dazidazud.1.gz
              ${LIRABO_INSTALL_STAGE}/klassenuebersicht.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${LIRABO_PACKAGING}/copyright ${LIRABO_PACKAGING}/README.Debian ${LIRABO_INSTALL_STAGE}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/lirabo)
