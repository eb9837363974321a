#pragma once
// Loading a ROM, a table and other input files the way the editor does, with messages
// for the terminal that name the path and the reason.

#include "core/byte_pieces.h"
#include "core/document.h"
#include "core/input_file.h"
#include "core/table_session.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace zarvo::cli {

// Opens path as the editor opens it (no savestate header removed, ASCII table
// installed); on failure writes a message to err and returns false.
[[nodiscard]] bool LoadRom(DocRecord& doc, TableSession& tables, const std::string& path, std::ostream& err);
// Loads path as Table #1 of doc; a file that cannot be read gets a message on err.
[[nodiscard]] bool LoadTable(DocRecord& doc, TableSession& tables, const std::string& path, std::ostream& err);
// A ROM for a command that reads only a part of it, or all of it a piece at a time,
// instead of copying it whole into memory. It is opened with every input check and
// addressed as the editor addresses it (at least 65,535 bytes, zeros past a short
// file's end), so what the command prints is what it would print from LoadRom.
class RomReader {
public:
    explicit RomReader(const std::string& path);

    // True when the file passed the input checks; otherwise writes why to err.
    [[nodiscard]] bool ready(std::ostream& err) const;
    // The bytes the editor's buffer would hold: the file's, at least 65,535.
    [[nodiscard]] int32_t viewSize() const;
    // ready, then doc set up as LoadRom sets it up (name, sizes, ASCII table) without
    // a byte read: doc has no data until readRange.
    [[nodiscard]] bool open(DocRecord& doc, TableSession& tables, std::ostream& err) const;
    // Reads the file's bytes in [from, to) into doc, whose buffer is made on the first
    // call and holds zeros wherever nothing was read. On failure writes why to err.
    [[nodiscard]] bool readRange(DocRecord& doc, int64_t from, int64_t to, std::ostream& err);
    // The first size bytes of the buffer, read a piece at a time.
    [[nodiscard]] FilePieces pieces(int32_t size, std::size_t pieceBytes = kPieceBytes)
    {
        return FilePieces(file_, size, pieceBytes);
    }
    // Writes why the file could not be opened or read to err.
    void reportReadFailure(std::ostream& err) const;

private:
    std::string path_;
    InputFile file_;
};

// Reads a whole input file (a patch, an unchanged file); on failure writes
// "zarvo-tool: " and the reason to err and gives nothing.
[[nodiscard]] std::optional<InputBytes> ReadInput(const std::string& path, std::ostream& err);

}  // namespace zarvo::cli
