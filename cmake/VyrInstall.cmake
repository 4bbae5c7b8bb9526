# Where `cmake --install` puts the programs, the desktop entry, the AppStream metadata, the
# .VWD file type, the icons, the manual pages and the package documents, and how
# `cpack -G DEB` packages them.
include(GNUInstallDirs)

install(TARGETS vyrworld-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET vyrworld)
  install(TARGETS vyrworld RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The hardening Debian builds its own packages with: fortified string and memory calls
# (they need the optimiser) and all relocations bound read-only at start.
set(vyr_code vyr_platform vyr_res vyr_resources vyr_world vyr_commands vyrworld-tool)
if(TARGET vyrworld)
  list(APPEND vyr_code vyr_editor vyrworld)
endif()
foreach(target ${vyr_code})
  target_compile_definitions(${target} PRIVATE $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endforeach()
foreach(program vyrworld-tool vyrworld)
  if(TARGET ${program})
    target_link_options(${program} PRIVATE LINKER:-z,relro,-z,now)
    # Installed copies lose the compilers' version notes, as Debian's own strip drops them.
    install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")")
  endif()
endforeach()

# Debian wants manual pages and the changelog compressed by gzip -9n (no name, no time stamp).
find_program(GZIP gzip REQUIRED)
find_program(HELP2MAN help2man)
set(vyr_docs ${CMAKE_BINARY_DIR}/docs)
set(vyr_gzipped ${vyr_docs}/changelog.gz)
add_custom_command(OUTPUT ${vyr_docs}/changelog.gz
                   COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/packaging/changelog > ${vyr_docs}/changelog.gz
                   DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog VERBATIM)
if(HELP2MAN)
  # The tool's page is its own --help, so it never falls behind the options.
  list(APPEND vyr_gzipped ${vyr_docs}/vyrworld-tool.1.gz)
  add_custom_command(OUTPUT ${vyr_docs}/vyrworld-tool.1.gz
                     COMMAND ${HELP2MAN} --no-info --name "inspect, check, repair and draw VyrWorld worlds"
                             --include ${CMAKE_SOURCE_DIR}/packaging/vyrworld-tool.h2m
                             --output ${vyr_docs}/vyrworld-tool.1 $<TARGET_FILE:vyrworld-tool>
                     COMMAND ${GZIP} -9nf ${vyr_docs}/vyrworld-tool.1
                     DEPENDS vyrworld-tool ${CMAKE_SOURCE_DIR}/packaging/vyrworld-tool.h2m VERBATIM)
  install(FILES ${vyr_docs}/vyrworld-tool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man not found: the manual page of vyrworld-tool is not made")
endif()
if(TARGET vyrworld)
  list(APPEND vyr_gzipped ${vyr_docs}/vyrworld.1.gz)
  add_custom_command(OUTPUT ${vyr_docs}/vyrworld.1.gz
                     COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/packaging/vyrworld.1 > ${vyr_docs}/vyrworld.1.gz
                     DEPENDS ${CMAKE_SOURCE_DIR}/packaging/vyrworld.1 VERBATIM)
  install(FILES ${vyr_docs}/vyrworld.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
file(MAKE_DIRECTORY ${vyr_docs})
add_custom_target(vyr_docs ALL DEPENDS ${vyr_gzipped})
set(vyr_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vyrworld)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${vyr_docs}/changelog.gz DESTINATION ${vyr_doc_dir})
if(TARGET vyrworld)
  install(FILES ${CMAKE_SOURCE_DIR}/src/res/vyrworld.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/src/res/org.vyrworld.editor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          RENAME vyrworld)
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
set(CPACK_PACKAGE_CONTACT "VyrWorld developers <developers@vyrworld.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Level editor for VyrWorld worlds (.VWD)")
# Debian's lines of the long description stay within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION "A desktop editor for the planes, tiles and objects of VyrWorld worlds.\n\
vyrworld-tool inspects, validates, repairs and resaves worlds, writes map\n\
snapshots and handles resource archives.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A level editor, as Debian files its other level and map editors.
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# dpkg-shlibdeps (from dpkg-dev) turns the libraries the programs link into Depends.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs in Polish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
