// How far a batch of copies has come and how long the rest will take, from its figures. Small files cost
// more than their bytes (each one is opened, created and closed), so each file counts as a fixed amount
// of bytes on top of its own.
#pragma once
#include "copy/copy_progress.h"
#include <cstdint>

// 0..100.
int ProgressPercent(const CopyFigures& figures);

// Seconds still to go, or -1 while too little is done to tell.
int64_t EstimateSecondsLeft(const CopyFigures& figures, uint64_t elapsedMs);
