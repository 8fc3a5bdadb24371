// SPDX-License-Identifier: MIT
#include "tests/e2e/support/Environment.h"

#include <cstring>

extern char** environ;

namespace e2e {

Environment Environment::OfThisProcess()
{
    Environment result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const char* equals = std::strchr(*entry, '=');
        if (equals != nullptr) {
            result.Set(std::string(*entry, static_cast<size_t>(equals - *entry)), equals + 1);
        }
    }
    return result;
}

Environment& Environment::Set(const std::string& name, const std::string& value)
{
    m_variables[name] = value;
    return *this;
}

Environment& Environment::Unset(const std::string& name)
{
    m_variables.erase(name);
    return *this;
}

std::optional<std::string> Environment::Get(const std::string& name) const
{
    const auto found = m_variables.find(name);
    if (found == m_variables.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::vector<std::string> Environment::Entries() const
{
    std::vector<std::string> entries;
    entries.reserve(m_variables.size());
    for (const auto& [name, value] : m_variables) {
        entries.push_back(name + "=" + value);
    }
    return entries;
}

}  // namespace e2e
