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
    // An empty environment.
    Environment() = default;
    // A copy of this test process's own environment (PATH, HOME, sanitizer options...).
    static Environment OfThisProcess();

    Environment& Set(const std::string& name, const std::string& value);
    Environment& Unset(const std::string& name);
    std::optional<std::string> Get(const std::string& name) const;

    // "NAME=value" entries, as execve wants them.
    std::vector<std::string> Entries() const;

private:
    std::map<std::string, std::string> m_variables;
};

}  // namespace e2e
