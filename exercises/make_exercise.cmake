# Makes one exercise's Evolution: the runner's starting state in a main
# directory of its own, the apparatus and the exercise's setup applied, saved
# without a run. Its state is kept beside it as text (NAME.state) for review.
# With PANEL_SETUP (the exercise's panel.txt: what lives in the panel file,
# such as its foam system) that is applied too and the panel saved as PANEL,
# which the Evolution then names as its panel.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(made_dir ${EVOLUTION} DIRECTORY)
get_filename_component(stem ${EVOLUTION} NAME_WE)
set(panel_options)
if(PANEL_SETUP)
  get_filename_component(panel_name ${PANEL} NAME)
  set(panel_options --setup ${PANEL_SETUP} --save-panel ${WORK}/${panel_name})
endif()
execute_process(
  COMMAND ${SIM} --main-dir ${WORK} --setup ${APPARATUS} --setup ${SETUP} ${panel_options}
          --print-state --save-evolution ${WORK}/${stem}.EVO
  OUTPUT_FILE ${made_dir}/${stem}.state
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The exercise ${stem} cannot be made:\n${errors}")
endif()
file(RENAME ${WORK}/${stem}.EVO ${EVOLUTION})
if(PANEL_SETUP)
  file(RENAME ${WORK}/${panel_name} ${PANEL})
endif()
file(REMOVE_RECURSE ${WORK})
