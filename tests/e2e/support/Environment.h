// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// The environment a child process is started with: a plain value, edited by the test
// before the launch and copied into the child.
namespace e2e {

class Environment {
public:
    // A copy of this test process's own environment (PATH, HOME, sanitizer options...).
    static Environment OfThisProcess();

    Environment& Set(const std::string& name, const std::string& value)
    {
        m_variables[name] = value;
        return *this;
    }
    Environment& Unset(const std::string& name)
    {
        m_variables.erase(name);
        return *this;
    }
    // Adds an option to a colon-separated list such as ASAN_OPTIONS, keeping the others.
    Environment& Append(const std::string& name, const std::string& option)
    {
        const std::string before = Get(name).value_or("");
        return Set(name, before.empty() ? option : before + ":" + option);
    }
    std::optional<std::string> Get(const std::string& name) const
    {
        const auto found = m_variables.find(name);
        return found == m_variables.end() ? std::nullopt : std::optional(found->second);
    }

    // "NAME=value" entries, as execve wants them.
    std::vector<std::string> Entries() const;

private:
    std::map<std::string, std::string> m_variables;
};

}  // namespace e2e
