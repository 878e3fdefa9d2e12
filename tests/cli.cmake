# velmora-cli driven as a user would: each command's output and exit status.
function(velmora_cli_test name)
  cmake_parse_arguments(T "WILL_FAIL" "EXPECT" "ARGS" ${ARGN})
  add_test(NAME cli.${name} COMMAND velmora-cli ${T_ARGS})
  if(T_EXPECT)
    set_tests_properties(cli.${name} PROPERTIES PASS_REGULAR_EXPRESSION "${T_EXPECT}")
  endif()
  if(T_WILL_FAIL)
    set_tests_properties(cli.${name} PROPERTIES WILL_FAIL TRUE)
  endif()
endfunction()

velmora_cli_test(list ARGS list EXPECT "@212\tKlondike\tKlondike\tskill 1\t3-5m")
velmora_cli_test(list_json ARGS list --json EXPECT "\"id\":176,\"name\":\"FreeCell\",\"category\":\"FreeCell\"")
velmora_cli_test(rules ARGS rules klondike EXPECT "<b>Object</b>")
velmora_cli_test(show_by_id ARGS show @212 1 EXPECT "Klondike \\(#[0-9]+, id 212\\), game 1: playing\npile 0: ##\\[24\\] ##\\[49\\] ##\\[12\\]")
velmora_cli_test(show_json ARGS show Klondike 1 --json EXPECT "\"status\":\"playing\",\"piles\":\\[\\{\"pile\":0,")
velmora_cli_test(moves_json ARGS moves Klondike 1 --json EXPECT "^\\{\"moves\":\\[\\{\"tap\":0\\},\\{\"card\":31,\"from\":7,\"to\":5\\},\\{\"card\":48,\"from\":1,\"to\":3\\}\\]\\}")
# Move lists hold semicolons, which CMake would split into list elements:
# these tests pass them as bracket arguments straight to add_test.
add_test(NAME cli.play_and_undo COMMAND velmora-cli play Klondike 1 --play [[t 0; m 31 5; u]])
set_tests_properties(cli.play_and_undo PROPERTIES PASS_REGULAR_EXPRESSION
  "pile 7: ##\\[50\\] ##\\[35\\] ##\\[2\\] ##\\[26\\] ##\\[38\\] 6D\\[31\\]\npile 8")
# Undoing the step that won takes the win back.
add_test(NAME cli.undo_of_the_win COMMAND velmora-cli show "Block Ten" 9 --play [[m 43 0;m 32 5;m 27 3;m 39 3;m 46 2;m 44 3;m 23 4;m 21 8;m 5 3;m 17 3;m 50 2;m 31 6;m 38 2;m 20 2;m 45 7;m 51 0;m 37 1;m 28 7;m 26 1;m 47 6;m 49 7;m 42 3;m 41 3;m 33 7; u]])
set_tests_properties(cli.undo_of_the_win PROPERTIES PASS_REGULAR_EXPRESSION "game 9: playing\n")
add_test(NAME cli.play_refused COMMAND velmora-cli play Klondike 1 --play [[t 0; m 1 2]])
set_tests_properties(cli.play_refused PROPERTIES WILL_FAIL TRUE)
add_test(NAME cli.play_refused_names_step COMMAND velmora-cli play Klondike 1 --play [[t 0; m 1 2]])
set_tests_properties(cli.play_refused_names_step PROPERTIES PASS_REGULAR_EXPRESSION "step 2 \\(m 1 2\\) is not allowed")
velmora_cli_test(play_needs_moves ARGS play Klondike 1 WILL_FAIL)
velmora_cli_test(bad_moves ARGS play Klondike 1 --play "x 3" EXPECT "step 1")
velmora_cli_test(unknown_game ARGS show "No Such Game" 1 EXPECT "no game named")
velmora_cli_test(unknown_game_fails ARGS rules "No Such Game" WILL_FAIL)
velmora_cli_test(unknown_command ARGS frobnicate WILL_FAIL)
velmora_cli_test(bad_number ARGS show Klondike zero WILL_FAIL)
velmora_cli_test(solve_klondike ARGS solve Klondike 1 EXPECT "^(t|m) [0-9]")
velmora_cli_test(solve_beam ARGS solve Klondike 2 --beam 20 --budget 2500 EXPECT "^(t|m) [0-9]")
velmora_cli_test(solve_beam_needs_width ARGS solve Klondike 2 --beam wide WILL_FAIL)
velmora_cli_test(check_beam ARGS check Klondike --deals 4 --beam 20 --budget 2500 EXPECT "ok    Klondike \\(won game 2\\)")

# Every game: record, deals, random play-outs and a short solver search. Too
# slow under the sanitizers, where the game tests replay the recorded wins.
if(NOT VELMORA_SANITIZE)
  add_test(NAME cli.check_quick COMMAND velmora-cli check --quick --deals 2)
  # A game with settings of its own is checked with them (a budget of
  # 200,000 states), and an explicit budget replaces them.
  velmora_cli_test(check_own_settings ARGS check Accordion --deals 1 EXPECT "ok    Accordion \\(won game 1\\)")
  velmora_cli_test(check_budget_replaces_settings ARGS check Accordion --deals 1 --budget 2000 WILL_FAIL)
  # A game whose first deals are all blocked looks further, as its settings say.
  velmora_cli_test(check_later_deals ARGS check "American Canister" EXPECT "ok    American Canister \\(won game 28\\)")
  # One whose early deals were searched at length starts where its settings say.
  velmora_cli_test(check_first_win_deal ARGS check "Double Russian Spider"
                   EXPECT "ok    Double Russian Spider \\(won game 192\\)")
  set_tests_properties(cli.check_quick PROPERTIES TIMEOUT 900 COST 1000)
endif()
# A session answers the deal and every line: a step taken, a step refused, a
# line that is no step, and an undo.
add_test(NAME cli.session COMMAND sh -c "printf 't 0\\nm 1 2\\nbogus\\nu\\n' | \"$<TARGET_FILE:velmora-cli>\" session Klondike 1")
set_tests_properties(cli.session PROPERTIES PASS_REGULAR_EXPRESSION
  "^{\"ok\":true,[^\n]*\n{\"ok\":true,[^\n]*\n{\"ok\":false,\"status\"[^\n]*\n{\"ok\":false,\"error\":\"step 1 [^\n]*\n{\"ok\":true,\"status\":\"playing\"[^\n]*\"moves\":\\[{\"tap\":0},{\"card\":31,\"from\":7,\"to\":5},{\"card\":48,\"from\":1,\"to\":3}\\]}\n$")
