// SPDX-License-Identifier: MIT
#pragma once

#include "engine/CGameState.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

using Log = std::vector<std::string>;

// A screen that writes every call it receives into a shared log as "name.Operation",
// and can be told what to do to the engine while it handles events.
class RecordingState : public CGameState {
public:
    RecordingState(std::string name, Log& log) : m_name(std::move(name)), m_log(log) {}

    void Init() override { Record("Init"); }
    void Cleanup() override { Record("Cleanup"); }
    void Pause() override { Record("Pause"); }
    void Resume() override { Record("Resume"); }
    void HandleEvents(CGameEngine* game) override
    {
        Record("HandleEvents");
        if (auto action = std::exchange(onNextEvents, nullptr))
            action(game);
    }
    void Update(CGameEngine*) override { Record("Update"); }
    void Draw(CGameEngine*) override { Record("Draw"); }

    // Run once, on the next HandleEvents.
    std::function<void(CGameEngine*)> onNextEvents;

private:
    void Record(const char* operation) { m_log.push_back(m_name + "." + operation); }

    std::string m_name;
    Log& m_log;
};

// Three recording screens, A, B and C, and the log they share.
struct RecordingStates {
    Log log;
    RecordingState a{"A", log};
    RecordingState b{"B", log};
    RecordingState c{"C", log};
};
