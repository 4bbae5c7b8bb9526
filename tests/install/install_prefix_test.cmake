# Installs the build into an empty prefix, checks the desktop files landed where a desktop
# looks for them, and makes the demo world with the installed tool.
# Run with -DBUILD_DIR=... -DPREFIX=... -DBINDIR=... -DDATADIR=... [-DWITH_EDITOR=ON] -P
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${PREFIX} failed (${status})")
endif()

if(WITH_EDITOR)
  # The desktop entry names a program, an icon and a type that were all installed.
  set(share ${PREFIX}/${DATADIR})
  file(STRINGS ${share}/applications/vyrworld.desktop exec REGEX "^Exec=")
  file(STRINGS ${share}/applications/vyrworld.desktop icon REGEX "^Icon=")
  file(STRINGS ${share}/applications/vyrworld.desktop type REGEX "^MimeType=")
  string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
  string(REGEX REPLACE "^Icon=" "" icon "${icon}")
  string(REGEX REPLACE "^MimeType=([^;]+).*" "\\1" type "${type}")
  if(NOT exec OR NOT EXISTS ${PREFIX}/${BINDIR}/${exec})
    message(FATAL_ERROR "The desktop entry starts '${exec}', which was not installed")
  endif()
  foreach(size 48x48 256x256)
    if(NOT icon OR NOT EXISTS ${share}/icons/hicolor/${size}/apps/${icon}.png)
      message(FATAL_ERROR "No ${size} icon '${icon}' was installed")
    endif()
  endforeach()
  # shared-mime-info's own compiler reads the type as a desktop would.
  find_program(UPDATE_MIME update-mime-database)
  if(UPDATE_MIME)
    execute_process(COMMAND ${UPDATE_MIME} ${share}/mime RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "update-mime-database refused the installed type (${status})")
    endif()
    file(STRINGS ${share}/mime/globs2 globs REGEX ":${type}:\\*\\.vwd")
    if(NOT type OR NOT globs)
      message(FATAL_ERROR "*.vwd and *.VWD do not map to the desktop entry's type '${type}'")
    endif()
  endif()
endif()

execute_process(COMMAND ${PREFIX}/${BINDIR}/vyrworld-tool make-demo ${PREFIX}/demo WORKING_DIRECTORY ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0 OR NOT EXISTS ${PREFIX}/demo/DEMO.VWD)
  message(FATAL_ERROR "The installed vyrworld-tool make-demo failed (${status})")
endif()
