// Every recorded win in the families' tables (tests/games/wins/*.tsv: one
// line per game, "GAME<TAB>DEAL<TAB>MOVES", '#' starts a comment) replays to
// "won" on the embedded database; each row is a test of its own.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace velmora {
namespace {

struct WinRow {
    std::string file;
    int line = 0;
    std::string game;
    GameNumber deal = 0;
    std::string moves;
    std::string fault;  // why the line is not a row, if it is not
};

WinRow parseRow(const std::string& file, int lineNumber, const std::string& line)
{
    WinRow row;
    row.file = file;
    row.line = lineNumber;
    const auto tab1 = line.find('\t');
    const auto tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string::npos || line.find('\t', tab2 + 1) != std::string::npos) {
        row.fault = "expected GAME, DEAL and MOVES separated by tabs";
        return row;
    }
    row.game = line.substr(0, tab1);
    row.moves = line.substr(tab2 + 1);
    const std::string deal = line.substr(tab1 + 1, tab2 - tab1 - 1);
    if (deal.empty() || !std::all_of(deal.begin(), deal.end(), [](unsigned char c) { return std::isdigit(c); }) ||
        deal.size() > 9 || std::stoul(deal) == 0)
        row.fault = "DEAL must be a game number";
    else
        row.deal = static_cast<GameNumber>(std::stoul(deal));
    if (row.game.empty() || row.moves.empty())
        row.fault = "GAME and MOVES must not be empty";
    return row;
}

std::vector<WinRow> readTables()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(VELMORA_WINS_DIR))
        if (entry.path().extension() == ".tsv")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<WinRow> rows;
    for (const auto& path : files) {
        std::ifstream in(path);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.empty() || line.front() == '#')
                continue;
            rows.push_back(parseRow(path.filename().string(), number, line));
        }
    }
    return rows;
}

const std::vector<WinRow>& tableRows()
{
    static const std::vector<WinRow> rows = readTables();
    return rows;
}

TEST(RecordedWinTables, EveryLineIsARowAndNoGameIsTwice)
{
    ASSERT_FALSE(tableRows().empty());
    std::set<std::string> games;
    for (const WinRow& row : tableRows()) {
        EXPECT_TRUE(row.fault.empty()) << row.file << ':' << row.line << ": " << row.fault;
        EXPECT_TRUE(games.insert(row.game).second) << row.file << ':' << row.line << ": " << row.game << " twice";
    }
}

// Names the row in test output instead of dumping its bytes.
void PrintTo(const WinRow& row, std::ostream* out) { *out << row.game << " deal " << row.deal; }

class RecordedWin : public ::testing::TestWithParam<WinRow> {};

TEST_P(RecordedWin, ReplaysToWon)
{
    const WinRow& row = GetParam();
    ASSERT_TRUE(row.fault.empty()) << row.file << ':' << row.line << ": " << row.fault;
    SCOPED_TRACE(row.file + ':' + std::to_string(row.line));
    testing::expectRecordedWin(row.game, row.deal, row.moves);
}

std::string testName(const ::testing::TestParamInfo<WinRow>& info)
{
    std::string name;
    for (unsigned char c : info.param.game)
        if (std::isalnum(c))
            name += static_cast<char>(c);
    return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Tables, RecordedWin, ::testing::ValuesIn(tableRows()), testName);

}  // namespace
}  // namespace velmora
