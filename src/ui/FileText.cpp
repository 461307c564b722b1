#include "ui/FileText.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/Error.h"
#include "common/Files.h"

namespace tess {

std::string ReadWholeFile(const std::string& path) {
    const std::filesystem::path file = Utf8Path(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw Error("Not a regular file: " + path);
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) throw Error(ErrnoText(errno));
    std::string text;
    const auto size = std::filesystem::file_size(file, error);
    if (!error) text.reserve(static_cast<std::size_t>(size));
    // To its end, should it have grown meanwhile.
    std::array<char, 1 << 16> block;
    while (in.read(block.data(), block.size()) || in.gcount() > 0) {
        text.append(block.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) throw Error(ErrnoText(errno));
    return text;
}

}  // namespace tess
