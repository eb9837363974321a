#include "tools/snes_checksum.h"

#include "core/document.h"
#include "tools/checksum_repair.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarvo {
namespace {

// A zero-filled image with a header at base: complement and checksum little-endian.
std::vector<uint8_t> Image(std::size_t size, std::size_t base, uint16_t complement, uint16_t checksum)
{
    std::vector<uint8_t> image(size, 0);
    image[base + 0x1C] = static_cast<uint8_t>(complement);
    image[base + 0x1D] = static_cast<uint8_t>(complement >> 8);
    image[base + 0x1E] = static_cast<uint8_t>(checksum);
    image[base + 0x1F] = static_cast<uint8_t>(checksum >> 8);
    return image;
}

struct ChecksumCase {
    const char* name;
    std::vector<uint8_t> image;
    const char* line;
    bool repairNeeded;
};

// Expected sums are counted by hand: a header of FFFF and 0000 adds 0xFF + 0xFF.
std::vector<ChecksumCase> Cases()
{
    std::vector<ChecksumCase> cases;
    {
        auto image = Image(0x100000, 0x7FC0, 0xFFFF, 0x0000);  // Lo-ROM, 1 MiB: every byte once
        image[0] = 0x01;
        image[0xFFFFF] = 0x10;
        cases.push_back({"LoRom", image, "header 07FC0 checksum 0000 complement FFFF new 020F FDF0", true});
    }
    {
        auto image = Image(0x100000, 0xFFC0, 0x5555, 0xAAAA);  // Hi-ROM: the Lo-ROM place holds zeros
        image[0x80000] = 0x02;
        cases.push_back({"HiRom", image, "header 0FFC0 checksum AAAA complement 5555 new 0200 FDFF", true});
    }
    {
        auto image = Image(0x300000, 0x7FC0, 0xFFFF, 0x0000);  // 3 MiB: the last MiB counts twice
        image[0x100] = 0x01;
        image[0x280000] = 0x10;
        cases.push_back({"ThreeMegabytes", image, "header 07FC0 checksum 0000 complement FFFF new 021F FDE0", true});
    }
    {
        auto image = Image(0x140000, 0xFFC0, 0xFFFF, 0x0000);  // 1.25 MiB: the last quarter counts four times
        image[0x130000] = 0x01;
        cases.push_back({"FourthOverThePowerOfTwo", image, "header 0FFC0 checksum 0000 complement FFFF new 0202 FDFD",
                         true});
    }
    {
        auto image = Image(0x100200, 0x81C0, 0xFFFF, 0x0000);  // copier header: its bytes are not summed
        image[0x10] = 0x40;
        image[0x200] = 0x03;
        cases.push_back({"CopierHeaderLoRom", image, "header 081C0 checksum 0000 complement FFFF new 0201 FDFE", true});
    }
    {
        auto image = Image(0x100200, 0x101C0, 0xFFFF, 0x0000);
        image[0x1FF] = 0x40;
        cases.push_back({"CopierHeaderHiRom", image, "header 101C0 checksum 0000 complement FFFF new 01FE FE01", true});
    }
    {
        // FFFF as checksum with 0000 as complement is no header: the next candidate is taken.
        auto image = Image(0x100000, 0x7FC0, 0x0000, 0xFFFF);
        image[0xFFDC] = 0xFF;
        image[0xFFDD] = 0xFF;
        cases.push_back({"ChecksumFFFFIsSkipped", image, "header 0FFC0 checksum 0000 complement FFFF new 03FC FC03", true});
    }
    {
        auto image = Image(0x100000, 0x7FC0, 0xFDF1, 0x020E);  // the stored checksum is right
        image[0x1234] = 0x10;
        cases.push_back({"ChecksumAlreadyRight", image, "header 07FC0 checksum 020E complement FDF1 new 020E FDF1",
                         false});
    }
    {
        // Only the complement is right (0xFAFF for the new 0x0500): no repair either.
        auto image = Image(0x100000, 0x7FC0, 0xFAFF, 0xFFFE);
        image[0x100] = 0xFF;
        image[0x101] = 0x0B;
        cases.push_back({"ComplementAlreadyRight", image,
                         "header 07FC0 checksum FFFE complement FAFF new 0500 FAFF", false});
    }
    return cases;
}

TEST(SnesChecksum, LocatesSumsAndReports)
{
    for (const ChecksumCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const ChecksumReport report = InspectSnesChecksum(c.image);
        ASSERT_EQ(report.refusal, ChecksumRefusal::None);
        EXPECT_EQ(ChecksumReportLine(report), c.line);
        EXPECT_EQ(report.repairNeeded, c.repairNeeded);
    }
}

TEST(SnesChecksum, RefusesNesRomsSmallImagesAndImagesWithoutHeader)
{
    auto nes = Image(0x100000, 0x7FC0, 0xFFFF, 0x0000);
    nes[0] = 'N';
    nes[1] = 'E';
    nes[2] = 'S';
    EXPECT_EQ(InspectSnesChecksum(nes).refusal, ChecksumRefusal::NesRom);
    EXPECT_EQ(InspectSnesChecksum(std::vector<uint8_t>(0x101EF, 0xFF)).refusal, ChecksumRefusal::TooSmall);
    EXPECT_EQ(InspectSnesChecksum(std::vector<uint8_t>{'N', 'E'}).refusal, ChecksumRefusal::TooSmall);
    EXPECT_EQ(InspectSnesChecksum(std::vector<uint8_t>(0x101F0, 0)).refusal, ChecksumRefusal::NotFound);
    EXPECT_EQ(InspectSnesChecksum(std::vector<uint8_t>(0x101F0, 0xFF)).refusal, ChecksumRefusal::NotFound);
    // The smallest image reads the last candidate's checksum from its last two bytes.
    EXPECT_EQ(InspectSnesChecksum(Image(0x101F0, 0x101C0, 0xFFFF, 0)).header.base, 0x101C0);
    EXPECT_EQ(std::string(ChecksumRefusalText(ChecksumRefusal::TooSmall)), "The ROM file is too small to fix! ");
}

TEST(SnesChecksum, RepairStoresChecksumAndComplementLittleEndian)
{
    const auto image = Cases()[0].image;
    DocRecord doc;
    doc.storage = DocumentBytes::Owned(image.size());
    std::copy(image.begin(), image.end(), doc.storage.data());
    doc.fileSize = doc.viewSize = static_cast<int32_t>(image.size());

    const ChecksumReport report = InspectDocumentChecksum(doc);
    EXPECT_EQ(ChecksumQuestionText(report),
              " ROM CheckSum  : 0000\n ROM Compliment: FFFF\n\n NEW CheckSum  : 020F\n NEW Compliment: FDF0\n\n "
              "Repair CheckSum?");
    RepairDocumentChecksum(doc, report);
    EXPECT_TRUE(doc.modified);
    const uint8_t* header = doc.data() + 0x7FDC;
    EXPECT_EQ(std::vector<uint8_t>(header, header + 4), (std::vector<uint8_t>{0xF0, 0xFD, 0x0F, 0x02}));
    // The repaired image needs no repair.
    EXPECT_FALSE(InspectDocumentChecksum(doc).repairNeeded);
    EXPECT_EQ(InspectDocumentChecksum(doc).header.checksum, 0x020F);
}

}  // namespace
}  // namespace zarvo
