// A real, empty directory for file tests, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>

namespace stormbell::testing {

class TempDir {
public:
    TempDir() {
        // A random name that nobody else took: creating the directory is the test.
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ =
                std::filesystem::temp_directory_path() / ("stormbell-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(path_, error))
                return;
        }
        throw std::runtime_error("cannot create a temporary directory");
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

/// The whole file as bytes; "" when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace stormbell::testing
