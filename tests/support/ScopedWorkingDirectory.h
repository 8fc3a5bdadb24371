// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

// Makes a directory the working directory, where the game looks for its pictures,
// until the object goes; then the old one is restored.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::filesystem::path& directory)
        : m_previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(directory);
    }
    ~ScopedWorkingDirectory() { std::filesystem::current_path(m_previous); }
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::filesystem::path m_previous;
};
