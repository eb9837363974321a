#include "tools/snes_checksum.h"

#include "support/document_builder.h"
#include "tools/checksum_repair.h"

#include <gtest/gtest.h>
#include <vector>

namespace zarvo {
namespace {

using testing::SnesImage;

// The sums are counted by hand: a complement and checksum that are each other's
// complement add 0xFF + 0xFF.
TEST(SnesChecksum, LocatesSumsAndReports)
{
    struct Case {
        std::vector<uint8_t> image;
        const char* line;
        bool repairNeeded;
    };
    const Case cases[] = {
        {SnesImage(0x100000, 0x7FC0, 0xFFFF, 0, {{0, 1}, {0xFFFFF, 0x10}}),  // Lo-ROM: every byte once
         "header 07FC0 checksum 0000 complement FFFF new 020F FDF0", true},
        {SnesImage(0x100000, 0xFFC0, 0x5555, 0xAAAA, {{0x80000, 2}}),  // Hi-ROM
         "header 0FFC0 checksum AAAA complement 5555 new 0200 FDFF", true},
        {SnesImage(0x300000, 0x7FC0, 0xFFFF, 0, {{0x100, 1}, {0x280000, 0x10}}),  // 3 MiB: the last MiB twice
         "header 07FC0 checksum 0000 complement FFFF new 021F FDE0", true},
        {SnesImage(0x140000, 0xFFC0, 0xFFFF, 0, {{0x130000, 1}}),  // 1.25 MiB: the last quarter four times
         "header 0FFC0 checksum 0000 complement FFFF new 0202 FDFD", true},
        {SnesImage(0x100200, 0x81C0, 0xFFFF, 0, {{0x10, 0x40}, {0x200, 3}}),  // the copier header is not summed
         "header 081C0 checksum 0000 complement FFFF new 0201 FDFE", true},
        {SnesImage(0x100200, 0x101C0, 0xFFFF, 0, {{0x1FF, 0x40}}),
         "header 101C0 checksum 0000 complement FFFF new 01FE FE01", true},
        // Checksum FFFF with complement 0000 is no header: the next candidate is taken.
        {SnesImage(0x100000, 0x7FC0, 0, 0xFFFF, {{0xFFDC, 0xFF}, {0xFFDD, 0xFF}}),
         "header 0FFC0 checksum 0000 complement FFFF new 03FC FC03", true},
        // The stored checksum is right; then only the complement (0xFAFF for 0x0500).
        {SnesImage(0x100000, 0x7FC0, 0xFDF1, 0x020E, {{0x1234, 0x10}}),
         "header 07FC0 checksum 020E complement FDF1 new 020E FDF1", false},
        {SnesImage(0x100000, 0x7FC0, 0xFAFF, 0xFFFE, {{0x100, 0xFF}, {0x101, 0x0B}}),
         "header 07FC0 checksum FFFE complement FAFF new 0500 FAFF", false},
    };
    for (const Case& c : cases) {
        const ChecksumReport report = InspectSnesChecksum(c.image);
        ASSERT_EQ(report.refusal, ChecksumRefusal::None) << c.line;
        EXPECT_EQ(ChecksumReportLine(report), c.line);
        EXPECT_EQ(report.repairNeeded, c.repairNeeded) << c.line;
    }
}

TEST(SnesChecksum, RefusesNesRomsSmallImagesAndImagesWithoutHeader)
{
    EXPECT_EQ(InspectSnesChecksum(SnesImage(0x100000, 0x7FC0, 0xFFFF, 0, {{0, 'N'}, {1, 'E'}, {2, 'S'}})).refusal,
              ChecksumRefusal::NesRom);
    EXPECT_EQ(InspectSnesChecksum(std::vector<uint8_t>(0x101EF, 0xFF)).refusal, ChecksumRefusal::TooSmall);
    EXPECT_EQ(InspectSnesChecksum(std::vector<uint8_t>{'N', 'E'}).refusal, ChecksumRefusal::TooSmall);
    EXPECT_EQ(InspectSnesChecksum(std::vector<uint8_t>(0x101F0, 0)).refusal, ChecksumRefusal::NotFound);
    EXPECT_EQ(InspectSnesChecksum(std::vector<uint8_t>(0x101F0, 0xFF)).refusal, ChecksumRefusal::NotFound);
    // The smallest image holds the last candidate in its last bytes.
    EXPECT_EQ(InspectSnesChecksum(SnesImage(0x101F0, 0x101C0, 0xFFFF, 0)).header.base, 0x101C0);
}

TEST(SnesChecksum, RepairStoresChecksumAndComplementLittleEndian)
{
    const auto image = SnesImage(0x100000, 0x7FC0, 0xFFFF, 0, {{0, 1}, {0xFFFFF, 0x10}});
    DocRecord doc = testing::MakeDocument(image, 0);

    const ChecksumReport report = InspectDocumentChecksum(doc);
    EXPECT_EQ(ChecksumQuestionText(report),
              " ROM CheckSum  : 0000\n ROM Compliment: FFFF\n\n NEW CheckSum  : 020F\n NEW Compliment: FDF0\n\n "
              "Repair CheckSum?");
    RepairDocumentChecksum(doc, report);
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(std::vector<uint8_t>(doc.data() + 0x7FDC, doc.data() + 0x7FE0),
              (std::vector<uint8_t>{0xF0, 0xFD, 0x0F, 0x02}));
    EXPECT_FALSE(InspectDocumentChecksum(doc).repairNeeded);
}

}  // namespace
}  // namespace zarvo
