# Plays part of a game with the bot, then plays the bot's record through the
# script runner in a fresh game folder: both must end in the same state.
foreach(side played replayed)
  file(REMOVE_RECURSE ${WORK_DIR}/${side})
  file(MAKE_DIRECTORY ${WORK_DIR}/${side})
  foreach(folder Maps Art Sounds)
    file(CREATE_LINK ${GAME_DIR}/${folder} ${WORK_DIR}/${side}/${folder} SYMBOLIC)
  endforeach()
endforeach()

execute_process(
  COMMAND ${BOT} --seed ${SEED} --limit ${LIMIT} --runner ${RUNNER} --data ${WORK_DIR}/played
          --record ${WORK_DIR}/record.script --final-state ${WORK_DIR}/final.txt
  OUTPUT_VARIABLE summary RESULT_VARIABLE status)
if(status GREATER 1 OR NOT EXISTS ${WORK_DIR}/final.txt)
  message(FATAL_ERROR "the bot failed (${status}): ${summary}")
endif()

file(READ ${WORK_DIR}/record.script record)
file(STRINGS ${WORK_DIR}/final.txt final)
list(LENGTH final count)
if(count LESS 100)
  message(FATAL_ERROR "the final state has only ${count} lines")
endif()
set(replay "${record}")
foreach(line IN LISTS final)
  string(REGEX REPLACE "=.*" "" name "${line}")
  string(APPEND replay "get ${name}\n")
endforeach()
file(WRITE ${WORK_DIR}/replay.script "${replay}")

execute_process(COMMAND ${RUNNER} --seed ${SEED} --data ${WORK_DIR}/replayed ${WORK_DIR}/replay.script
  OUTPUT_VARIABLE transcript ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the runner exited with ${status}: ${errors}")
endif()
string(REGEX REPLACE "\n$" "" transcript "${transcript}")
string(REPLACE "\n" ";" lines "${transcript}")
list(LENGTH lines total)
math(EXPR first "${total} - ${count} - 1")
list(SUBLIST lines ${first} ${count} answers)
if(NOT answers STREQUAL final)
  file(WRITE ${WORK_DIR}/answers.txt "${answers}")
  message(FATAL_ERROR "the replay ended elsewhere: compare ${WORK_DIR}/final.txt and ${WORK_DIR}/answers.txt")
endif()
message(STATUS "${summary}")
