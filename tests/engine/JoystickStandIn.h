// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// One joystick for the tests, on machines that have none. While a JoystickStandIn lives,
// the game's calls of SDL_NumJoysticks see one joystick and its calls of SDL_JoystickOpen
// are recorded and answered by the stand-in, which opens joystick 0 unless told to fail;
// otherwise the calls go to SDL. Only the unit test program has it: its own definitions
// of the two functions take the place of SDL's for the game's code linked into it. One
// at a time; the test that makes it owns it.
class JoystickStandIn {
public:
    explicit JoystickStandIn(bool opens = true);
    ~JoystickStandIn();
    JoystickStandIn(const JoystickStandIn&) = delete;
    JoystickStandIn& operator=(const JoystickStandIn&) = delete;

    // The indices the game asked to open, in order.
    const std::vector<int>& Opened() const { return m_opened; }

private:
    friend struct JoystickCalls;
    bool m_opens;
    std::vector<int> m_opened;
};
