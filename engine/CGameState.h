// SPDX-License-Identifier: MIT
#pragma once

class CGameEngine;

// One screen of the game. Only the screen on top of the engine's stack receives
// events, updates and draws; the engine calls the life-cycle operations as screens
// are pushed and popped (see CGameEngine).
//
// Every concrete screen exists once, as a static instance of its own class that
// lives for the whole process: the engine's stack only points at it. Init and
// Cleanup bracket the time the screen holds resources, and the same screen may be
// pushed, popped and pushed again.
class CGameState {
public:
    // Called each time the screen is pushed: load what it needs.
    virtual void Init() = 0;
    // Called when the screen is popped or the engine shuts down: release what Init loaded.
    virtual void Cleanup() = 0;
    // Called when another screen is pushed on top of this one.
    virtual void Pause() = 0;
    // Called when the screen above is popped and this one is the top again.
    virtual void Resume() = 0;

    // One frame: read at most one input event, advance, then render and present.
    virtual void HandleEvents(CGameEngine* game) = 0;
    virtual void Update(CGameEngine* game) = 0;
    virtual void Draw(CGameEngine* game) = 0;

protected:
    // Screens are static objects, never deleted through this interface.
    CGameState() = default;
    ~CGameState() = default;

public:
    // One instance of each screen: never copied.
    CGameState(const CGameState&) = delete;
    CGameState& operator=(const CGameState&) = delete;
};
