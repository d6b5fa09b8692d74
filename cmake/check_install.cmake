# Installs the build tree into an empty prefix and checks that every file a
# desktop needs is in its freedesktop place and is accepted by the tools that
# read it. Run with -DBUILD_DIR=... -DPREFIX=...
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
    bin/kortiv-calc
    share/applications/kortiv.desktop
    share/mime/packages/kortiv.xml
    share/icons/hicolor/scalable/apps/kortiv.svg
    share/icons/hicolor/48x48/apps/kortiv.png
    share/icons/hicolor/128x128/apps/kortiv.png
    share/icons/hicolor/256x256/apps/kortiv.png
    share/kortiv/guide/index.html
    share/kortiv/guide/first-scheme.krt
    share/kortiv/guide/images/first-scheme.png
    share/kortiv/guide/images/first-plot.png
    share/kortiv/guide/images/element-204.png)
if(EXPECT_DESKTOP_PROGRAM)
  list(APPEND expected bin/kortiv)
endif()
foreach(path ${expected})
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/kortiv.desktop
                RESULT_VARIABLE valid)
if(NOT valid EQUAL 0)
  message(FATAL_ERROR "desktop-file-validate refuses the installed entry")
endif()

# The MIME database built from the installed type must know the model files.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  execute_process(COMMAND ${UPDATE_MIME} ${PREFIX}/share/mime RESULT_VARIABLE mime OUTPUT_QUIET)
  file(READ ${PREFIX}/share/mime/globs2 globs)
  if(NOT mime EQUAL 0 OR NOT globs MATCHES "application/x-kortiv-model:\\*\\.krt")
    message(FATAL_ERROR "the MIME type of .krt files is not recognised")
  endif()
endif()

# The PNG sizes are what their folders say.
foreach(size 48 128 256)
  file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/kortiv.png header LIMIT 24 HEX)
  string(SUBSTRING ${header} 32 8 width)
  math(EXPR width_value "0x${width}")
  if(NOT width_value EQUAL size)
    message(FATAL_ERROR "icon ${size}x${size} is ${width_value} pixels wide")
  endif()
endforeach()
