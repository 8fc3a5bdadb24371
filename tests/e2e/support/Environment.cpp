// SPDX-License-Identifier: MIT
#include "tests/e2e/support/Environment.h"

#include <cstring>

extern char** environ;

namespace e2e {

Environment Environment::OfThisProcess()
{
    Environment result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (char* equals = std::strchr(*entry, '=')) {
            result.Set(std::string(*entry, equals), equals + 1);
        }
    }
    return result;
}

std::vector<std::string> Environment::Entries() const
{
    std::vector<std::string> entries;
    for (const auto& [name, value] : m_variables) {
        entries.push_back(name + "=" + value);
    }
    return entries;
}

}  // namespace e2e
