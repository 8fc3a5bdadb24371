// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/BoardModel.h"
#include "tests/e2e/ReplayedRand.h"
#include "tests/e2e/support/RealWindowTest.h"
#include "tests/e2e/support/RgbImage.h"

#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Plays the game in its real window: walks to the board with Space, clicks cells, learns
// the computer's answers from the screen and plays on to an outcome, checking each frame
// it waits for against the picture files. With the game's clock fixed, it plans one game
// to a chosen outcome and expects each answer exactly where the replayed computer puts
// it. Owns what it expects to see, the board as last read, and the click lines it has
// caused, in order. Used by the tests and by tools/screenshot.sh.
namespace e2e {

// The game's seven pictures, which it reads from its working directory.
inline const std::vector<std::string> kPictureFiles = {
    "intro.bmp", "menu.bmp", "item.bmp", "NULL.bmp", "win1.bmp", "win2.bmp", "DRAW.bmp"};

// What the screens should show, from the picture files as SDL's loader reads them; no
// picture where the game cannot have one.
struct ExpectedPictures {
    std::map<std::string, std::optional<RgbImage>> byFile;  // all but "NULL.bmp"
    RgbImage emptyCell;  // "NULL.bmp", or the blank black cell that stands in for it

    // All seven pictures of the folder; throws std::runtime_error if one cannot be read.
    static ExpectedPictures AllFrom(const std::string& folder);
    const std::optional<RgbImage>& Of(const std::string& file) const { return byFile.at(file); }
};

class GamePlayer : public RealWindow {
public:
    // Where the mouse waits between clicks: over the grey area right of the board, where
    // the cursor and the outcome pictures (up to 120 x 90) show whole and cover no cell.
    static constexpr int kParkX = 338;
    static constexpr int kParkY = 200;

    void Expect(ExpectedPictures pictures) { m_pictures = std::move(pictures); }

    // launch with the preloaded clock at a second where one planned game surely ends in
    // goal; PlayGame then plays that game.
    GameLaunch WithClockFor(Outcome goal, GameLaunch launch);

    // Whether the cells line up with the 90-pixel clicks, so that the board can be read.
    bool BoardIsReadable() const;

    // From the start of the game: the intro, Space, the menu, Space, the board.
    testing::AssertionResult OpenTheBoard();
    // Waits until the play screen has come up (by a pixel off the cells).
    testing::AssertionResult AwaitTheBoardScreen();
    // Parks the mouse and waits for nine empty cells with the circle cursor at the mouse.
    testing::AssertionResult AwaitEmptyBoard();

    // Clicks the middle of the cell, parks the mouse, and waits until the board shows the
    // circle there and the computer's answer (unless the click ended the game), and the
    // cursor or the outcome picture at the mouse. CurrentBoard() then holds what was read.
    testing::AssertionResult PlayMove(Cell cell);
    // Plays the current game to its end with the moves planned for the fixed clock
    // (WithClockFor); fails unless it ends in goal.
    testing::AssertionResult PlayGame(Outcome goal,
                                      const std::function<void(int)>& afterMove = nullptr);
    // Escape (the menu), then Space; waits for the empty board.
    testing::AssertionResult StartNewGame();

    // Clicks the middle of the cell and notes the click line the game must print.
    void ClickCell(Cell cell);
    // Clicks where the pointer is, which the game must print as (x, y).
    void ClickInPlace(int x, int y);

    // The outcome picture (or, without one, nothing but the grey area) at the mouse.
    testing::AssertionResult ShowsEndAtPark(const RgbImage& screen, Outcome outcome) const;
    // Waits until the screen shows CurrentBoard(), with the cursor or the outcome's picture
    // at the mouse.
    testing::AssertionResult AwaitCurrentBoard();

    // The click lines on standard output, all those noted and in their order.
    testing::AssertionResult PrintedEveryClickInOrder();
    // Escape three times: board, menu, intro, out.
    void EscapeToTheEnd();

    const Board& CurrentBoard() const { return m_board; }

    // A picture screen: the picture of file shown, or without one, the message naming it.
    testing::AssertionResult AwaitScreenNamed(const std::string& file);

private:
    // The board as read, and the outcome, on screen.
    testing::AssertionResult ShowsBoard(const RgbImage& screen, const Board& board) const;
    // On the menu: Space, then the board (empty, if it can be read). how says how the
    // menu was reached, for the failure message.
    testing::AssertionResult FromTheMenu(const char* how);

    ExpectedPictures m_pictures;
    Board m_board;
    std::vector<std::string> m_clickLines;
    std::optional<std::time_t> m_fixedClock;
    GameLibc m_libc = GameLibc::Glibc;
};

// A test that plays the game in a real window of its own.
class PlayScreenTest : public RealWindowTestOf<GamePlayer> {};

}  // namespace e2e
