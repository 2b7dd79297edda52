# Installs the build into a scratch prefix and checks that the desktop finds
# everything it needs. Run with -DBUILD_DIR=... -DPREFIX=...
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
set(expected
  bin/brackwell
  bin/brackwell-cli
  share/applications/io.github.brackwell.Brackwell.desktop
  share/metainfo/io.github.brackwell.Brackwell.metainfo.xml
  share/icons/hicolor/scalable/apps/brackwell.svg)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/brackwell.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/io.github.brackwell.Brackwell.desktop" entry)
foreach(line "Exec=brackwell" "Icon=brackwell" "Categories=Game;BoardGame;")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
