# Makes one exercise's Evolution: the runner's starting state in a main
# directory of its own, the apparatus and the exercise's setup applied, saved
# without a run. Its state is kept beside it as text (NAME.state) for review.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(made_dir ${EVOLUTION} DIRECTORY)
get_filename_component(stem ${EVOLUTION} NAME_WE)
execute_process(
  COMMAND ${SIM} --main-dir ${WORK} --setup ${APPARATUS} --setup ${SETUP} --print-state
          --save-evolution ${WORK}/${stem}.EVO
  OUTPUT_FILE ${made_dir}/${stem}.state
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The exercise ${stem} cannot be made:\n${errors}")
endif()
file(RENAME ${WORK}/${stem}.EVO ${EVOLUTION})
file(REMOVE_RECURSE ${WORK})
