// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace e2e {

// The value of key in the desktop entry file at path (its one group, [Desktop Entry]), or
// empty if the file has no such key or cannot be read.
std::string DesktopEntryValue(const std::string& path, const std::string& key);

}  // namespace e2e
