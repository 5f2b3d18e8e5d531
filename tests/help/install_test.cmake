# Installs the build into a fresh PREFIX and checks that the program, marklow-cli, the help,
# the shipped letter tables, the desktop file, the file type and the icons are in their XDG
# places, that they work from there, and that the installed program finds its help.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
endif()

set(expected
  bin/marklow
  bin/marklow-cli
  share/marklow/help/marklow.qhc
  share/marklow/help/marklow.qch
  share/marklow/help/de/marklow.qhc
  share/marklow/help/de/marklow.qch
  share/marklow/default.ltd
  share/applications/com.brindlecraft.Marklow.desktop
  share/metainfo/com.brindlecraft.Marklow.metainfo.xml
  share/man/man1/marklow.1.gz
  share/man/man1/marklow-cli.1.gz
  share/doc/marklow/copyright
  share/doc/marklow/changelog.gz
  share/mime/packages/marklow-gradebook.xml
  share/icons/hicolor/scalable/apps/marklow.svg)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/marklow.png)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
foreach(program marklow marklow-cli)
  execute_process(COMMAND test -x "${PREFIX}/bin/${program}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "not executable: bin/${program}")
  endif()
endforeach()

execute_process(COMMAND "${PREFIX}/bin/marklow-cli" --help
  RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "export-csv")
  message(FATAL_ERROR "the installed marklow-cli does not run (${rc})")
endif()

if(VALIDATE)
  execute_process(COMMAND "${VALIDATE}" "${PREFIX}/share/applications/com.brindlecraft.Marklow.desktop"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the installed desktop file does not validate:\n${out}${err}")
  endif()
endif()

# The listing with the desktop file it launches, as a software centre reads the installed tree.
if(APPSTREAMCLI)
  execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${PREFIX}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the installed metainfo does not validate:\n${out}${err}")
  endif()
endif()

# The file type, as the desktop's MIME database would take it in.
if(UPDATE_MIME)
  execute_process(COMMAND "${UPDATE_MIME}" "${PREFIX}/share/mime"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "update-mime-database failed:\n${out}${err}")
  endif()
  file(READ "${PREFIX}/share/mime/globs2" globs)
  if(NOT globs MATCHES "application/x-marklow-gradebook:\\*\\.gbd")
    message(FATAL_ERROR "*.gbd is not application/x-marklow-gradebook:\n${globs}")
  endif()
endif()

# The installed help opens, found where the installed program looks for it.
execute_process(COMMAND ${CMAKE_COMMAND} -E env "MARKLOW_INSTALL_PREFIX=${PREFIX}"
    "QT_QPA_PLATFORM=offscreen" "${HELP_TESTS}" --gtest_filter=InstalledHelp.*
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR out MATCHES "SKIPPED")
  message(FATAL_ERROR "the installed help does not open:\n${out}\n${err}")
endif()
message(STATUS "installed into ${PREFIX}: ${expected}")
