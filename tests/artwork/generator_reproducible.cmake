# Runs velmora-artgen twice per configuration into fresh files and fails
# unless both runs wrote the same bytes.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(configuration standard vga)
  foreach(run 1 2)
    execute_process(COMMAND ${GENERATOR} ${configuration} ${GRIDS} ${WORK}/${configuration}_${run}.cpp
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "velmora-artgen ${configuration} failed: ${status}")
    endif()
  endforeach()
  file(SHA256 ${WORK}/${configuration}_1.cpp first)
  file(SHA256 ${WORK}/${configuration}_2.cpp second)
  if(NOT first STREQUAL second)
    message(FATAL_ERROR "velmora-artgen ${configuration} wrote different output on a second run")
  endif()
endforeach()
