# Fails when a file of the simulation (src/sim/) includes a header of a
# folder above it: the program frame, the panel, the setup windows, the
# recording, the sound or the burn house. Those build on the simulation,
# never the other way.
file(GLOB_RECURSE files "${SRC}/sim/*.h" "${SRC}/sim/*.cpp")
set(bad "")
foreach(f ${files})
  file(STRINGS "${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](frame|panel|setup|records|sound|burn|cli)/")
  if(hits)
    list(APPEND bad "${f}: ${hits}")
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "The simulation includes headers of the folders above it:\n${bad}")
endif()
