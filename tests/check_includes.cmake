# Fails when a file breaks one of the include rules of the source tree.
# RULE=no_qt: a file of the simulation core (everything under src/ outside
# a gui/ folder) includes a Qt header.
# RULE=sim_layering: a file of the simulation (src/sim/) includes a header
# of a folder above it (the program frame, the panel, the setup windows,
# the recording, the sound, the burn house, the runner). Those build on the
# simulation, never the other way.
if(RULE STREQUAL "no_qt")
  file(GLOB_RECURSE files "${SRC}/*.h" "${SRC}/*.cpp")
  set(pattern "^[ \t]*#[ \t]*include[ \t]*[<\"]Q[A-Za-z]")
  set(what "Qt headers in the simulation core")
elseif(RULE STREQUAL "sim_layering")
  file(GLOB_RECURSE files "${SRC}/sim/*.h" "${SRC}/sim/*.cpp")
  set(pattern "^[ \t]*#[ \t]*include[ \t]*[<\"](frame|panel|setup|records|sound|burn|cli)/")
  set(what "The simulation includes headers of the folders above it")
else()
  message(FATAL_ERROR "Unknown include rule '${RULE}'")
endif()
set(bad "")
foreach(f ${files})
  # Matched below SRC only: a checkout may itself lie below a folder named gui.
  file(RELATIVE_PATH rel "${SRC}" "${f}")
  if("/${rel}" MATCHES "/gui/")
    continue()
  endif()
  file(STRINGS "${f}" hits REGEX "${pattern}")
  if(hits)
    list(APPEND bad "${f}: ${hits}")
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "${what}:\n${bad}")
endif()
