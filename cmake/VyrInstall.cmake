# Where `cmake --install` puts the programs, the desktop entry, the .VWD file type and the
# icons, and how `cpack -G DEB` packages them.
include(GNUInstallDirs)

install(TARGETS vyrworld-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET vyrworld)
  install(TARGETS vyrworld RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/src/res/vyrworld.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/src/res/vyrworld-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME vyrworld.xml)
  set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${CMAKE_SOURCE_DIR}/src/res/icons/vyrworld.png DESTINATION ${icons}/32x32/apps)
  foreach(size 48 256)
    install(FILES ${CMAKE_SOURCE_DIR}/src/res/icons/vyrworld-${size}.png DESTINATION ${icons}/${size}x${size}/apps
            RENAME vyrworld.png)
  endforeach()
endif()

set(CPACK_PACKAGE_NAME vyrworld)
set(CPACK_PACKAGE_VENDOR "VyrWorld")
set(CPACK_PACKAGE_CONTACT "VyrWorld developers <vyrworld@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Level editor for VyrWorld worlds (.VWD)")
set(CPACK_PACKAGE_DESCRIPTION "A desktop editor for the planes, tiles and objects of VyrWorld worlds.\n\
vyrworld-tool inspects, validates, repairs and resaves worlds and handles resource archives.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# dpkg-shlibdeps (from dpkg-dev) turns the libraries the programs link into Depends.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs in Polish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
