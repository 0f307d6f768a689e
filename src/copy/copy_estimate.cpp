#include "copy/copy_estimate.h"

namespace {
// About what one small file costs on a share, in bytes of a large file's copy.
constexpr uint64_t kBytesPerFile = 64 * 1024;
constexpr uint64_t kMinimumElapsedMs = 1000;

uint64_t WorkDone(const CopyFigures& figures) { return figures.bytesDone + figures.filesDone * kBytesPerFile; }
uint64_t WorkTotal(const CopyFigures& figures) { return figures.bytesTotal + figures.filesTotal * kBytesPerFile; }
}  // namespace

int ProgressPercent(const CopyFigures& figures) {
    const uint64_t total = WorkTotal(figures);
    if (total == 0) return 0;
    const uint64_t done = WorkDone(figures);
    return done >= total ? 100 : static_cast<int>(static_cast<double>(done) * 100.0 / static_cast<double>(total));
}

int64_t EstimateSecondsLeft(const CopyFigures& figures, uint64_t elapsedMs) {
    const uint64_t done = WorkDone(figures);
    const uint64_t total = WorkTotal(figures);
    if (done == 0 || elapsedMs < kMinimumElapsedMs) return -1;
    if (done >= total) return 0;
    // In milliseconds per unit of work, as a double: bytes times milliseconds overflows 64 bits for large copies.
    const double left = static_cast<double>(total - done) * static_cast<double>(elapsedMs) / static_cast<double>(done);
    return static_cast<int64_t>(left / 1000.0 + 0.999);
}
