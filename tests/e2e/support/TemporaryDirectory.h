// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// A fresh directory under $TMPDIR (or /tmp), removed with everything in it when the
// object goes. Used for captured output files and for working directories that hold
// a chosen set of pictures.
namespace e2e {

class TemporaryDirectory {
public:
    // Throws std::runtime_error if the directory cannot be made.
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::string& Path() const { return m_path; }
    std::string PathOf(const std::string& name) const { return m_path + "/" + name; }

    // Copies every regular file of sourceDir whose name ends in ".bmp", except the
    // names in left_out, into this directory.
    void CopyPicturesFrom(const std::string& sourceDir, const std::vector<std::string>& leftOut);

private:
    std::string m_path;
};

// The whole content of a file; empty if it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace e2e
