// Fuzz target: the solver's shares of winnable deals (WINNABLE.DAT beside GAMES.DAT) as the
// open-a-game dialog reads them. Every share taken is a well-formed measurement, found again by
// its id and name, and its text and class are those of a share between 0 and 100 %.

#include "FuzzInput.h"
#include "shell/WinnableShares.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tindle;
    const std::filesystem::path file = fuzz::WorkFolder() / std::string(kWinnableSharesFileName);
    fuzz::WriteFile(file, fuzz::Text(data, size));
    const WinnableShares shares = ReadWinnableShares(file);
    for (const WinnableShare& share : shares) {
        if (share.gameId < 0 || share.searched <= 0 || share.won < 0 ||
            share.won > share.searched || share.name.empty())
            fuzz::Broken();
        if (!FindWinnableShare(shares, share.gameId, share.name)) fuzz::Broken();
        const int shareClass = WinnableShareClass(share);
        if (shareClass < 0 || shareClass > 4) fuzz::Broken();
        if (WinnableShareText(share).rfind("at least ", 0) != 0) fuzz::Broken();
    }
    return 0;
}
