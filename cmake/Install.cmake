# `cmake --install` layout.
#
# The editor finds its help (en/help/html/index.htm, en/help/dorvien.chm) and
# its sample edit folder (en/param) beside its own executable, as it does in
# the build folder's bin/.
# On Windows that is the program's folder itself: everything goes to bin/.
# Elsewhere, data does not belong in bin/, so the editor and its en/ tree
# live together in lib/pfedit/ and bin/pfedit is a relative symbolic link to
# it; the editor takes its folder from the resolved link (/proc/self/exe), so
# it finds en/ there. pfedit-cli needs nothing beside itself and goes to bin/.
#
#   bin/pfedit -> ../lib/pfedit/pfedit
#   bin/pfedit-cli
#   lib/pfedit/pfedit
#   lib/pfedit/en/help/dorvien.chm
#   lib/pfedit/en/help/html/index.htm, its pages and images/
#   lib/pfedit/en/param/...
#   share/applications/pfedit.desktop
#   share/icons/hicolor/scalable/apps/pfedit.svg
include(GNUInstallDirs)

if(WIN32)
  set(PFEDIT_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
else()
  set(PFEDIT_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/pfedit)  # see the link below
endif()

install(TARGETS pfedit-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(NOT TARGET pfedit)
  return()  # a build without the editor installs the command-line tool only
endif()

install(TARGETS pfedit RUNTIME DESTINATION ${PFEDIT_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/en/param
        DESTINATION ${PFEDIT_INSTALL_PROGRAM_DIR}/en)
if(TARGET pfedit_help)
  # The HTML copy always (the only help that opens on a desktop without a
  # compiled-help viewer); the compiled file when chmcmd could build it.
  install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/en/help/html
          DESTINATION ${PFEDIT_INSTALL_PROGRAM_DIR}/en/help)
  if(PFEDIT_CHMCMD)
    install(FILES ${CMAKE_BINARY_DIR}/bin/en/help/dorvien.chm
            DESTINATION ${PFEDIT_INSTALL_PROGRAM_DIR}/en/help)
  endif()
endif()

if(NOT WIN32)
  # Relative, so that the tree works wherever the prefix (or DESTDIR) puts it.
  file(RELATIVE_PATH link_target ${CMAKE_INSTALL_FULL_BINDIR}
       ${CMAKE_INSTALL_FULL_LIBDIR}/pfedit/pfedit)
  if(IS_ABSOLUTE ${CMAKE_INSTALL_BINDIR})
    set(link_dir "${CMAKE_INSTALL_BINDIR}")
  else()
    set(link_dir "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}")
  endif()
  install(CODE "
    set(link \"\$ENV{DESTDIR}${link_dir}/pfedit\")
    message(STATUS \"Installing: \${link} -> ${link_target}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}${link_dir}\")
    file(CREATE_LINK \"${link_target}\" \"\${link}\" SYMBOLIC)
  ")
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/pfedit.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/pfedit.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
