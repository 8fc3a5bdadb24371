// SPDX-License-Identifier: MIT
#include "tests/e2e/support/TemporaryDirectory.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace e2e {

TemporaryDirectory::TemporaryDirectory()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/noughts-e2e-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory " + pattern + ": " +
                                 std::strerror(errno));
    }
    m_path = pattern;
}

TemporaryDirectory::~TemporaryDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void TemporaryDirectory::CopyPicturesFrom(const std::string& sourceDir,
                                          const std::vector<std::string>& leftOut)
{
    namespace fs = std::filesystem;
    for (const fs::directory_entry& entry : fs::directory_iterator(sourceDir)) {
        const std::string name = entry.path().filename().string();
        const bool isPicture = entry.is_regular_file() && entry.path().extension() == ".bmp";
        const bool wanted = std::find(leftOut.begin(), leftOut.end(), name) == leftOut.end();
        if (isPicture && wanted) {
            fs::copy_file(entry.path(), fs::path(m_path) / name);
        }
    }
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace e2e
