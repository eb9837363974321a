#include "tools/ips_document.h"

#include "support/temp_folder.h"
#include "tools/ips_test_support.h"
#include "tools/tool_messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace zarvo {
namespace {

using testing::PatchBytes;
using testing::ReadBytes;
using testing::TempFolder;

// A document as the editor holds it: a buffer of at least 65535 bytes behind an
// optional header, the first fileSize bytes being the file.
DocRecord MakeDocument(const std::vector<uint8_t>& content, int32_t headerSize = 0)
{
    DocRecord doc;
    const auto size = static_cast<int32_t>(content.size());
    doc.storage = DocumentBytes::Owned(static_cast<std::size_t>(headerSize + std::max(size, kMinimumViewSize)));
    std::memset(doc.storage.data(), 0xC3, static_cast<std::size_t>(headerSize));
    doc.headerSize = headerSize;
    doc.fileSize = size;
    doc.viewSize = std::max(size, kMinimumViewSize);
    if (!content.empty()) std::memcpy(doc.data(), content.data(), content.size());
    return doc;
}

std::vector<uint8_t> Content(const DocRecord& doc) { return {doc.data(), doc.data() + doc.fileSize}; }

TEST(PatchPath, ReplacesTheExtensionOfTheFileName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/roms/x.smc", "/roms/x.ips"},
        {"/roms/x.gb", "/roms/x.ips"},
        {"/roms/game.sfc.bak", "/roms/game.sfc.ips"},
        {"/roms/x", "/roms/x.ips"},
        {"/roms.d/x", "/roms.d/x.ips"},
        {"/roms/.hidden", "/roms/.hidden.ips"},
        {"C:\\roms\\x.n64", "C:\\roms\\x.ips"},
        {"x.", "x.ips"},
    };
    for (const auto& [document, patch] : cases) EXPECT_EQ(PatchPathFor(document), patch) << document;
}

TEST(IpsDocument, PatchWithinTheFileKeepsItsSizeAndMarksItModified)
{
    // A 32768-byte file in a 65535-byte view: the patch writes nothing past 32767.
    DocRecord doc = MakeDocument(std::vector<uint8_t>(32768, 1));
    ASSERT_EQ(ApplyPatchToDocument(doc, PatchBytes().data(32767, {7}).end().bytes(), ViewState{}), IpsError::None);
    EXPECT_EQ(doc.fileSize, 32768);
    EXPECT_EQ(doc.viewSize, 32768);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.data()[32767], 7);
    EXPECT_EQ(doc.data()[32766], 1);
}

TEST(IpsDocument, LengtheningReadsZeroBetweenTheOldEndAndTheRecord)
{
    DocRecord doc = MakeDocument({1, 2, 3});
    doc.data()[5] = 0x99;  // typed past the file's end, inside the view
    ASSERT_EQ(ApplyPatchToDocument(doc, PatchBytes().data(8, {4}).end().bytes(), ViewState{}), IpsError::None);
    EXPECT_EQ(Content(doc), (std::vector<uint8_t>{1, 2, 3, 0, 0, 0, 0, 0, 4}));

    // Past the end of the buffer itself.
    DocRecord big = MakeDocument(std::vector<uint8_t>(70000, 5));
    ASSERT_EQ(ApplyPatchToDocument(big, PatchBytes().run(80000, 10, 6).end().bytes(), ViewState{}), IpsError::None);
    ASSERT_EQ(big.fileSize, 80010);
    EXPECT_EQ(big.data()[69999], 5);
    EXPECT_EQ(big.data()[70000], 0);
    EXPECT_EQ(big.data()[79999], 0);
    EXPECT_EQ(big.data()[80009], 6);
}

TEST(IpsDocument, SavestateHeaderStaysInFrontOfThePatchedBytes)
{
    for (const int32_t target : {100, 70000}) {
        SCOPED_TRACE(target);
        DocRecord doc = MakeDocument({1, 2, 3}, kSavestateHeaderSize);
        ASSERT_EQ(ApplyPatchToDocument(doc, PatchBytes().data(static_cast<uint32_t>(target), {4}).end().bytes(),
                                       ViewState{}),
                  IpsError::None);
        EXPECT_EQ(doc.headerSize, kSavestateHeaderSize);
        EXPECT_EQ(doc.storage.data()[0], 0xC3);
        EXPECT_EQ(doc.storage.data()[kSavestateHeaderSize - 1], 0xC3);
        EXPECT_EQ(doc.data()[0], 1);
        EXPECT_EQ(doc.data()[target], 4);
        EXPECT_EQ(doc.fileSize, target + 1);
    }
}

TEST(IpsDocument, BadPatchLeavesTheDocumentExactlyAsItWas)
{
    for (const auto& patch : {PatchBytes().data(0, {9}).raw({0, 0, 9, 0, 5, 1}).bytes(),  // ends inside a record
                              std::vector<uint8_t>{'P', 'A', 'T'}}) {
        DocRecord doc = MakeDocument({1, 2, 3});
        doc.cursorOffset = 2;
        const uint8_t* storage = doc.storage.data();
        EXPECT_NE(ApplyPatchToDocument(doc, patch, ViewState{}), IpsError::None);
        EXPECT_EQ(Content(doc), (std::vector<uint8_t>{1, 2, 3}));
        EXPECT_EQ(doc.storage.data(), storage);
        EXPECT_EQ(doc.fileSize, 3);
        EXPECT_EQ(doc.viewSize, kMinimumViewSize);
        EXPECT_FALSE(doc.modified);
        EXPECT_EQ(doc.cursorOffset, 2);
    }
}

TEST(IpsDocument, CuttingTheDocumentKeepsTheCursorInside)
{
    DocRecord doc = MakeDocument(std::vector<uint8_t>(100000, 1));
    doc.cursorOffset = 90000;
    doc.topOffset = 89984;
    ViewState view;
    view.bytesPerRow = 16;
    view.pageBytes = 16 * 20;
    ASSERT_EQ(ApplyPatchToDocument(doc, PatchBytes().end().cutTo(1000).bytes(), view), IpsError::None);
    EXPECT_EQ(doc.fileSize, 1000);
    EXPECT_EQ(doc.cursorOffset, 999);
    EXPECT_LE(doc.topOffset, 999);
    EXPECT_EQ(doc.topOffset + doc.cursorRow * 16 + doc.cursorColumn, 999);
}

TEST(IpsDocument, PatchFileIsWrittenOnlyWhenThereIsAPatch)
{
    TempFolder folder;
    const std::vector<uint8_t> unchanged = {1, 2, 3, 4};
    const std::vector<uint8_t> current = {1, 9, 3, 4};
    const auto path = folder.file("rom.ips");
    ASSERT_EQ(WritePatchFile(unchanged, current, path), IpsError::None);
    EXPECT_EQ(ReadBytes(path), PatchBytes().data(1, {9}).end().bytes());

    const auto samePath = folder.file("same.ips");
    EXPECT_EQ(WritePatchFile(unchanged, unchanged, samePath), IpsError::FilesEqual);
    EXPECT_FALSE(std::filesystem::exists(samePath));

    EXPECT_EQ(WritePatchFile(unchanged, current, folder.file("missing/rom.ips")), IpsError::CannotWriteFile);
    EXPECT_EQ(std::filesystem::directory_iterator(folder.path()) != std::filesystem::directory_iterator(), true);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
              1);  // only rom.ips: no temporary file is left behind
}

TEST(IpsDocument, CommandsOnADocumentAndFiles)
{
    TempFolder folder;
    const auto unchanged = folder.write("game.gb", std::vector<uint8_t>{1, 2, 3, 4});
    DocRecord doc = MakeDocument({1, 2, 3, 5});
    doc.fileName = folder.file("game-edited.gb");
    const Notice created = CreatePatchForDocument(doc, unchanged);
    EXPECT_EQ(created.text, "Patch Creation completed!");
    EXPECT_EQ(ReadBytes(folder.file("game-edited.ips")), PatchBytes().data(3, {5}).end().bytes());

    EXPECT_EQ(CreatePatchForDocument(doc, folder.file("none.gb")).text, "File Not found or Valid... No patch created.");

    DocRecord other = MakeDocument({1, 2, 3, 4});
    const Notice applied = PatchDocumentFromFile(other, folder.file("game-edited.ips"), ViewState{});
    EXPECT_EQ(applied.text, "Patching is complete! Remember to SAVE the changes!");
    EXPECT_EQ(Content(other), (std::vector<uint8_t>{1, 2, 3, 5}));
    EXPECT_EQ(PatchDocumentFromFile(other, folder.file("none.ips"), ViewState{}).text,
              "File Not found or Valid... No patching performed.");
}

TEST(IpsDocument, NoticesForEachOutcome)
{
    const Notice created = IpsCreateNotice(IpsError::None);
    EXPECT_EQ(created.kind, NoticeKind::Exclamation);
    EXPECT_EQ(created.caption, "IPS Creator...");
    EXPECT_EQ(created.text, "Patch Creation completed!");
    const Notice same = IpsCreateNotice(IpsError::FilesEqual);
    EXPECT_EQ(same.kind, NoticeKind::Stop);
    EXPECT_EQ(same.text, " These files are the same.\n No patch created.");
    EXPECT_EQ(IpsCreateNotice(IpsError::CannotWriteFile).text, "No Patching was performed...");
    EXPECT_EQ(IpsCreateNotice(IpsError::BeyondOffsetLimit).kind, NoticeKind::Stop);

    EXPECT_EQ(IpsApplyNotice(IpsError::None).kind, NoticeKind::Plain);
    EXPECT_EQ(IpsApplyNotice(IpsError::None).text, "Patching is complete! Remember to SAVE the changes!");
    EXPECT_EQ(IpsApplyNotice(IpsError::NotAPatch).text, "Not a valid \"PATCH\" file!");
    EXPECT_EQ(IpsApplyNotice(IpsError::OutOfMemory).caption, "IPS Error");
    EXPECT_EQ(IpsApplyNotice(IpsError::Truncated).kind, NoticeKind::Plain);
}

}  // namespace
}  // namespace zarvo
