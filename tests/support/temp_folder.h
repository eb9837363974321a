#pragma once
// A fresh folder per test, removed afterwards, with helpers to make and read files:
// plain files, FIFOs (which a reader that waits would wait on for ever) and sparse
// files of any size (which cost no disk).

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace zarvo::testing {

class TempFolder {
public:
    TempFolder()
    {
        std::random_device seed;
        path_ =
            std::filesystem::temp_directory_path() / ("zarvo-test-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] std::string file(std::string_view name) const { return (path_ / name).string(); }

    std::string write(std::string_view name, std::string_view content) const
    {
        const std::string where = file(name);
        std::ofstream(where, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
        return where;
    }
    std::string write(std::string_view name, const std::vector<uint8_t>& content) const
    {
        return write(name, std::string_view(reinterpret_cast<const char*>(content.data()), content.size()));
    }
    std::string fifo(std::string_view name) const
    {
        const std::string where = file(name);
        EXPECT_EQ(mkfifo(where.c_str(), 0600), 0) << where;
        return where;
    }
    std::string sparse(std::string_view name, int64_t size) const
    {
        const std::string where = write(name, "");
        std::filesystem::resize_file(where, static_cast<std::uintmax_t>(size));
        return where;
    }
    // The names of what the folder holds, sorted.
    [[nodiscard]] std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<uint8_t> ReadBytes(const std::string& path)
{
    const std::string text = ReadText(path);
    return {text.begin(), text.end()};
}

// Bytes i * multiplier + offset (mod 256): every position distinct from its neighbours.
inline std::vector<uint8_t> PatternBytes(std::size_t size, unsigned multiplier = 7, unsigned offset = 3)
{
    std::vector<uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * multiplier + offset);
    return bytes;
}

// Random bytes from a seed.
inline std::vector<uint8_t> RandomBytes(std::size_t size, unsigned seed)
{
    std::vector<uint8_t> bytes(size);
    uint32_t state = seed * 2654435761u + 1;
    for (auto& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<uint8_t>(state >> 24);
    }
    return bytes;
}

}  // namespace zarvo::testing
