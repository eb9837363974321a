#include "cli/listing_writer.h"

namespace zarvo::cli {

namespace {

constexpr std::size_t kPieceBytes = 64 * 1024;

}  // namespace

void ListingWriter::endLine()
{
    buffer_ += '\n';
    if (buffer_.size() >= kPieceBytes) flush();
}

void ListingWriter::flush()
{
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

}  // namespace zarvo::cli
