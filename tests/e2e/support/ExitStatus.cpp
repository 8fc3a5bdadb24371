// SPDX-License-Identifier: MIT
#include "tests/e2e/support/ExitStatus.h"

#include <sys/wait.h>

#include <cstring>

namespace e2e {

ExitStatus ExitStatus::FromWaitStatus(int status)
{
    if (WIFSIGNALED(status)) {
        return KilledBy(WTERMSIG(status));
    }
    return Exited(WEXITSTATUS(status));
}

std::string ExitStatus::Describe() const
{
    if (kind == Kind::Exited) {
        return "exit status " + std::to_string(value);
    }
    return "killed by signal " + std::to_string(value) + " (" + strsignal(value) + ")";
}

}  // namespace e2e
