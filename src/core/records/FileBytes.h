#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Files larger than this are not read at all.
inline constexpr std::uint64_t kLargestReadableFile = 64ull * 1024 * 1024;

// Reads a whole file. A file that cannot be opened or read throws InOutError
// naming the file and giving the platform's reason; a file over
// kLargestReadableFile throws BrennickError before anything is read.
std::string ReadWholeFile(const std::string& path);

// Reads a whole file in blocks of `blockSize` bytes, handing each block to
// `consume`; fails as ReadWholeFile does. Blocks handed over before a read
// failure stay consumed.
void ReadFileInBlocks(const std::string& path, std::size_t blockSize,
                      const std::function<void(std::string_view)>& consume);

// The name of a file without its folder.
std::string FileNameOf(std::string_view path);
