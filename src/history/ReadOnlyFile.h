#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tess {

// Which file a path named when it was opened: a file replaced under the same
// name has another identity.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// A regular file opened for reading only, for as long as the object lives.
// It never waits: a pipe or a device is refused, not opened. Other programs
// may go on appending to, replacing or deleting the file meanwhile. Never throws.
class ReadOnlyFile {
public:
    enum class State { Open, Missing, NotAFile, Failed };

    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    State GetState() const { return state_; }
    // The platform's description of why it is not open, or of the failed read.
    const std::string& Error() const { return error_; }
    // Size and identity when it was opened.
    std::uint64_t Size() const { return size_; }
    FileIdentity Identity() const { return identity_; }

    // Reads up to `count` bytes from `offset`: the number read, 0 at the end,
    // or -1 with Error() set.
    std::int64_t ReadAt(std::uint64_t offset, char* buffer, std::size_t count);

private:
    std::intptr_t handle_ = -1;
    State state_ = State::Failed;
    std::string error_;
    std::uint64_t size_ = 0;
    FileIdentity identity_;
};

}  // namespace tess
