# Run by CTest as assets.audio: checks the sounds in the game folder, then
# generates once more from scratch and demands the same bytes as the game
# folder, which the build made with this generator: two runs, one result.
foreach(var GENERATOR CHECKER GAME_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "AudioAssetsTest.cmake needs -D${var}=...")
  endif()
endforeach()

execute_process(COMMAND ${CHECKER} ${GAME_DIR} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the generated sounds in ${GAME_DIR} fail their checks (table above)")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${GENERATOR} ${WORK_DIR} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "assetgen_audio failed")
endif()

file(GLOB_RECURSE produced RELATIVE ${WORK_DIR} ${WORK_DIR}/*)
list(LENGTH produced count)
if(NOT count EQUAL 43)
  message(FATAL_ERROR "expected 42 effects and 1 music file, got ${count}: ${produced}")
endif()
foreach(f ${produced})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${f} ${GAME_DIR}/${f} RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "${f} differs between ${WORK_DIR} and ${GAME_DIR}: the generator is not deterministic, or the game folder is stale")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
message(STATUS "assets.audio: ${count} files checked and reproduced byte for byte")
