#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

// Many short lines of text in little memory. The fixed phrases of the log
// lines are kept as one byte each, the bytes of all lines lie end to end in
// large blocks, and each line costs one offset besides its bytes. Appending
// never moves what is already stored, so it costs the same at any size.
class LogLineStore {
public:
    void Append(std::string_view line);
    void Clear();
    std::size_t Size() const { return count_; }
    // The line exactly as appended; empty for a row past the end.
    std::string At(std::size_t row) const;
    // Bytes held by the blocks and the offsets, unused tails included.
    std::size_t BytesHeld() const;

private:
    void Put(char byte);
    char ByteAt(std::uint64_t offset) const;
    std::uint64_t StartOf(std::size_t row) const;

    std::vector<std::unique_ptr<char[]>> text_;
    std::vector<std::unique_ptr<std::uint64_t[]>> starts_;
    std::uint64_t used_ = 0;
    std::size_t count_ = 0;
};

}  // namespace tess
