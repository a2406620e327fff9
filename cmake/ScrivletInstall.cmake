# What goes where when Scrivlet is installed (cmake --install, cpack).
#
# Destinations are fixed relative to the prefix, not taken from the
# CMAKE_INSTALL_*DIR variables: the program finds hcrtf beside itself and the
# user guide in ../share/scrivlet (src/core/util/install_layout.h), and that
# is what lets an installed tree move to another prefix and still work.
set(SCRIVLET_APP_ID org.scrivlet.Scrivlet)
set(SCRIVLET_DATA ${PROJECT_SOURCE_DIR}/data)

# The application icon, drawn once (data/icons), goes into the program for
# its window as well as into the icon theme below; the theme's copy wins when
# the desktop has one.
qt_add_resources(scrivlet "scrivlet_app_icon"
    PREFIX /scrivlet/appicon
    BASE ${SCRIVLET_DATA}/icons/hicolor
    FILES
        ${SCRIVLET_DATA}/icons/hicolor/16x16/apps/${SCRIVLET_APP_ID}.png
        ${SCRIVLET_DATA}/icons/hicolor/22x22/apps/${SCRIVLET_APP_ID}.png
        ${SCRIVLET_DATA}/icons/hicolor/24x24/apps/${SCRIVLET_APP_ID}.png
        ${SCRIVLET_DATA}/icons/hicolor/32x32/apps/${SCRIVLET_APP_ID}.png
        ${SCRIVLET_DATA}/icons/hicolor/48x48/apps/${SCRIVLET_APP_ID}.png
        ${SCRIVLET_DATA}/icons/hicolor/64x64/apps/${SCRIVLET_APP_ID}.png
        ${SCRIVLET_DATA}/icons/hicolor/128x128/apps/${SCRIVLET_APP_ID}.png
        ${SCRIVLET_DATA}/icons/hicolor/256x256/apps/${SCRIVLET_APP_ID}.png)

# Man pages are shipped compressed, as Debian's policy asks; -n keeps the
# file's name and time out of the archive so that builds repeat byte for byte.
set(SCRIVLET_MAN_PAGES)
foreach(page scrivlet.1 hcrtf.1)
    set(compressed ${PROJECT_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${SCRIVLET_DATA}/man/${page} ${compressed}
        DEPENDS ${SCRIVLET_DATA}/man/${page}
        VERBATIM)
    list(APPEND SCRIVLET_MAN_PAGES ${compressed})
endforeach()
add_custom_target(scrivlet_man_pages ALL DEPENDS ${SCRIVLET_MAN_PAGES})

# bin/: the program and our own help compiler, side by side.
install(TARGETS scrivlet RUNTIME DESTINATION bin)
if(TARGET hcrtf)
    install(TARGETS hcrtf RUNTIME DESTINATION bin)
endif()

# share/scrivlet/: the user guide and its contents file, when the build made
# them (they are compiled beside the program).
install(FILES ${PROJECT_BINARY_DIR}/scrivlet.hlp ${PROJECT_BINARY_DIR}/scrivlet.cnt
        DESTINATION share/scrivlet OPTIONAL)

# share/applications/: the authoring tool, and the help viewer that opens
# .hlp files from the file manager.
install(FILES ${SCRIVLET_DATA}/applications/${SCRIVLET_APP_ID}.desktop
              ${SCRIVLET_DATA}/applications/${SCRIVLET_APP_ID}.Viewer.desktop
        DESTINATION share/applications)

# share/mime/packages/: the project, help, contents and help project types.
install(FILES ${SCRIVLET_DATA}/mime/${SCRIVLET_APP_ID}.xml DESTINATION share/mime/packages)

# share/metainfo/: what software centres show.
install(FILES ${SCRIVLET_DATA}/metainfo/${SCRIVLET_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# share/icons/hicolor/: the scalable icon and its PNG renders, 16 to 256 px.
install(FILES ${SCRIVLET_DATA}/icons/${SCRIVLET_APP_ID}.svg
        DESTINATION share/icons/hicolor/scalable/apps)
install(DIRECTORY ${SCRIVLET_DATA}/icons/hicolor/ DESTINATION share/icons/hicolor
        FILES_MATCHING PATTERN "*.png")

# share/man/man1/: scrivlet(1) and hcrtf(1).
install(FILES ${SCRIVLET_MAN_PAGES} DESTINATION share/man/man1)
