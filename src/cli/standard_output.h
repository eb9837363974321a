#pragma once
// zarvo-tool's standard output: a stream over a file descriptor that remembers why a
// write failed (a full disk, a closed descriptor), so that every command can say so.

#include <array>
#include <ostream>
#include <streambuf>
#include <string>

namespace zarvo::cli {

class DescriptorOutputBuffer final : public std::streambuf {
public:
    explicit DescriptorOutputBuffer(int fd);
    ~DescriptorOutputBuffer() override;
    DescriptorOutputBuffer(const DescriptorOutputBuffer&) = delete;
    DescriptorOutputBuffer& operator=(const DescriptorOutputBuffer&) = delete;

    [[nodiscard]] int systemError() const { return systemError_; }
    [[nodiscard]] bool isTerminal() const { return terminal_; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    [[nodiscard]] bool drain();
    [[nodiscard]] bool writeAll(const char* text, std::size_t count);

    int fd_;
    bool terminal_;
    int systemError_ = 0;  // errno of the first write that failed
    std::array<char, 64 * 1024> buffer_{};
};

// Why writing to out failed: the system's reason when out writes to a descriptor,
// else a general one.
[[nodiscard]] std::string OutputFailureReason(const std::ostream& out);
// True when out writes to a terminal.
[[nodiscard]] bool WritesToTerminal(const std::ostream& out);

}  // namespace zarvo::cli
