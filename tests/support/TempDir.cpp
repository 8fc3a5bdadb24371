#include "tests/support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

TempDir::TempDir()
{
    char pattern[] = "/tmp/noughts-test-XXXXXX";
    if (mkdtemp(pattern) != nullptr) {
        m_path = pattern;
    }
}

TempDir::~TempDir()
{
    if (!m_path.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}
