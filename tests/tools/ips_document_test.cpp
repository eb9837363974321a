#include "tools/ips_document.h"

#include "support/temp_folder.h"
#include "tools/document_support.h"
#include "tools/ips_test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zarvo {
namespace {

using testing::MakeDocument;
using testing::PatchBytes;
using testing::ReadBytes;
using testing::TempFolder;

std::vector<uint8_t> Content(const DocRecord& doc) { return {doc.data(), doc.data() + doc.fileSize}; }

TEST(PatchPath, ReplacesTheExtensionOfTheFileName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/roms/x.smc", "/roms/x.ips"}, {"/roms/x.gb", "/roms/x.ips"},  {"/roms/a.sfc.bak", "/roms/a.sfc.ips"},
        {"/roms/x", "/roms/x.ips"},     {"/roms.d/x", "/roms.d/x.ips"}, {"/roms/.hidden", "/roms/.hidden.ips"},
    };
    for (const auto& [document, patch] : cases) EXPECT_EQ(PatchPathFor(document), patch) << document;
}

TEST(IpsDocument, PatchedInMemoryWithItsSizesAndHeader)
{
    // A 32768-byte file in a 65535-byte view: a patch that writes nothing past 32767.
    DocRecord small = MakeDocument(std::vector<uint8_t>(32768, 1));
    ASSERT_EQ(ApplyPatchToDocument(small, PatchBytes().data(32767, {7}).end().bytes(), ViewState{}), IpsError::None);
    EXPECT_EQ(small.fileSize, 32768);
    EXPECT_EQ(small.viewSize, 32768);
    EXPECT_TRUE(small.modified);
    EXPECT_EQ(small.data()[32767], 7);

    // Bytes between the old end and a record past it read as zero, whatever the view held there.
    DocRecord typed = MakeDocument({1, 2, 3});
    typed.data()[5] = 0x99;
    ASSERT_EQ(ApplyPatchToDocument(typed, PatchBytes().data(8, {4}).end().bytes(), ViewState{}), IpsError::None);
    EXPECT_EQ(Content(typed), (std::vector<uint8_t>{1, 2, 3, 0, 0, 0, 0, 0, 4}));

    // Past the end of the buffer, with a savestate header that stays in front.
    DocRecord savestate = MakeDocument({1, 2, 3}, kSavestateHeaderSize);
    ASSERT_EQ(ApplyPatchToDocument(savestate, PatchBytes().run(70000, 10, 6).end().bytes(), ViewState{}),
              IpsError::None);
    EXPECT_EQ(savestate.fileSize, 70010);
    EXPECT_EQ(savestate.storage.data()[0], 0xC3);
    EXPECT_EQ(savestate.storage.data()[kSavestateHeaderSize - 1], 0xC3);
    EXPECT_EQ(savestate.data()[0], 1);
    EXPECT_EQ(savestate.data()[69999], 0);
    EXPECT_EQ(savestate.data()[70009], 6);
}

TEST(IpsDocument, BadPatchLeavesTheDocumentExactlyAsItWas)
{
    for (const auto& patch : {PatchBytes().data(0, {9}).raw({0, 0, 9, 0, 5, 1}).bytes(), std::vector<uint8_t>{'P'}}) {
        DocRecord doc = MakeDocument({1, 2, 3});
        doc.cursorOffset = 2;
        const uint8_t* storage = doc.storage.data();
        EXPECT_NE(ApplyPatchToDocument(doc, patch, ViewState{}), IpsError::None);
        EXPECT_EQ(Content(doc), (std::vector<uint8_t>{1, 2, 3}));
        EXPECT_EQ(doc.storage.data(), storage);
        EXPECT_EQ(doc.viewSize, kMinimumViewSize);
        EXPECT_FALSE(doc.modified);
        EXPECT_EQ(doc.cursorOffset, 2);
    }
}

TEST(IpsDocument, CommandsOnFiles)
{
    TempFolder folder;
    const auto unchanged = folder.write("game.gb", std::vector<uint8_t>{1, 2, 3, 4});
    DocRecord doc = MakeDocument({1, 2, 3, 5});
    doc.fileName = folder.file("edited.gb");
    const Notice created = CreatePatchForDocument(doc, unchanged);
    EXPECT_EQ(created.kind, NoticeKind::Exclamation);
    EXPECT_EQ(created.text, "Patch Creation completed!");
    EXPECT_EQ(ReadBytes(folder.file("edited.ips")), PatchBytes().data(3, {5}).end().bytes());

    DocRecord other = MakeDocument({1, 2, 3, 4});
    EXPECT_EQ(PatchDocumentFromFile(other, folder.file("edited.ips"), ViewState{}).text,
              "Patching is complete! Remember to SAVE the changes!");
    EXPECT_EQ(Content(other), (std::vector<uint8_t>{1, 2, 3, 5}));

    // Refusals leave no file behind, not even a temporary one.
    DocRecord same = MakeDocument({1, 2, 3, 4});
    same.fileName = folder.file("same.gb");
    const Notice equal = CreatePatchForDocument(same, unchanged);
    EXPECT_EQ(equal.kind, NoticeKind::Stop);
    EXPECT_EQ(equal.text, " These files are the same.\n No patch created.");
    EXPECT_EQ(CreatePatchForDocument(doc, folder.file("none.gb")).text, "File Not found or Valid... No patch created.");
    EXPECT_EQ(WritePatchFile({}, std::vector<uint8_t>{1}, folder.file("no/such.ips")), IpsError::CannotWriteFile);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
    EXPECT_EQ(PatchDocumentFromFile(other, folder.file("none.ips"), ViewState{}).text,
              "File Not found or Valid... No patching performed.");
}

}  // namespace
}  // namespace zarvo
