// SPDX-License-Identifier: MIT
#include "tests/e2e/GamePlayer.h"

#include "engine/Window.h"
#include "states/CellSize.h"
#include "tests/e2e/BoardOnScreen.h"
#include "tests/e2e/MovePlanner.h"
#include "tests/e2e/support/WaitUntil.h"

#include <X11/keysym.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace e2e {
namespace {

// Right of the cells and above the cursor's first place, in the screen's top row area.
constexpr int kProbeX = 300;
constexpr int kProbeY = 10;
// Above the park, farther from it than the circle cursor is tall: the cursor at one does
// not cover the other, and at either it covers no cell and stays within the grey area.
constexpr int kLookoutY = GamePlayer::kParkY - 100;
// The cursor's footprint and more: nothing of it may show there once the game is over
// without its picture.
constexpr int kEndAreaWidth = 120;
constexpr int kEndAreaHeight = 90;
// The board screen's colours as read back from the window, as the player knows them (not
// taken from the game's own constants, which a wrong value would change alike).
constexpr uint32_t kBoardGrey = 0x808080;
constexpr uint32_t kBoardBlack = 0x000000;  // the cleared screen, the circle's inside

// What the board screen shows at (x, y) with every cell empty, away from the grid lines
// and the cell frames: the last cell sprite drawn over the point, else the grey area
// 9r x 6r, else black, where r is half the cell picture's smaller side.
uint32_t EmptyBoardPixel(const RgbImage& cell, int x, int y)
{
    const int r = std::min(cell.width, cell.height) / 2;
    std::optional<uint32_t> sprite;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const int left = 2 * r * i;
            const int top = 2 * r * j;
            if (x >= left && x < left + cell.width && y >= top && y < top + cell.height) {
                sprite = cell.At(x - left, y - top);
            }
        }
    }
    if (sprite) {
        return *sprite;
    }
    return x < 9 * r && y < 6 * r ? kBoardGrey : kBoardBlack;
}

const char* OutcomeFile(Outcome outcome)
{
    return outcome == Outcome::HumanWins ? "win1.bmp"
           : outcome == Outcome::Draw    ? "DRAW.bmp"
                                         : "win2.bmp";
}

std::vector<std::string> ClickLinesIn(const std::string& output)
{
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("click : ", 0) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace

ExpectedPictures ExpectedPictures::AllFrom(const std::string& folder)
{
    ExpectedPictures pictures;
    for (const std::string& file : kPictureFiles) {
        RgbImage picture = LoadBmpPicture(folder + "/" + file);
        if (file == "NULL.bmp") {
            pictures.emptyCell = std::move(picture);
        } else {
            pictures.byFile[file] = std::move(picture);
        }
    }
    return pictures;
}

bool GamePlayer::BoardIsReadable() const
{
    const RgbImage& cell = m_pictures.emptyCell;
    return cell.width >= kCellSize && cell.height >= kCellSize &&
           std::min(cell.width, cell.height) / 2 == kCellSize / 2;
}

testing::AssertionResult GamePlayer::AwaitScreenNamed(const std::string& file)
{
    if (const std::optional<RgbImage>& picture = m_pictures.Of(file)) {
        return AwaitPicture(*picture) << " (" << file << ")";
    }
    // Without its picture the screen draws nothing new; it says so once it starts. The
    // start-up, to the window, has the window's own limit, as before a picture.
    AwaitWindow();
    return AwaitStderrText(file);
}

testing::AssertionResult GamePlayer::OpenTheBoard()
{
    if (testing::AssertionResult intro = AwaitScreenNamed("intro.bmp"); !intro) {
        return intro << " at the start";
    }
    if (!m_pictures.Of("intro.bmp")) {
        // The first frame: the screen was blackened and the missing picture not drawn.
        if (testing::AssertionResult black = AwaitPicture(RgbImage(kWindowWidth, kWindowHeight));
            !black) {
            return black << " (the intro without its picture)";
        }
    }
    AwaitWindow().PressKey(XK_space);
    return FromTheMenu(" after Space on the intro");
}

testing::AssertionResult GamePlayer::FromTheMenu(const char* how)
{
    if (testing::AssertionResult menu = AwaitScreenNamed("menu.bmp"); !menu) {
        return menu << how;
    }
    AwaitWindow().PressKey(XK_space);
    if (testing::AssertionResult board = AwaitTheBoardScreen(); !board) {
        return board;
    }
    return BoardIsReadable() ? AwaitEmptyBoard() << " (a new game from the menu)"
                             : testing::AssertionSuccess();
}

testing::AssertionResult GamePlayer::AwaitTheBoardScreen()
{
    const uint32_t expected = EmptyBoardPixel(m_pictures.emptyCell, kProbeX, kProbeY);
    const std::optional<RgbImage>& menu = m_pictures.Of("menu.bmp");
    if (menu && menu->At(kProbeX, kProbeY) == expected) {
        return testing::AssertionFailure() << "the menu and the board cannot be told apart at ("
                                           << kProbeX << "," << kProbeY << ")";
    }
    return AwaitScreen([&](const RgbImage& screen) {
        return screen.At(kProbeX, kProbeY) == expected
                   ? testing::AssertionSuccess()
                   : testing::AssertionFailure()
                         << "pixel (" << kProbeX << "," << kProbeY << ") is "
                         << RgbText(screen.At(kProbeX, kProbeY)) << ", wanted " << RgbText(expected)
                         << " (waiting for the board)";
    });
}

testing::AssertionResult GamePlayer::AwaitEmptyBoard()
{
    Board empty;
    int nudges = 0;
    // The cursor must be seen at the lookout, away from the park: only then has the board
    // taken the pointer. A motion that came before the board was up went to the menu, and
    // a frame left from before the controls page (which draws nothing without its picture)
    // already shows the cursor at the park. Until the board is up, its warp of the pointer
    // may still come, between a later move to a cell and the click there, and the click
    // would land where the warp put the pointer.
    testing::AssertionResult shown = AwaitScreen([&](const RgbImage& screen) {
        const std::optional<Board> board = ReadBoard(screen, m_pictures.emptyCell);
        if (nudges > 0 && board == empty && screen.At(kParkX, kLookoutY) == kBoardBlack &&
            screen.At(kParkX, kParkY) == kBoardGrey) {
            return testing::AssertionSuccess();
        }
        AwaitWindow().MoveTo(kParkX + ++nudges % 2, kLookoutY);
        return testing::AssertionFailure()
               << "wanted nine empty cells and the circle cursor at the mouse, above the park; "
                  "the cells show "
               << DescribeCells(screen, m_pictures.emptyCell) << ", the mouse's pixel "
               << RgbText(screen.At(kParkX, kLookoutY)) << ", the park's "
               << RgbText(screen.At(kParkX, kParkY));
    });
    AwaitWindow().MoveTo(kParkX, kParkY);
    m_board = empty;
    return shown;
}

void GamePlayer::ClickCell(Cell cell)
{
    const int x = kCellSize * cell.i + kCellSize / 2;
    const int y = kCellSize * cell.j + kCellSize / 2;
    AwaitWindow().MoveTo(x, y);
    ClickInPlace(x, y);
}

void GamePlayer::ClickInPlace(int x, int y)
{
    AwaitWindow().Click();
    m_clickLines.push_back("click : " + std::to_string(x) + ", " + std::to_string(y) + ", 1");
}

testing::AssertionResult GamePlayer::ShowsEndAtPark(const RgbImage& screen, Outcome outcome) const
{
    if (const std::optional<RgbImage>& picture = m_pictures.Of(OutcomeFile(outcome))) {
        return ShowsPictureAt(screen, *picture, kParkX - picture->width / 2,
                              kParkY - picture->height / 2)
               << " (the picture of " << OutcomeName(outcome) << " at the mouse)";
    }
    return ShowsPictureAt(screen, RgbImage(kEndAreaWidth, kEndAreaHeight, kBoardGrey),
                          kParkX - kEndAreaWidth / 2, kParkY - kEndAreaHeight / 2)
           << " (nothing but the grey area at the mouse after " << OutcomeName(outcome)
           << ", which has no picture)";
}

testing::AssertionResult GamePlayer::ShowsBoard(const RgbImage& screen, const Board& board) const
{
    const std::optional<Board> seen = ReadBoard(screen, m_pictures.emptyCell);
    if (seen != board) {
        return testing::AssertionFailure()
               << "the cells show " << DescribeCells(screen, m_pictures.emptyCell) << ", wanted "
               << board.Text();
    }
    if (board.Result() == Outcome::InProgress) {
        if (screen.At(kParkX, kParkY) != kBoardBlack) {
            return testing::AssertionFailure()
                   << "the board is " << board.Text() << " but the mouse's pixel is "
                   << RgbText(screen.At(kParkX, kParkY))
                   << ", not the circle cursor's black middle";
        }
        return testing::AssertionSuccess();
    }
    return ShowsEndAtPark(screen, board.Result()) << " on the board " << board.Text();
}

testing::AssertionResult GamePlayer::AwaitCurrentBoard()
{
    return AwaitScreen([&](const RgbImage& screen) { return ShowsBoard(screen, m_board); });
}

testing::AssertionResult GamePlayer::PlayMove(Cell cell)
{
    Board afterClick = m_board;
    afterClick.Set(cell, Mark::Circle);
    const bool clickEnds = afterClick.Result() != Outcome::InProgress;
    // With the clock fixed, the one answer the replayed computer gives.
    std::optional<Board> replayed;
    if (m_fixedClock && !clickEnds) {
        replayed = afterClick;
        replayed->Set(ReplayedAnswer(afterClick, *m_fixedClock, m_libc), Mark::Cross);
    }

    ClickCell(cell);
    // The motion is also the event after the click that shows a computer's win.
    AwaitWindow().MoveTo(kParkX, kParkY);

    std::optional<Board> answered;
    testing::AssertionResult shown = AwaitScreen([&](const RgbImage& screen) {
        const std::optional<Board> seen = ReadBoard(screen, m_pictures.emptyCell);
        // The computer's answer: the clicked board with one cross more, in a cell that was free.
        answered.reset();
        for (Cell free : afterClick.CellsWith(Mark::Empty)) {
            Board withAnswer = afterClick;
            withAnswer.Set(free, Mark::Cross);
            if (!clickEnds && seen == withAnswer) {
                answered = withAnswer;
            }
        }
        if (!clickEnds && !answered) {
            return testing::AssertionFailure()
                   << "the cells show " << DescribeCells(screen, m_pictures.emptyCell)
                   << ", wanted " << afterClick.Text()
                   << " and the computer's cross in one free cell";
        }
        if (replayed && answered != replayed) {
            return testing::AssertionFailure() << "the computer answered " << answered->Text()
                                               << ", replayed " << replayed->Text();
        }
        return ShowsBoard(screen, clickEnds ? afterClick : *answered);
    });
    if (!shown) {
        return shown << "; after the click on cell (" << cell.i << "," << cell.j << ") of "
                     << m_board.Text();
    }
    m_board = clickEnds ? afterClick : *answered;
    return shown;
}

GameLaunch GamePlayer::WithClockFor(Outcome goal, GameLaunch launch)
{
    // The Windows program runs in Wine's loader, which the clock is preloaded into: Wine
    // answers the program's time from the host's realtime clock. Its rand is msvcrt's.
    m_libc = launch.IsWindowsProgram() ? GameLibc::Msvcrt : GameLibc::Glibc;
    if (launch.IsWebPage()) {
        // The page's launcher stands the page's clock still at the second; its rand is
        // Emscripten's C library's, musl's.
        m_libc = GameLibc::Musl;
        m_fixedClock = ClockForSureGame(goal, m_libc);
        launch.environment.Set("NOUGHTS_FIXED_CLOCK", std::to_string(*m_fixedClock));
        return launch;
    }
    m_fixedClock = ClockForSureGame(goal, m_libc);
    // A sanitized game wants its runtime first among the loaded libraries.
    launch.environment.Set("LD_PRELOAD", NOUGHTS_E2E_FIXED_CLOCK)
        .Set("NOUGHTS_FIXED_CLOCK", std::to_string(*m_fixedClock))
        .Append("ASAN_OPTIONS", "verify_asan_link_order=0");
    return launch;
}

testing::AssertionResult GamePlayer::PlayGame(Outcome goal,
                                              const std::function<void(int)>& afterMove)
{
    if (!m_fixedClock) {
        return testing::AssertionFailure() << "no game is planned without a fixed clock";
    }
    for (int moves = 1; m_board.Result() == Outcome::InProgress; ++moves) {
        const std::optional<Cell> sure = SureMove(m_board, goal, *m_fixedClock, m_libc);
        if (!sure) {
            return testing::AssertionFailure()
                   << "no move on " << m_board.Text() << " surely ends in " << OutcomeName(goal);
        }
        if (testing::AssertionResult move = PlayMove(*sure); !move) {
            return move;
        }
        if (afterMove) {
            afterMove(moves);
        }
    }
    if (m_board.Result() != goal) {
        return testing::AssertionFailure()
               << "the game ended in " << OutcomeName(m_board.Result()) << " " << m_board.Text()
               << ", planned " << OutcomeName(goal);
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult GamePlayer::StartNewGame()
{
    AwaitWindow().PressKey(XK_Escape);
    return FromTheMenu(" after Escape on the board");
}

testing::AssertionResult GamePlayer::PrintedEveryClickInOrder()
{
    return Eventually(
        [&] {
            const std::vector<std::string> printed = ClickLinesIn(Game().Stdout());
            return printed == m_clickLines
                       ? testing::AssertionSuccess()
                       : testing::AssertionFailure()
                             << "standard output's click lines: " << testing::PrintToString(printed)
                             << "\nwanted: " << testing::PrintToString(m_clickLines);
        },
        ScreenTimeout());
}

void GamePlayer::EscapeToTheEnd()
{
    for (int i = 0; i < 3; ++i) {
        AwaitWindow().PressKey(XK_Escape);
    }
}

}  // namespace e2e
