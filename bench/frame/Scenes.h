// SPDX-License-Identifier: MIT
#pragma once

#include "engine/CGameEngine.h"

// The screens whose frame the benchmark times, and how the real game is brought to each:
// the engine started under whatever video driver is chosen, the screens pushed as the game
// would push them, the board filled, and the queue emptied so that the next frame is an
// idle one (no event pending), the state a player sees when looking at the screen.
enum class Scene { Intro, Menu, Item, PlayEmpty, PlayHalf, PlayFinished };

constexpr Scene kScenes[] = {Scene::Intro,     Scene::Menu,     Scene::Item,
                             Scene::PlayEmpty, Scene::PlayHalf, Scene::PlayFinished};

const char* SceneName(Scene scene);
bool IsPlayScene(Scene scene);

// The game's own window: 480 x 272 at 32 bits, not fullscreen.
void StartEngine(CGameEngine& engine);

// Pushes the screens that lead to scene onto a started engine, fills the board for the
// play scenes (empty; two marks each; a drawn full board) and runs frames until the queue
// is empty and every sprite the scene shows has been drawn once.
void EnterScene(CGameEngine& engine, Scene scene);
