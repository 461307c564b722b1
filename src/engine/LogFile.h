#pragma once

#include <string>

namespace tess {

// Appends one line and CR LF to a file in a single write on a file opened for
// appending (created when missing), makes the data durable before closing and
// never keeps the file open. The line is converted from UTF-8 to the system's
// text encoding. Throws tess::Error with the platform's description on failure.
class LogWriter {
public:
    virtual ~LogWriter() = default;
    virtual void AppendLine(const std::string& path, const std::string& line) = 0;
};

// Appends `bytes`, as they are, to a file in the same way: one write on a file
// opened for appending (created when missing), durable before the close when
// `flush` is set. Throws tess::Error with the platform's description on failure.
void AppendDurably(const std::string& path, const std::string& bytes, bool flush = true);

// The platform's durable writer.
class DurableLogWriter : public LogWriter {
public:
    explicit DurableLogWriter(bool flush = true) : flush_(flush) {}
    void AppendLine(const std::string& path, const std::string& line) override;

private:
    bool flush_;
};

}  // namespace tess
