#include "support/document_builder.h"
#include "support/temp_folder.h"
#include "tools/ips.h"
#include "tools/ips_contract_cases.h"
#include "tools/ips_document.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace zarvo {
namespace {

using testing::IpsContractCase;
using testing::MakeDocument;

struct Applied {
    IpsError error = IpsError::None;
    std::vector<uint8_t> result;
};

// One way of applying a patch. Each also checks what it must leave alone.
using EntryPoint = std::function<Applied(const std::vector<uint8_t>& patch, const std::vector<uint8_t>& original)>;

Applied InMemory(const std::vector<uint8_t>& patch, const std::vector<uint8_t>& original)
{
    const IpsApplication applied = ApplyIps(patch, original);
    if (applied.error == IpsError::None) {
        EXPECT_EQ(CheckIps(patch, static_cast<int32_t>(original.size())).resultSize,
                  static_cast<int32_t>(applied.result.size()));
    }
    return {applied.error, applied.result};
}

// The document as the editor holds it: what lies past fileSize in its buffer (bytes
// typed there) must read as zero once a patch lengthens it, a removed savestate header
// stays in front, and a refused patch changes nothing at all.
Applied ToDocument(const std::vector<uint8_t>& patch, const std::vector<uint8_t>& original, int32_t headerSize)
{
    DocRecord doc = MakeDocument(original, kMinimumViewSize, headerSize);
    std::memset(doc.data() + doc.fileSize, 0x5C, static_cast<std::size_t>(doc.viewSize - doc.fileSize));
    doc.cursorOffset = 3;
    const uint8_t* storage = doc.storage.data();
    const IpsError error = ApplyPatchToDocument(doc, patch, ViewState{});
    EXPECT_TRUE(std::all_of(doc.storage.data(), doc.storage.data() + headerSize, [](uint8_t b) { return b == 0xC3; }));
    if (error != IpsError::None) {
        EXPECT_EQ(doc.storage.data(), storage);
        EXPECT_EQ(doc.fileSize, static_cast<int32_t>(original.size()));
        EXPECT_EQ(doc.viewSize, kMinimumViewSize);
        EXPECT_FALSE(doc.modified);
        EXPECT_EQ(doc.cursorOffset, 3);
        return {error, {}};
    }
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(doc.viewSize, doc.fileSize);
    return {error, testing::ContentOf(doc)};
}

// The editor's command: the patch read from a file on disk.
Applied FromPatchFile(const std::vector<uint8_t>& patch, const std::vector<uint8_t>& original)
{
    const testing::TempFolder folder;
    DocRecord doc = MakeDocument(original);
    const std::string told = PatchDocumentFromFile(doc, folder.write("p.ips", patch), ViewState{}).text;
    for (const IpsError error : {IpsError::NotAPatch, IpsError::Truncated}) {
        if (told == IpsApplyNotice(error).text) return {error, {}};
    }
    EXPECT_EQ(told, IpsApplyNotice(IpsError::None).text);
    return {IpsError::None, testing::ContentOf(doc)};
}

const std::pair<const char*, EntryPoint> kEntryPoints[] = {
    {"ApplyIps", &InMemory},
    {"Document", [](const auto& patch, const auto& original) { return ToDocument(patch, original, 0); }},
    {"DocumentWithHeader",
     [](const auto& patch, const auto& original) { return ToDocument(patch, original, kSavestateHeaderSize); }},
    {"PatchFile", &FromPatchFile},
};

TEST(IpsContract, EveryEntryPointAppliesTheTable)
{
    const std::vector<IpsContractCase> cases = testing::IpsContractCases();
    for (const auto& [entryName, apply] : kEntryPoints) {
        for (const IpsContractCase& c : cases) {
            SCOPED_TRACE(std::string(entryName) + " " + c.name);
            const Applied applied = apply(c.patch, testing::kContractOriginal);
            EXPECT_EQ(applied.error, c.error);
            EXPECT_TRUE(applied.result == c.result) << applied.result.size() << " bytes";
        }
    }
}

}  // namespace
}  // namespace zarvo
