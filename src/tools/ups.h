#pragma once
// Applying UPS patches, the older format that BPS replaced.
//
// A patch is "UPS1", the input size, the output size, then records up to the last 12
// bytes: a number of bytes to skip, then bytes XOR-ed into the file one after another
// up to and including a 00 byte, which ends the record. The last 12 bytes hold the
// CRC-32 of the input, of the output and of the patch before these 4 bytes. Because
// XOR undoes itself, a patch applied to its output gives its input back.

#include "tools/bps.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zarvo {

struct UpsApplication {
    BpsError error = BpsError::None;  // the reasons of BPS, where they apply
    uint32_t inputSize = 0;           // as the patch records them
    uint32_t outputSize = 0;
    uint32_t inputCrc = 0;
    uint32_t outputCrc = 0;
    uint32_t patchCrc = 0;
    uint32_t patchCrcFound = 0;
    uint32_t fileSize = 0;  // of the file given
    uint32_t fileCrc = 0;
    uint32_t resultCrc = 0;  // of what the records made, for WrongTargetCrc
    bool backwards = false;  // the file given was the patch's output: the input was made
    std::vector<uint8_t> result;
};

// The patch applied to file, forwards when file is the patch's input and backwards
// when it is its output; nothing is made for any other file or a damaged patch.
[[nodiscard]] UpsApplication ApplyUps(std::span<const uint8_t> patch, std::span<const uint8_t> file);

// What went wrong, for the user. Empty for None.
[[nodiscard]] std::string UpsErrorText(const UpsApplication& application);

}  // namespace zarvo
