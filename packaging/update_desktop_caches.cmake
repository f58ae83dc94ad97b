# Run by `cmake --install`: after an install into the running system, the
# desktop's caches are rebuilt so that the new menu entry, icon and file type
# show at once. Into a staging tree (DESTDIR, as a package is built) nothing
# is run: the caches belong to the system that finally receives the files.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
set(share "${CMAKE_INSTALL_PREFIX}/share")
find_program(UPDATE_MIME_DATABASE update-mime-database)
find_program(UPDATE_DESKTOP_DATABASE update-desktop-database)
find_program(GTK_UPDATE_ICON_CACHE gtk-update-icon-cache)
if(UPDATE_MIME_DATABASE)
  execute_process(COMMAND ${UPDATE_MIME_DATABASE} "${share}/mime")
endif()
if(UPDATE_DESKTOP_DATABASE)
  execute_process(COMMAND ${UPDATE_DESKTOP_DATABASE} -q "${share}/applications")
endif()
if(GTK_UPDATE_ICON_CACHE AND EXISTS "${share}/icons/hicolor/index.theme")
  execute_process(COMMAND ${GTK_UPDATE_ICON_CACHE} -q -t -f "${share}/icons/hicolor")
endif()
