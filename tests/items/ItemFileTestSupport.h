#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

// A file in the temporary folder that holds the given bytes while the object lives.
class ScratchFile {
  public:
    ScratchFile(std::string_view name, std::string_view bytes)
        : path_(std::filesystem::temp_directory_path() /
                ("brennick-items-" + std::to_string(::getpid()) + "-" + std::string(name))) {
        std::ofstream(path_, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~ScratchFile() { std::filesystem::remove(path_); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    std::string path() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};
