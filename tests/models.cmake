# Each family's rules model played against velmora-cli: random play-outs and
# the recorded wins, position by position. The sanitizer build plays fewer.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
foreach(family klondike yukon)
  add_test(NAME models.${family}
           COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/models/${family}_test.py
                   $<TARGET_FILE:velmora-cli> ${CMAKE_CURRENT_SOURCE_DIR}/games/wins)
  set_tests_properties(models.${family} PROPERTIES TIMEOUT 300)
  if(VELMORA_SANITIZE)
    set_tests_properties(models.${family} PROPERTIES ENVIRONMENT "VELMORA_MODEL_PLAYOUTS=1;VELMORA_MODEL_STEPS=30")
  endif()
endforeach()
