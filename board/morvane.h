// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <ctime>

// The 3x3 board of noughts and crosses: its cells, its outcome and the computer's move.
// There is one board, the global t, written by the play screen (the human's moves and
// the reset) and by AI (the computer's moves).
class morvane {
public:
    static constexpr int kEmpty = -1;
    static constexpr int kHuman = 1;     // moves first, drawn as a circle
    static constexpr int kComputer = 0;  // drawn as a cross

    // Outcomes of setgame besides kHuman and kComputer (the side that has a line).
    static constexpr int kInProgress = -1;
    static constexpr int kDraw = 2;

    // cells[i][j]: i is the column on screen, j the row. Only -1, 0 and 1 are stored.
    int cells[3][3] = {};

    morvane() noexcept;

    // Empties all nine cells.
    void reset() noexcept;

    // 1 if some line holds three 1s, else 0 if some line holds three 0s,
    // else -1 while a cell is empty, else 2 (a draw).
    [[nodiscard]] int setgame() const;

    // The computer's move: while the game is in progress, stores turn (as 1 or 0) in a
    // random empty cell and inverts turn. Reseeds the generator with readClock on every call.
    void AI(bool& turn);

    // The clock AI reseeds from: std::time in the game. Tests set a fixed one to replay
    // the computer's choices.
    static std::time_t (*readClock)(std::time_t*);

    // Draws the nine cells onto screen, the cell (i, j) at (2*radius*i, 2*radius*j),
    // as O (1), X (0) or null (-1), after painting a white frame into that sprite.
    void drawmap(SDL_Surface* screen, SDL_Surface* O, SDL_Surface* X, SDL_Surface* null,
                 int radius);
};

extern morvane t;
