// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>

// How a child process ended: a normal exit with its status code, or a signal.
// A plain value; gtest prints it in failure messages.
namespace e2e {

struct ExitStatus {
    enum class Kind { Exited, KilledBySignal };

    Kind kind = Kind::Exited;
    int value = 0;  // the exit code, or the signal number

    static ExitStatus Exited(int code) { return {Kind::Exited, code}; }
    static ExitStatus KilledBy(int signal) { return {Kind::KilledBySignal, signal}; }
    // From the status word that waitpid reports.
    static ExitStatus FromWaitStatus(int status);

    std::string Describe() const;

    bool operator==(const ExitStatus& other) const
    {
        return kind == other.kind && value == other.value;
    }
    bool operator!=(const ExitStatus& other) const { return !(*this == other); }
};

inline std::ostream& operator<<(std::ostream& out, const ExitStatus& status)
{
    return out << status.Describe();
}

}  // namespace e2e
