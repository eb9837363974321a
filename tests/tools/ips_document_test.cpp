#include "tools/ips_document.h"

#include "support/document_builder.h"
#include "support/temp_folder.h"
#include "tools/ips_test_support.h"

#include <gtest/gtest.h>

namespace zarvo {
namespace {

using testing::ContentOf;
using testing::MakeDocument;
using testing::PatchBytes;
using testing::ReadBytes;
using testing::TempFolder;

TEST(PatchPath, ReplacesTheExtensionOfTheFileName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/roms/x.smc", "/roms/x.ips"}, {"/roms/x.gb", "/roms/x.ips"},  {"/roms/a.sfc.bak", "/roms/a.sfc.ips"},
        {"/roms/x", "/roms/x.ips"},     {"/roms.d/x", "/roms.d/x.ips"}, {"/roms/.hidden", "/roms/.hidden.ips"},
    };
    for (const auto& [document, patch] : cases) EXPECT_EQ(PatchPathFor(document), patch) << document;
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
    EXPECT_EQ(ContentOf(other), (std::vector<uint8_t>{1, 2, 3, 5}));

    // Refusals leave no file behind, not even a temporary one.
    DocRecord same = MakeDocument({1, 2, 3, 4});
    same.fileName = folder.file("same.gb");
    const Notice equal = CreatePatchForDocument(same, unchanged);
    EXPECT_EQ(equal.kind, NoticeKind::Stop);
    EXPECT_EQ(equal.text, " These files are the same.\n No patch created.");
    EXPECT_EQ(WritePatchFile({}, std::vector<uint8_t>{1}, folder.file("no/such.ips")), IpsError::CannotWriteFile);

    // Missing files and inputs that are not regular files are refused at once; a file
    // past the size limit is reported as such, not as a lack of memory.
    const auto fifo = folder.fifo("fifo");
    const auto huge = folder.sparse("huge.bin", int64_t{1} << 31);
    for (const std::string& path : {folder.file("none.gb"), fifo, std::string("/dev/zero")}) {
        EXPECT_EQ(CreatePatchForDocument(doc, path).text, "File Not found or Valid... No patch created.") << path;
        EXPECT_EQ(PatchDocumentFromFile(other, path, ViewState{}).text,
                  "File Not found or Valid... No patching performed.")
            << path;
    }
    EXPECT_EQ(CreatePatchForDocument(doc, huge).text,
              "The UNCHANGED file is 2 GB or larger, more than can be read.\n No patch created.");
    EXPECT_EQ(PatchDocumentFromFile(other, huge, ViewState{}).text,
              "The PATCH file is 2 GB or larger.\n No patching performed.");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"edited.ips", "fifo", "game.gb", "huge.bin"}));
}

}  // namespace
}  // namespace zarvo
