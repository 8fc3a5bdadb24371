// SPDX-License-Identifier: MIT
#include "tests/e2e/support/DesktopEntry.h"

#include <fstream>

namespace e2e {

std::string DesktopEntryValue(const std::string& path, const std::string& key)
{
    std::ifstream in(path);
    const std::string prefix = key + "=";
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) == 0) {
            return line.substr(prefix.size());
        }
    }
    return {};
}

}  // namespace e2e
