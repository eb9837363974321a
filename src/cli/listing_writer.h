#pragma once
// A listing of many lines written to a stream in large pieces, so that a search
// that lists every byte of an image neither holds the whole listing nor writes it
// line by line.

#include <ostream>
#include <string>

namespace zarvo::cli {

class ListingWriter {
public:
    explicit ListingWriter(std::ostream& out) : out_(out) {}
    ListingWriter(const ListingWriter&) = delete;
    ListingWriter& operator=(const ListingWriter&) = delete;

    // The text of the next line, to which endLine adds the line end.
    [[nodiscard]] std::string& line() { return buffer_; }
    void endLine();
    // Writes what is left.
    void flush();

private:
    std::ostream& out_;
    std::string buffer_;
};

}  // namespace zarvo::cli
