// The commands of velmora-cli. Each returns the program's exit status.
#pragma once

#include "cli_args.h"

namespace velmora::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;   // unknown game, damaged record, failed check
inline constexpr int kExitRefused = 2;   // play: a step was refused
inline constexpr int kExitUsage = 64;

int listGames(const Args& args);
int showRules(const Args& args);
int showDeal(const Args& args, bool playRequired);  // show, and play (which needs --play)
int listMoves(const Args& args);
int solveDeal(const Args& args);
int checkGames(const Args& args);
int playSession(const Args& args);  // session: steps from stdin, positions to stdout

}  // namespace velmora::cli
