#pragma once
// The contract every way of applying an IPS patch keeps: one table of patches for the
// original bytes 1 2 3 4, each with the error or the patched bytes it must give.

#include "tools/ips.h"
#include "tools/ips_test_support.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zarvo::testing {

inline const std::vector<uint8_t> kContractOriginal = {1, 2, 3, 4};

struct IpsContractCase {
    std::string name;
    std::vector<uint8_t> patch;
    IpsError error = IpsError::None;
    std::vector<uint8_t> result;  // the patched bytes when error is None
};

inline std::vector<IpsContractCase> IpsContractCases()
{
    using P = PatchBytes;
    std::vector<IpsContractCase> cases = {
        {"DataRecord", P().data(1, {9, 8}).end().bytes(), IpsError::None, {1, 9, 8, 4}},
        {"RunRecord", P().run(1, 3, 7).end().bytes(), IpsError::None, {1, 7, 7, 7}},
        {"GapPastTheEndIsZero", P().data(6, {9}).end().bytes(), IpsError::None, {1, 2, 3, 4, 0, 0, 9}},
        {"RunLengthens", P().run(3, 3, 5).end().bytes(), IpsError::None, {1, 2, 3, 5, 5, 5}},
        {"EmptyRunStoresNothing", P().run(10, 0, 5).end().bytes(), IpsError::None, {1, 2, 3, 4}},
        {"LaterRecordWins", P().data(0, {9, 9}).data(1, {8}).end().bytes(), IpsError::None, {9, 8, 3, 4}},
        {"GoingBackOverAnEarlierRecord",
         P().data(2, {9, 9, 9}).data(1, {8, 8}).end().bytes(),
         IpsError::None,
         {1, 8, 8, 9, 9}},
        {"NoEndMark", P().data(0, {9}).bytes(), IpsError::None, {9, 2, 3, 4}},
        {"HeaderOnly", P().bytes(), IpsError::None, {1, 2, 3, 4}},
        {"CutAfterEof", P().data(0, {9}).end().cutTo(2).bytes(), IpsError::None, {9, 2}},
        {"CutDropsRecordsPastIt", P().data(6, {9}).end().cutTo(3).bytes(), IpsError::None, {1, 2, 3}},
        {"CutToNothing", P().end().cutTo(0).bytes(), IpsError::None, {}},
        {"CutOnlyShortens", P().end().cutTo(10).bytes(), IpsError::None, {1, 2, 3, 4}},
        {"TwoBytesAfterEofAreNoCut", P().data(0, {9}).end().raw({0, 0}).bytes(), IpsError::None, {9, 2, 3, 4}},
        {"FourBytesAfterEofAreNoCut", P().end().raw({0, 0, 1, 0}).bytes(), IpsError::None, {1, 2, 3, 4}},
        {"RecordAtTheEofOffsetReadsAsTheEnd", P().data(kIpsEofOffset, {9}).end().bytes(), IpsError::None, {1, 2, 3, 4}},
        {"Empty", {}, IpsError::NotAPatch, {}},
        {"ShortHeader", {'P', 'A', 'T', 'C'}, IpsError::NotAPatch, {}},
        {"LowerCaseHeader", {'p', 'a', 't', 'c', 'h', 'E', 'O', 'F'}, IpsError::NotAPatch, {}},
    };
    // A record just before the end mark's offset, and the last one three offset bytes
    // can reach: the file grows past 16 MiB.
    std::vector<uint8_t> beforeEof(kIpsEofOffset + 1, 0);
    std::copy(kContractOriginal.begin(), kContractOriginal.end(), beforeEof.begin());
    beforeEof[kIpsEofOffset - 1] = 0x45;
    beforeEof[kIpsEofOffset] = 0x4F;
    cases.push_back({"RecordOneByteBeforeTheEofOffset", P().data(kIpsEofOffset - 1, {0x45, 0x4F}).end().bytes(),
                     IpsError::None, beforeEof});
    std::vector<uint8_t> last(kIpsOffsetLimit + 1, 0);
    std::copy(kContractOriginal.begin(), kContractOriginal.end(), last.begin());
    last[kIpsOffsetLimit - 1] = 0xAA;
    last[kIpsOffsetLimit] = 0xBB;
    cases.push_back(
        {"LastOffsetReaches16MiB", P().data(kIpsOffsetLimit - 1, {0xAA, 0xBB}).end().bytes(), IpsError::None, last});

    // Every prefix of a patch: one that ends between records is applied as far as it
    // goes, one that ends inside a record is refused whole.
    const auto whole = P().data(1, {9, 8}).run(0, 2, 7).end().bytes();
    const std::map<std::size_t, std::vector<uint8_t>> betweenRecords = {
        {5, {1, 2, 3, 4}}, {12, {1, 9, 8, 4}}, {20, {7, 7, 8, 4}}, {23, {7, 7, 8, 4}}};
    for (std::size_t size = 5; size <= whole.size(); ++size) {
        const auto applied = betweenRecords.find(size);
        const bool complete = applied != betweenRecords.end();
        cases.push_back({"Prefix" + std::to_string(size),
                         {whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)},
                         complete ? IpsError::None : IpsError::Truncated,
                         complete ? applied->second : std::vector<uint8_t>{}});
    }
    return cases;
}

}  // namespace zarvo::testing
