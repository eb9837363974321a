#pragma once
// The texts of the ROM and patch tools, exactly as users know them. The windows and
// zarvo-tool show these; the logic picks which one applies.

namespace zarvo::messages {

// IPS patches.
inline constexpr const char* kIpsChooseUnchangedTitle = "Open UNCHANGED file...";
inline constexpr const char* kIpsChooseUnchangedFilter = "All files (*.*)|*.*";
inline constexpr const char* kIpsChoosePatchTitle = "Open PATCH file...";
inline constexpr const char* kIpsChoosePatchFilter = "IPS files (*.ips)|*.ips";
inline constexpr const char* kIpsChooserTitleAfter = "Open";
inline constexpr const char* kIpsUnchangedNotFound = "File Not found or Valid... No patch created.";
inline constexpr const char* kIpsErrorCaption = "IPS Error";
inline constexpr const char* kIpsNoMemoryForUnchanged = "Fatal Error: Could Not Allocate Memory for UNCHANGED File.";
inline constexpr const char* kIpsUnchangedTooLarge =
    "The UNCHANGED file is 2 GB or larger, more than can be read.\n No patch created.";
inline constexpr const char* kIpsCannotCreatePatch = "No Patching was performed...";
inline constexpr const char* kIpsCreatorCaption = "IPS Creator...";
inline constexpr const char* kIpsFilesSame = " These files are the same.\n No patch created.";
inline constexpr const char* kIpsBeyondOffsetLimit =
    " These files differ at or past 16 MB (offset $1000000),\n which an IPS file cannot reach.\n No patch created.";
inline constexpr const char* kIpsCreated = "Patch Creation completed!";
inline constexpr const char* kIpsPatcherCaption = " IPS Patcher...";
inline constexpr const char* kIpsSaveFirstQuestion = "Save ROM before patching?";
inline constexpr const char* kIpsPatchNotFound = "File Not found or Valid... No patching performed.";
inline constexpr const char* kIpsPatchTooLarge = "The PATCH file is 2 GB or larger.\n No patching performed.";
inline constexpr const char* kIpsNotAPatch = "Not a valid \"PATCH\" file!";
inline constexpr const char* kIpsPatchTruncated = "This PATCH file ends inside a record... No patching performed.";
inline constexpr const char* kIpsNoMemoryForPatched = "Fatal Error: Could Not Allocate Memory for PATCHED File.";
inline constexpr const char* kIpsApplied = "Patching is complete! Remember to SAVE the changes!";

// BPS and UPS patches. Texts with %lu and %08lX are filled in by the logic.
inline constexpr const char* kBpsNotAPatch =
    "This is not a BPS patch: it is too short or does not begin with \"BPS1\".";
inline constexpr const char* kBpsTooLarge = "The patch is for files of 2 GB or more, larger than can be read.";
inline constexpr const char* kBpsBadHeader = "The patch is damaged: its header runs past its end.";
inline constexpr const char* kBpsPatchDamaged =
    "The patch is damaged: its bytes give the CRC32 %08lX, it records %08lX.";
inline constexpr const char* kBpsSourceIsTarget =
    "This file is already the patched file (%lu bytes, CRC32 %08lX); the patch is not applied again.";
inline constexpr const char* kBpsWrongSource =
    "This patch was made for another file: it expects %lu bytes with the CRC32 %08lX, this file has %lu bytes "
    "with the CRC32 %08lX.";
inline constexpr const char* kBpsActionOutOfBounds =
    "The patch is damaged: an action reaches outside the source, the patch or the target.";
inline constexpr const char* kBpsActionsEndEarly =
    "The patch is damaged: its actions end before the target is complete.";
inline constexpr const char* kBpsWrongTarget = "The patched file would have the CRC32 %08lX, the patch expects %08lX.";
inline constexpr const char* kBpsOutOfMemory = "Not enough memory to hold the patched file.";
inline constexpr const char* kUpsNotAPatch =
    "This is not a UPS patch: it is too short or does not begin with \"UPS1\".";
inline constexpr const char* kUpsWrongInput =
    "This patch was made for another file: it expects %lu bytes with the CRC32 %08lX (or the patched file, %lu bytes "
    "with the CRC32 %08lX).";
inline constexpr const char* kUpsDamaged = "The patch is damaged: a record runs past its end.";

// BPS and UPS patches in the editor; the texts of the IPS commands where they apply.
inline constexpr const char* kBpsCreatorCaption = "BPS Creator...";
inline constexpr const char* kBpsErrorCaption = "BPS Error";
inline constexpr const char* kBpsPatcherCaption = "BPS Patcher...";
inline constexpr const char* kUpsPatcherCaption = "UPS Patcher...";
inline constexpr const char* kBpsChoosePatchFilter = "BPS / UPS patches (*.bps *.ups)|*.bps;*.ups|All files (*.*)|*.*";
inline constexpr const char* kNeitherBpsNorUps =
    "This is neither a BPS nor a UPS patch: it is too short, or begins with neither \"BPS1\" nor \"UPS1\".";
inline constexpr const char* kPatchOverItsInput =
    " The patch would be written over a file it is made from.\n No patch created.";
inline constexpr const char* kUpsTakenBack =
    "This file was the patched file: the patch was taken back, giving the file it was made from. Remember to SAVE "
    "the changes!";

// SNES address converter.
inline constexpr const char* kSnesConverterCaption = "Snes To Hex Convertor";
inline constexpr const char* kSnesConverterHeading = "Offset:  Snes      Rom";
inline constexpr const char* kSnesConvertHint = "Convert the value";
inline constexpr const char* kSnesOptionsFrame = " Options ";
inline constexpr const char* kSnesIncludeHeader = "Include $200";
inline constexpr const char* kSnesBank80 = "$8x:xxxx";
inline constexpr const char* kSnesGotoOffset = "Goto Offset";
inline constexpr const char* kSnesBelow400200 = "Address must be < $400200";
inline constexpr const char* kSnesHeaderIncluded = "Address must be > $200 when header is included.";
inline constexpr const char* kSnesNeedsBit15 = "Address must be >= $Xx:8xxx";
inline constexpr const char* kSnesBelowC00000 = "Address must be >= $Cxxxxxx";
inline constexpr const char* kSnesBelow20000 = "Address must be < $20000";
inline constexpr const char* kSnesAbove7FFFFF = "Address must be <= $7FFFFF";
inline constexpr const char* kSnesOutsideVram = "Address must be > $1FFFF AND < $30000";
inline constexpr const char* kSnesBelow8000 = "Address must be < $8000";
inline constexpr const char* kSnesBankAboveFF = "Address must give a bank <= $FF";
inline constexpr const char* kSnesBelow7DF3ED = "Address must be >= $7DF3ED";

// SNES checksum repair.
inline constexpr const char* kChecksumCaption = "CheckSum Repair...";
inline constexpr const char* kChecksumQuestion = "Repair the CheckSum in this ROM?";
inline constexpr const char* kChecksumNesRom = "This is a NES rom. It is\n NOT supported!";
inline constexpr const char* kChecksumTooSmall = "The ROM file is too small to fix! ";
inline constexpr const char* kChecksumNotFound = "Could not locate CHECKSUM!";
inline constexpr const char* kChecksumNotNeeded = "No checksum repair needed.";
inline constexpr const char* kChecksumRepairCaption = "Repair CheckSum";
inline constexpr const char* kChecksumRepaired = "Checksum has been repaired!\n Don't forget to Save the ROM.";
inline constexpr const char* kChecksumNotRepaired = "No checksum repair performed.";

// ROM size change.
inline constexpr const char* kResizeCaption = "Change ROM Size";
inline constexpr const char* kResizeCurrentSizeFirst = "Current Size of ROM:";
inline constexpr const char* kResizeNewSizeLabel = "New ROM Size:";
inline constexpr const char* kResizeAddHeader = "Add Header";
inline constexpr const char* kResizeDone = "Done";
inline constexpr const char* kResizeCancel = "Cancel";
inline constexpr const char* kResizeNoSize = "Error: No size entered...";
inline constexpr const char* kResizeNoHeaderValue =
    "Error: Header addition enabled, but no value supplied.\nError: Data size was set to zero on default.";
inline constexpr const char* kResizeQuestionCaption = "ROM Size Change...";
inline constexpr const char* kResizeFailed = "Error changing ROM size.";
inline constexpr const char* kResizeTooLarge = "Error: New size must be below 2048 Mega-BYTES (2147483648 bytes).";

// File compare.
inline constexpr const char* kCompareCaption = "Compare Files...";
inline constexpr const char* kCompareWaitCaption = "Compare Files...Please Wait.";
inline constexpr const char* kCompareFilesFrame = " Files ";
inline constexpr const char* kCompareSourceLabel = "Source File";
inline constexpr const char* kCompareOtherLabel = "Compare File";
inline constexpr const char* kCompareButton = "Compare";
inline constexpr const char* kCompareChooserFilter = "All files (*.*)|*.*";
inline constexpr const char* kCompareFooter =
    "If either file opened is the current ROM file, then it has to be saved first.";
inline constexpr const char* kCompareMissingName = "Error: Missing file name(s).";
inline constexpr const char* kCompareCannotOpen = "Fatal Error: Could not open A file...";
inline constexpr const char* kCompareTooLarge = "Fatal Error: A file is 2 GB or larger, more than can be compared...";
inline constexpr const char* kCompareNoMemory =
    "Fatal Error: Could not allocate memory for comparison of the two files...";
inline constexpr const char* kCompareNoDifference = "These files match to smallest file length.";
inline constexpr const char* kCompareCompleted = "File comparison completed!";

}  // namespace zarvo::messages
