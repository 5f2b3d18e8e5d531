# The translations are complete: every text of the sources is in translations/*.ts (a copy
# is brought up to date with scripts/update-translations.sh) and every one is translated.
cmake_policy(SET CMP0007 NEW)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(GLOB ts_files ${SOURCE_DIR}/translations/*.ts)
file(COPY ${ts_files} DESTINATION ${WORK_DIR})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env MARKLOW_TS_DIR=${WORK_DIR} LUPDATE=${LUPDATE}
    bash ${SOURCE_DIR}/scripts/update-translations.sh -silent
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed")
endif()
foreach(ts ${ts_files})
  get_filename_component(name ${ts} NAME)
  file(READ ${WORK_DIR}/${name} text)
  string(REGEX MATCHALL "<source>[^<]*</source>" sources "${text}")
  list(LENGTH sources count)
  if(text MATCHES "type=\"(unfinished|vanished|obsolete)\"")
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"[a-z]+\"" open "${text}")
    string(REPLACE ";" "\n" open "${open}")
    message(FATAL_ERROR "${name}: texts without a finished translation (run "
      "scripts/update-translations.sh and translate them):\n${open}")
  endif()
  if(count LESS 100)
    message(FATAL_ERROR "${name}: only ${count} texts")
  endif()
  message(STATUS "${name}: ${count} texts, all translated")
endforeach()
