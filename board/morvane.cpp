// SPDX-License-Identifier: MIT
#include "board/morvane.h"

#include "board/BoardColours.h"
#include "draw/Draw.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <iterator>

morvane t;

std::time_t (*morvane::readClock)(std::time_t*) = std::time;

namespace {

struct Cell {
    int i;
    int j;
};

// The eight lines in the order they are tested: the three columns i, the anti-diagonal,
// the three rows j, the main diagonal.
constexpr Cell kLines[8][3] = {
    {{0, 0}, {0, 1}, {0, 2}}, {{1, 0}, {1, 1}, {1, 2}}, {{2, 0}, {2, 1}, {2, 2}},
    {{2, 0}, {1, 1}, {0, 2}}, {{0, 0}, {1, 0}, {2, 0}}, {{0, 1}, {1, 1}, {2, 1}},
    {{0, 2}, {1, 2}, {2, 2}}, {{0, 0}, {1, 1}, {2, 2}},
};

bool HasLineOf(const int (&cells)[3][3], int mark)
{
    return std::any_of(std::begin(kLines), std::end(kLines), [&](const auto& line) {
        return cells[line[0].i][line[0].j] == mark && cells[line[1].i][line[1].j] == mark &&
               cells[line[2].i][line[2].j] == mark;
    });
}

SDL_Surface* SpriteFor(int value, SDL_Surface* O, SDL_Surface* X, SDL_Surface* null)
{
    switch (value) {
    case morvane::kHuman:
        return O;
    case morvane::kComputer:
        return X;
    case morvane::kEmpty:
        return null;
    default:
        return nullptr;
    }
}

// The white frame lies in the sprite itself; each stroke stops one short of its end, so
// the bottom-right pixel stays as it was.
void FrameSprite(SDL_Surface* sprite)
{
    const int w = sprite->w;
    const int h = sprite->h;
    DrawLine(sprite, 0, 0, 0, h - 1, kBoardLine.r, kBoardLine.g, kBoardLine.b);
    DrawLine(sprite, 0, 0, w - 1, 0, kBoardLine.r, kBoardLine.g, kBoardLine.b);
    DrawLine(sprite, w - 1, 0, w - 1, h - 1, kBoardLine.r, kBoardLine.g, kBoardLine.b);
    DrawLine(sprite, 0, h - 1, w - 1, h - 1, kBoardLine.r, kBoardLine.g, kBoardLine.b);
}

bool FitsRectCorner(long long value)
{
    return value >= INT16_MIN && value <= INT16_MAX;
}

}  // namespace

morvane::morvane() noexcept
{
    reset();
}

void morvane::reset() noexcept
{
    for (auto& column : cells) {
        for (int& cell : column) {
            cell = kEmpty;
        }
    }
}

int morvane::setgame() const
{
    if (HasLineOf(cells, kHuman)) {
        return kHuman;
    }
    if (HasLineOf(cells, kComputer)) {
        return kComputer;
    }
    for (const auto& column : cells) {
        for (const int cell : column) {
            if (cell == kEmpty) {
                return kInProgress;
            }
        }
    }
    return kDraw;
}

void morvane::AI(bool& turn)
{
    // Reseeded on every call, finished board or not: two moves in one second draw alike.
    std::srand(static_cast<unsigned>(readClock(nullptr)));
    if (setgame() != kInProgress) {
        return;
    }
    int a = 0;
    int b = 0;
    do {
        a = std::rand() % 3;
        b = std::rand() % 3;
    } while (cells[a][b] != kEmpty);
    cells[a][b] = turn ? 1 : 0;
    turn = !turn;
}

void morvane::drawmap(SDL_Surface* screen, SDL_Surface* O, SDL_Surface* X, SDL_Surface* null,
                      int radius)
{
    const long long pitch = 2LL * radius;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            SDL_Surface* sprite = SpriteFor(cells[i][j], O, X, null);
            if (sprite == nullptr) {
                continue;
            }
            FrameSprite(sprite);
            // A corner beyond SDL_Rect's range is far off any screen: nothing to show.
            const long long x = pitch * i;
            const long long y = pitch * j;
            if (screen == nullptr || !FitsRectCorner(x) || !FitsRectCorner(y)) {
                continue;
            }
            SDL_Rect corner = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
            SDL_BlitSurface(sprite, nullptr, screen, &corner);
        }
    }
}
