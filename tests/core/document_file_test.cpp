#include "core/document_file.h"

#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zarvo {
namespace {

using testing::PatternBytes;
using testing::ReadBytes;
using testing::TempFolder;

TEST(OpenDocumentFile, ShortFileIsViewedAsAtLeast65535Bytes)
{
    TempFolder folder;
    const auto path = folder.write("small.bin", PatternBytes(100));
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    EXPECT_EQ(doc.fileSize, 100);
    EXPECT_EQ(doc.viewSize, 65535);
    EXPECT_EQ(doc.headerSize, 0);
    EXPECT_EQ(doc.fileName, path);
    ASSERT_GE(doc.storage.size(), 65535U);
    EXPECT_EQ(doc.data()[99], PatternBytes(100)[99]);
    EXPECT_EQ(doc.data()[65534], 0);  // the spare room reads as zero
}

TEST(OpenDocumentFile, LargeFileIsViewedAtItsOwnSize)
{
    TempFolder folder;
    const auto bytes = PatternBytes(200000);
    const auto path = folder.write("large.bin", bytes);
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    EXPECT_EQ(doc.fileSize, 200000);
    EXPECT_EQ(doc.viewSize, 200000);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), doc.data()));
}

TEST(OpenDocumentFile, EditsInMemoryNeverReachTheFileBeforeSave)
{
    TempFolder folder;
    const auto bytes = PatternBytes(100000);
    const auto path = folder.write("rom.bin", bytes);
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    doc.data()[5] ^= 0xFF;
    doc.storage = DocumentBytes();  // dropping the document discards the edit
    EXPECT_EQ(ReadBytes(path), bytes);
}

// Another program cuts the file short, or writes into it, while it is open: the
// document keeps the bytes it read (touching them must not fault), and Save writes
// those bytes, not the other program's.
TEST(OpenDocumentFile, ChangesOfTheFileByAnotherProgramNeverReachTheDocument)
{
    TempFolder folder;
    const auto bytes = PatternBytes(3 << 20);  // large enough for huge pages
    for (const bool truncate : {true, false}) {
        const auto path = folder.write("rom.bin", bytes);
        DocRecord doc;
        ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
        if (truncate) {
            std::filesystem::resize_file(path, 10);
        } else {
            std::fstream(path, std::ios::in | std::ios::out | std::ios::binary)
                .write(std::string(200000, 'X').data(), 200000);
        }
        ASSERT_TRUE(std::equal(bytes.begin(), bytes.end(), doc.data())) << truncate;
        doc.data()[7] ^= 0xFF;
        ASSERT_EQ(SaveDocumentFile(doc), SaveError::None);
        auto expected = bytes;
        expected[7] ^= 0xFF;
        EXPECT_TRUE(ReadBytes(path) == expected) << truncate;
    }
}

TEST(OpenDocumentFile, RefusesWhatIsNotARegularFileAndLeavesTheRecord)
{
    TempFolder folder;
    for (const std::string& path : {folder.file("missing.bin"), folder.path().string(), std::string("/dev/zero")}) {
        DocRecord doc;
        EXPECT_NE(OpenDocumentFile(doc, path), OpenError::None) << path;
        EXPECT_FALSE(doc.hasData());
        EXPECT_TRUE(doc.fileName.empty());
    }
}

TEST(OpenDocumentFile, RefusesFilesOf2GiBOrMore)
{
    TempFolder folder;
    const auto path = folder.file("huge.bin");
    {
        std::ofstream create(path, std::ios::binary);
    }
    std::filesystem::resize_file(path, (int64_t{1} << 31));  // sparse: costs no disk
    DocRecord doc;
    EXPECT_EQ(OpenDocumentFile(doc, path), OpenError::TooLarge);
    EXPECT_FALSE(doc.hasData());
}

TEST(SavestatePath, DependsOnTheTextFromTheFirstDot)
{
    const struct {
        const char* path;
        bool savestate;
    } cases[] = {
        {"/roms/game.zst", true},     {"/roms/save.zs1", true},       {"/roms/SAVE.ZST", true},
        {"/roms/save.sz", false},     {"/my.dir/game.zst", true},     {"/roms/game", false},
        {"/roms/game.zst.bak", true}, {"/roms/game.z", false},        {"/roms/.zs", true},
        {"/roms.old/game", false},    {"/home/u/.local/g.ZS2", true}, {"/a.zst/game.smc", false},
        {"game.zst", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsSavestatePath(c.path), c.savestate) << c.path;
}

TEST(SavestateHeader, RemovedHeaderIsHiddenFromTheViewAndWrittenBackOnSave)
{
    TempFolder folder;
    const auto bytes = PatternBytes(70000);
    const auto path = folder.write("game.zst", bytes);
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    ASSERT_TRUE(CanRemoveSavestateHeader(doc));
    RemoveSavestateHeader(doc);
    EXPECT_EQ(doc.headerSize, 3091);
    EXPECT_EQ(doc.fileSize, 70000 - 3091);
    EXPECT_EQ(doc.viewSize, 70000 - 3091);
    EXPECT_EQ(doc.data()[0], bytes[3091]);

    doc.data()[0] = 0xAB;
    ASSERT_EQ(SaveDocumentFile(doc), SaveError::None);
    auto expected = bytes;
    expected[3091] = 0xAB;
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(SavestateHeader, ShortSavestateKeepsItsBytesAndHasNoPalette)
{
    TempFolder folder;
    const auto path = folder.write("tiny.zst", PatternBytes(2000));
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    EXPECT_FALSE(CanRemoveSavestateHeader(doc));
    RemoveSavestateHeader(doc);
    EXPECT_EQ(doc.headerSize, 0);
    ReadSavestatePalette(doc);  // 2,000 bytes do not hold the 512 palette bytes at 1,560
    EXPECT_FALSE(doc.savestatePalette.has_value());
}

TEST(SavestateHeader, PaletteIsReadFromByte1560OfTheFile)
{
    TempFolder folder;
    std::vector<uint8_t> bytes(4000, 0);
    bytes[1560] = 0x1F;  // colour 0: red 31
    bytes[1561] = 0x00;
    bytes[1562] = 0xFF;  // colour 1: white
    bytes[1563] = 0x7F;
    const auto path = folder.write("pal.zst", bytes);
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    RemoveSavestateHeader(doc);
    ReadSavestatePalette(doc);  // the palette lies in the header, removed or not
    ASSERT_TRUE(doc.savestatePalette.has_value());
    EXPECT_EQ((*doc.savestatePalette)[0], 0xF820);
    EXPECT_EQ((*doc.savestatePalette)[1], 0xFFFF);
}

TEST(CompanionTablePath, ReplacesTheLastExtensionOrAppends)
{
    EXPECT_EQ(CompanionTablePath("/roms/rom.smc"), "/roms/rom.tbl");
    EXPECT_EQ(CompanionTablePath("/roms/game.v1.smc"), "/roms/game.v1.tbl");
    EXPECT_EQ(CompanionTablePath("/roms/rom"), "/roms/romtbl");
    EXPECT_EQ(FileNamePart("/roms/rom.smc"), "rom.smc");
    EXPECT_EQ(FileNamePart("C:\\roms\\rom.smc"), "rom.smc");
    EXPECT_EQ(FileNamePart("rom.smc"), "rom.smc");
}

TEST(SaveDocumentFile, WritesExactlyTheDocumentLength)
{
    TempFolder folder;
    const auto path = folder.write("small.bin", PatternBytes(100));
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    doc.data()[0] = 0x41;
    doc.data()[500] = 0x42;  // beyond the file: never written
    ASSERT_EQ(SaveDocumentFile(doc), SaveError::None);
    auto expected = PatternBytes(100);
    expected[0] = 0x41;
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(SaveDocumentFile, ShorterDocumentCutsTheFileOnDisk)
{
    TempFolder folder;
    const auto bytes = PatternBytes(90000);
    const auto path = folder.write("rom.bin", bytes);
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    doc.fileSize = 70000;  // as a size change leaves it
    ASSERT_EQ(SaveDocumentFile(doc), SaveError::None);
    EXPECT_EQ(ReadBytes(path), std::vector<uint8_t>(bytes.begin(), bytes.begin() + 70000));
}

TEST(SaveDocumentFile, KeepsPermissionsAndWritesADeletedFileAnew)
{
    TempFolder folder;
    const auto path = folder.write("rom.bin", PatternBytes(300));
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    ASSERT_EQ(SaveDocumentFile(doc), SaveError::None);
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all, std::filesystem::perms(0640));

    std::filesystem::remove(path);
    ASSERT_EQ(SaveDocumentFile(doc), SaveError::None);
    EXPECT_EQ(ReadBytes(path), PatternBytes(300));
    // No temporary files are left beside the document.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(SaveDocumentFile, SavingThroughALinkReplacesTheLinkedFile)
{
    TempFolder folder;
    const auto target = folder.write("real.bin", PatternBytes(300));
    const auto link = folder.file("link.bin");
    std::filesystem::create_symlink(target, link);
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, link), OpenError::None);
    doc.data()[1] = 0x99;
    ASSERT_EQ(SaveDocumentFile(doc), SaveError::None);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(target)[1], 0x99);
}

TEST(SaveDocumentFile, FailureLeavesTheOldFileWhole)
{
    TempFolder folder;
    const auto path = folder.write("rom.bin", PatternBytes(300));
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    doc.fileName = folder.file("gone/rom.bin");  // its folder does not exist
    EXPECT_NE(SaveDocumentFile(doc), SaveError::None);
    EXPECT_EQ(ReadBytes(path), PatternBytes(300));
}

TEST(SaveDocumentAs, KeepsTheOldNameWhenTheNewOneFails)
{
    TempFolder folder;
    const auto path = folder.write("rom.bin", PatternBytes(300));
    DocRecord doc;
    ASSERT_EQ(OpenDocumentFile(doc, path), OpenError::None);
    EXPECT_NE(SaveDocumentAs(doc, folder.file("gone/copy.bin")), SaveError::None);
    EXPECT_EQ(doc.fileName, path);
    // Save As never replaces what is not a regular file, nor writes into it.
    const auto fifo = folder.file("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& target : {fifo, std::string("/dev/null"), folder.path().string()}) {
        EXPECT_EQ(SaveDocumentAs(doc, target), SaveError::NotRegularFile) << target;
        EXPECT_EQ(doc.fileName, path);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));

    const auto copy = folder.file("copy.bin");
    ASSERT_EQ(SaveDocumentAs(doc, copy), SaveError::None);
    EXPECT_EQ(doc.fileName, copy);
    EXPECT_EQ(ReadBytes(copy), PatternBytes(300));
}

TEST(FileSizeOf, LeavesThePositionAlone)
{
    TempFolder folder;
    const auto path = folder.write("f.bin", PatternBytes(1234));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    std::fseek(file, 10, SEEK_SET);
    EXPECT_EQ(FileSizeOf(file), 1234);
    EXPECT_EQ(std::ftell(file), 10);
    std::fclose(file);
    EXPECT_EQ(FileSizeOf(nullptr), -1);
}

}  // namespace
}  // namespace zarvo
