# Each family's rules model played against velmora-cli: random play-outs and
# the recorded wins, position by position. A large family runs as several
# shares side by side; the sanitizer build plays fewer steps.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
foreach(family_shares klondike:4 yukon:1)
  string(REPLACE ":" ";" parts ${family_shares})
  list(GET parts 0 family)
  list(GET parts 1 shares)
  foreach(share RANGE 1 ${shares})
    set(name models.${family})
    set(environment "")
    if(shares GREATER 1)
      set(name models.${family}.${share})
      set(environment "VELMORA_MODEL_SHARD=${share}/${shares}")
    endif()
    if(VELMORA_SANITIZE)
      list(APPEND environment "VELMORA_MODEL_PLAYOUTS=1" "VELMORA_MODEL_STEPS=30")
    endif()
    add_test(NAME ${name}
             COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/models/${family}_test.py
                     $<TARGET_FILE:velmora-cli> ${CMAKE_CURRENT_SOURCE_DIR}/games/wins)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
    if(environment)
      set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
    endif()
  endforeach()
endforeach()
