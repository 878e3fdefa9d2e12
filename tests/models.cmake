# Each family's rules model played against velmora-cli: random play-outs and
# the recorded wins, position by position. A large family runs as several
# shares side by side. The sanitized build runs only the first quarter of each
# family, with fewer steps: it looks for memory faults in the CLI over a part
# of the games, while the normal build checks every game's rules.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
foreach(family_shares klondike:4 yukon:2 forty_thieves:2 gypsy:1)
  string(REPLACE ":" ";" parts ${family_shares})
  list(GET parts 0 family)
  list(GET parts 1 shares)
  set(shares_run ${shares})
  if(VELMORA_SANITIZE)
    set(shares_run 1)
    set(shares 4)
  endif()
  foreach(share RANGE 1 ${shares_run})
    set(name models.${family}.${share})
    set(environment "VELMORA_MODEL_SHARD=${share}/${shares}")
    if(VELMORA_SANITIZE)
      list(APPEND environment "VELMORA_MODEL_PLAYOUTS=1" "VELMORA_MODEL_STEPS=30")
    endif()
    add_test(NAME ${name}
             COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/models/${family}_test.py
                     $<TARGET_FILE:velmora-cli> ${CMAKE_CURRENT_SOURCE_DIR}/games/wins)
    # The longest tests start first, so that none is left running alone.
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 COST 1000 ENVIRONMENT "${environment}")
  endforeach()
endforeach()
# The model's settings on small hand-made positions, without the program.
add_test(NAME models.settings
         COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/models/model_settings_test.py)
