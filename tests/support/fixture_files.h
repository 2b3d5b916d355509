// Fixture files for tests: bytes the test chooses, in a private temporary folder.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Random contents, so that a byte written where it should not be shows.
inline Bytes random_bytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (unsigned char& byte : bytes) {
        byte = static_cast<unsigned char>(random());
    }
    return bytes;
}

inline Bytes read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A folder of its own under the system's temporary folder, removed with everything in it.
class FixtureFolder {
  public:
    FixtureFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vistaro-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~FixtureFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    FixtureFolder(const FixtureFolder&) = delete;
    FixtureFolder& operator=(const FixtureFolder&) = delete;

    bool exists() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }

    // Writes a file of these bytes into the folder; returns its path.
    std::string make_file(const std::string& name, const Bytes& bytes) const {
        const std::string path = (path_ / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

  private:
    std::filesystem::path path_;
};
