#include "copy/copy_estimate.h"
#include <gtest/gtest.h>

TEST(CopyEstimate, PercentAndTimeLeftFromFigures) {
    CopyFigures figures;
    EXPECT_EQ(ProgressPercent(figures), 0);
    EXPECT_EQ(EstimateSecondsLeft(figures, 5000), -1);  // nothing done yet

    // One 1 GiB file, a quarter done after 10 s: 30 s to go.
    figures.filesTotal = 1;
    figures.bytesTotal = 1ull << 30;
    figures.bytesDone = figures.bytesTotal / 4;
    EXPECT_NEAR(ProgressPercent(figures), 25, 1);
    EXPECT_NEAR(EstimateSecondsLeft(figures, 10000), 30, 1);
    EXPECT_EQ(EstimateSecondsLeft(figures, 500), -1);  // too early to tell

    // Ten thousand empty files count by their number.
    figures = CopyFigures();
    figures.filesTotal = 10000;
    figures.filesDone = 2500;
    EXPECT_EQ(ProgressPercent(figures), 25);
    EXPECT_NEAR(EstimateSecondsLeft(figures, 4000), 12, 1);

    figures.filesDone = figures.filesTotal;
    EXPECT_EQ(ProgressPercent(figures), 100);
    EXPECT_EQ(EstimateSecondsLeft(figures, 4000), 0);
}
