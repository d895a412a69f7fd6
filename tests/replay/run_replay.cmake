# Plays one scenario script twice, with the final-state queries appended: in
# the script runner, and replayed in the game's window (the dummy video
# driver, pace 0). The window prints each action as "> ACTION" before the
# lines it caused; without those, its output must equal the runner's
# transcript line for line, final state included.
#   cmake -DGAME=<duskmoor> -DRUNNER=<duskmoor-script> -DSCRIPT=<x.script>
#         -DFINAL_STATE=<final_state.script> -DGAME_DIR=<build> -DWORK_DIR=<dir> -P run_replay.cmake
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
file(REMOVE_RECURSE ${WORK_DIR})

file(READ ${SCRIPT} actions)
file(READ ${FINAL_STATE} final_state)
set(combined ${WORK_DIR}/${name}.script)
file(WRITE ${combined} "${actions}\n${final_state}")

# Each player gets a fresh game folder: the scenario may save and load files.
foreach(player runner window)
  set(folder ${WORK_DIR}/${player})
  file(MAKE_DIRECTORY ${folder})
  foreach(content Maps Art Sounds)
    if(EXISTS ${GAME_DIR}/${content})
      file(COPY ${GAME_DIR}/${content} DESTINATION ${folder})
    endif()
  endforeach()
  if(EXISTS ${dir}/${name}.files)
    file(COPY ${dir}/${name}.files/ DESTINATION ${folder})
  endif()
endforeach()

execute_process(COMMAND ${RUNNER} --seed 1 --data ${WORK_DIR}/runner ${combined}
  WORKING_DIRECTORY ${WORK_DIR}/runner
  OUTPUT_VARIABLE transcript ERROR_VARIABLE runner_errors RESULT_VARIABLE runner_status)
if(NOT runner_status EQUAL 0)
  message(FATAL_ERROR "the runner exited with ${runner_status}: ${runner_errors}")
endif()

execute_process(COMMAND ${GAME} --replay ${combined} --seed 1 --pace 0 --quit-at-end --data ${WORK_DIR}/window
  WORKING_DIRECTORY ${WORK_DIR}/window
  OUTPUT_VARIABLE replayed ERROR_VARIABLE game_errors RESULT_VARIABLE game_status)
file(WRITE ${WORK_DIR}/replayed.txt "${replayed}")
if(NOT game_status EQUAL 0)
  message(FATAL_ERROR "the game exited with ${game_status}: ${game_errors}")
endif()

# The actions as they played, one "> " line each, are what the runner does not print.
string(REGEX REPLACE "\n> [^\n]*" "" shown "\n${replayed}")
string(SUBSTRING "${shown}" 1 -1 shown)
file(WRITE ${WORK_DIR}/transcript.txt "${transcript}")
file(WRITE ${WORK_DIR}/shown.txt "${shown}")
string(REGEX MATCHALL "\n> " played "\n${replayed}")
list(LENGTH played played_count)
if(played_count EQUAL 0)
  message(FATAL_ERROR "the game printed no actions as it replayed ${name}")
endif()
if(NOT shown STREQUAL transcript)
  execute_process(COMMAND diff -u ${WORK_DIR}/transcript.txt ${WORK_DIR}/shown.txt)
  message(FATAL_ERROR "the replay in the window went otherwise than the runner")
endif()
