#include "support/temp_folder.h"
#include "tools/bps.h"
#include "tools/bps_create.h"
#include "tools/bps_model.h"
#include "tools/patch_number.h"
#include "tools/ups.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace zarvo {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::ModelApplyBps;
using testing::ModelCrc32;
using testing::ModelPutCrc;
using testing::ModelPutNumber;
using testing::RandomBytes;

Bytes FromText(const std::string& text) { return Bytes(text.begin(), text.end()); }

// A patch assembled action by action, with correct sizes and CRCs unless told.
struct HandPatch {
    Bytes source, target;
    Bytes actions;
    Bytes build() const
    {
        Bytes patch = FromText("BPS1");
        ModelPutNumber(patch, source.size());
        ModelPutNumber(patch, target.size());
        ModelPutNumber(patch, 0);
        patch.insert(patch.end(), actions.begin(), actions.end());
        ModelPutCrc(patch, ModelCrc32(source));
        ModelPutCrc(patch, ModelCrc32(target));
        ModelPutCrc(patch, ModelCrc32(patch));
        return patch;
    }
};

TEST(PatchNumber, VectorsAndTheirReading)
{
    const std::pair<uint64_t, Bytes> cases[] = {
        {0, {0x80}},           {1, {0x81}},       {127, {0xFF}},           {128, {0x00, 0x80}},
        {255, {0x7F, 0x80}}, {16511, {0x7F, 0xFF}}, {16512, {0x00, 0x00, 0x80}}, {0xFFFFFFFF, {0x7F, 0x7E, 0x7E, 0x7E, 0x8E}},
    };
    for (const auto& [value, spelling] : cases) {
        Bytes out;
        PutPatchNumber(out, value);
        EXPECT_EQ(out, spelling) << value;
        EXPECT_EQ(PatchNumberLength(value), static_cast<int>(spelling.size())) << value;
        std::size_t at = 0;
        uint64_t read = 0;
        EXPECT_TRUE(ReadPatchNumber(spelling, at, read) && read == value && at == spelling.size()) << value;
    }
    std::size_t at = 0;
    uint64_t read = 0;
    EXPECT_FALSE(ReadPatchNumber(Bytes{0x00, 0x7F}, at, read));  // ends before its last byte
    at = 0;
    EXPECT_FALSE(ReadPatchNumber(Bytes(12, 0x7F), at, read));  // longer than any size we take
}

TEST(Bps, KnownAnswerIsMadeReadAndApplied)
{
    const Bytes known = {0x42, 0x50, 0x53, 0x31, 0x84, 0x84, 0x80, 0x88, 0x81, 0x45, 0xA5,
                         0x20, 0x17, 0xDB, 0x33, 0x10, 0x10, 0xAC, 0x0F, 0x3B, 0x4F, 0x6A};
    EXPECT_EQ(CreateBps(FromText("ABCD"), FromText("ABCE")).patch, known);
    const BpsHeader header = ReadBpsHeader(known);
    EXPECT_EQ(header.error, BpsError::None);
    EXPECT_EQ(header.sourceSize, 4U);
    EXPECT_EQ(header.targetSize, 4U);
    EXPECT_EQ(header.sourceCrc, ModelCrc32(FromText("ABCD")));
    EXPECT_EQ(header.targetCrc, ModelCrc32(FromText("ABCE")));
    EXPECT_EQ(ApplyBps(known, FromText("ABCD")).target, FromText("ABCE"));
}

// Pairs of every kind a ROM hack makes, each made, checked by the plain reader and
// applied by the product.
TEST(Bps, CreatedPatchesGiveTheirTargetByBothReaders)
{
    std::mt19937 random(7);
    const Bytes base = RandomBytes(300000, 1);
    const auto edited = [&](int kind) {
        Bytes t = base;
        for (int i = 0; i < 40; ++i) {
            const std::size_t at = random() % t.size();
            const std::size_t length = 1 + random() % 300;
            switch (kind) {
            case 0: std::fill_n(t.begin() + at, std::min(length, t.size() - at), static_cast<uint8_t>(random())); break;
            case 1: t.insert(t.begin() + at, length, static_cast<uint8_t>(random())); break;
            case 2: t.erase(t.begin() + at, t.begin() + at + std::min(length, t.size() - at)); break;
            case 3: std::copy_n(base.begin() + random() % 200000, std::min(length, t.size() - at), t.begin() + at); break;
            }
        }
        return t;
    };
    Bytes grown = base;
    grown.insert(grown.end(), base.begin(), base.begin() + 70000);  // a tail repeating the start
    grown.insert(grown.end(), 5000, 0xFF);                          // and a run
    const std::pair<const char*, std::pair<Bytes, Bytes>> pairs[] = {
        {"changed in place", {base, edited(0)}},
        {"insertions", {base, edited(1)}},
        {"deletions", {base, edited(2)}},
        {"blocks moved", {base, edited(3)}},
        {"grown", {base, grown}},
        {"shrunk", {base, Bytes(base.begin() + 1000, base.begin() + 90000)}},
        {"identical", {base, base}},
        {"unrelated", {base, RandomBytes(50000, 2)}},
        {"empty source", {{}, RandomBytes(3000, 3)}},
        {"empty target", {base, {}}},
        {"both empty", {{}, {}}},
        {"one byte", {{1}, {2}}},
    };
    for (const auto& [name, pair] : pairs) {
        const auto& [source, target] = pair;
        const BpsCreation made = CreateBps(source, target, FromText("<meta/>"));
        ASSERT_EQ(made.error, BpsError::None) << name;
        EXPECT_TRUE(ModelApplyBps(made.patch, source) == target) << name;
        const BpsApplication applied = ApplyBps(made.patch, source);
        EXPECT_EQ(applied.error, BpsError::None) << name;
        EXPECT_TRUE(applied.target == target) << name;
        EXPECT_EQ(std::string(applied.header.metadata.begin(), applied.header.metadata.end()), "<meta/>") << name;
    }
}

TEST(Bps, PatchesOfShiftedFilesHoldLittleMoreThanTheNewBytes)
{
    const Bytes source = RandomBytes(1 << 20, 4);
    Bytes target = source;
    std::size_t added = 0;
    for (const std::size_t at : {900000U, 500000U, 123457U, 777U}) {  // from the end, so offsets hold
        const Bytes inserted = RandomBytes(100, static_cast<unsigned>(at));
        target.insert(target.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(), inserted.end());
        target.erase(target.begin() + static_cast<std::ptrdiff_t>(at + 5000), target.begin() + static_cast<std::ptrdiff_t>(at + 5030));
        added += inserted.size();
    }
    const BpsCreation made = CreateBps(source, target);
    EXPECT_LT(made.patch.size(), added + 100);
    Bytes runs = source;
    std::fill_n(runs.begin() + 1000, 100000, 0xAA);  // a run not in the source: one byte and a copy
    EXPECT_LT(CreateBps(source, runs).patch.size(), 64U);
}

TEST(Bps, UnsoundPatchesAndWrongFilesAreRefused)
{
    const Bytes source = FromText("ABCDEFGH");
    const Bytes target = FromText("ABCDXYZW");
    const Bytes patch = CreateBps(source, target).patch;
    Bytes flipped = patch;
    flipped[9] ^= 1;
    Bytes otherMagic = patch;
    otherMagic[0] = 'U';
    const auto hand = [&](const Bytes& actions, const Bytes& made = FromText("ABCDXYZW")) {
        return HandPatch{source, made, actions}.build();
    };
    const struct {
        const char* name;
        Bytes patch, file;
        BpsError error;
    } cases[] = {
        {"18 bytes", Bytes(patch.begin(), patch.begin() + 18), source, BpsError::NotAPatch},
        {"no magic", otherMagic, source, BpsError::NotAPatch},
        {"flipped byte", flipped, source, BpsError::PatchDamaged},
        {"wrong size", patch, FromText("ABCDEFG"), BpsError::WrongSourceSize},
        {"wrong content", patch, FromText("ABCDEFGX"), BpsError::WrongSourceCrc},
        {"target given", patch, target, BpsError::SourceIsTarget},
        {"source read past source", hand({0xA0}, Bytes(9, 'A')), source, BpsError::ActionOutOfBounds},
        {"target read past patch", hand({0x9D, 'X'}), source, BpsError::ActionOutOfBounds},
        {"source copy before 0", hand({0x9E, 0x83}), source, BpsError::ActionOutOfBounds},
        {"target copy of bytes not made", hand({0x8C, 0x8F, 0x88}), source, BpsError::ActionOutOfBounds},
        {"past the target", hand({0xA0}), source, BpsError::ActionOutOfBounds},
        {"ends early", hand({0x8C}), source, BpsError::ActionsEndEarly},
        {"other target", hand({0x8C, 0x8D, 'X', 'Y', 'Z', 'Q'}), source, BpsError::WrongTargetCrc},
    };
    for (const auto& c : cases) {
        const BpsApplication applied = ApplyBps(c.patch, c.file);
        EXPECT_EQ(applied.error, c.error) << c.name;
        EXPECT_TRUE(applied.target.empty()) << c.name;
        EXPECT_FALSE(BpsErrorText(applied).empty()) << c.name;
    }
}

TEST(Bps, IgnoringChecksumsAppliesWhenOnlyTheyDisagree)
{
    const Bytes source = FromText("ABCDEFGH");
    Bytes patch = CreateBps(source, FromText("ABCDEFGX")).patch;
    patch[patch.size() - 1] ^= 0xFF;  // the patch's own CRC
    const Bytes other = FromText("QBCDEFGH");
    EXPECT_EQ(ApplyBps(patch, other, true).target, FromText("QBCDEFGX"));
    EXPECT_EQ(ApplyBps(patch, FromText("ABCDEFG"), true).error, BpsError::WrongSourceSize);
}

TEST(Bps, MessagesNameTheExpectedAndTheFoundFile)
{
    const Bytes patch = CreateBps(FromText("ABCD"), FromText("ABCE")).patch;
    EXPECT_EQ(BpsErrorText(ApplyBps(patch, FromText("ABC"))),
              "This patch was made for another file: it expects 4 bytes with the CRC32 DB1720A5, this file has 3 "
              "bytes with the CRC32 A3830348.");
    EXPECT_EQ(BpsErrorText(ApplyBps(patch, FromText("ABCE"))),
              "This file is already the patched file (4 bytes, CRC32 AC101033); the patch is not applied again.");
}

TEST(Ups, AppliesForwardsAndBackwards)
{
    const Bytes input = RandomBytes(5000, 5);
    Bytes output = input;
    output[10] ^= 0x55;
    std::fill_n(output.begin() + 2000, 30, 0);
    const std::pair<Bytes, Bytes> pairs[] = {{input, output},
                                             {input, Bytes(input.begin(), input.begin() + 3000)},
                                             {input, RandomBytes(7000, 6)}};
    for (const auto& [from, to] : pairs) {
        const Bytes patch = testing::ModelUps(from, to);
        const UpsApplication forwards = ApplyUps(patch, from);
        EXPECT_EQ(forwards.error, BpsError::None);
        EXPECT_TRUE(forwards.result == to);
        const UpsApplication backwards = ApplyUps(patch, to);
        EXPECT_TRUE(backwards.backwards && backwards.result == from);
        EXPECT_EQ(ApplyUps(patch, RandomBytes(5000, 9)).error, BpsError::WrongSourceCrc);
        Bytes damaged = patch;
        damaged[6] ^= 1;
        EXPECT_EQ(ApplyUps(damaged, from).error, BpsError::PatchDamaged);
    }
    EXPECT_EQ(ApplyUps(Bytes(17, 'U'), input).error, BpsError::NotAPatch);
}

}  // namespace
}  // namespace zarvo
