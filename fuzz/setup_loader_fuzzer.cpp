// Any bytes as "Tavrel.DAT": the start-up load never crashes, changes nothing
// unless the file holds a whole record, takes the last whole record, keeps
// every text within its capacity, and what it loaded saves and loads again
// unchanged.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "FuzzSupport.h"
#include "SetupFile.h"
#include "SetupRecord.h"

namespace
{

SilentMessageBoxes silent;

AppState StartUpState()
{
    AppState s;
    s.HomeDishCm = 300;
    s.DxDishCm = 250;
    s.PlannerMaxDxElevation = 90;
    s.HomeCallSign = QStringLiteral("KEEP");
    return s;
}

void WriteSetupFile(const uint8_t* data, size_t size)
{
    const int fd = ::open("Tavrel.DAT", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    FUZZ_CHECK(fd >= 0);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        FUZZ_CHECK(n > 0);
        done += size_t(n);
    }
    ::close(fd);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterScratchDirectory();
    SetMessages(&silent);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteSetupFile(data, size);
    AppState state = StartUpState();
    const SetupLoadStatus status = LoadSetupAtStart(state);

    const size_t records = size / SetupRecordSize;
    if (records == 0) {
        FUZZ_CHECK(status == SetupLoadStatus::NotFound);
        FUZZ_CHECK(state.HomeCallSign == QLatin1String("KEEP"));
        FUZZ_CHECK(state.HomeDishCm == 300 && state.DxDishCm == 250);
        FUZZ_CHECK(state.SetupBuffer == SetupRecord{});
        return 0;
    }
    FUZZ_CHECK(status == SetupLoadStatus::Loaded);
    const uint8_t* last = data + (records - 1) * SetupRecordSize;
    FUZZ_CHECK(std::memcmp(state.SetupBuffer.data(), last, SetupRecordSize) == 0);
    FUZZ_CHECK(state.HomeLocation.size() <= 15 && state.DxLocation.size() <= 15);
    FUZZ_CHECK(state.HomeCallSign.size() <= 8 && state.DxCallSign.size() <= 8);
    FUZZ_CHECK(state.HomeGridSquare.size() <= 6 && state.DxGridSquare.size() <= 6);

    // Saving what was loaded and loading it again is a fixed point.
    SetupRecord saved = state.SetupBuffer;
    FillSetupRecord(state, saved);
    AppState again;
    ApplySetupRecord(saved, again);
    SetupRecord savedAgain = saved;
    FillSetupRecord(again, savedAgain);
    FUZZ_CHECK(savedAgain == saved);
    return 0;
}
