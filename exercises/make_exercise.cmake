# Makes one exercise's Evolution: the runner's starting state in a main
# directory of its own, the apparatus and the exercise's setup applied, saved
# without a run. Its state is kept beside it as text (NAME.state) for review.
# The panel is saved as PANEL, which the Evolution then names as its panel:
# it carries the line titles of the setup, and with PANEL_SETUP (the
# exercise's panel.txt: what else lives in the panel file, such as the
# number of lines shown and the foam system) that is applied first.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(made_dir ${EVOLUTION} DIRECTORY)
get_filename_component(stem ${EVOLUTION} NAME_WE)
get_filename_component(panel_name ${PANEL} NAME)
set(panel_options)
if(PANEL_SETUP)
  set(panel_options --setup ${PANEL_SETUP})
endif()
list(APPEND panel_options --save-panel ${WORK}/${panel_name})
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
file(RENAME ${WORK}/${panel_name} ${PANEL})
file(REMOVE_RECURSE ${WORK})
