#include "app/help_document.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(HelpDocumentPieces, LongDocumentArrivesInOrderAndIsUsedUp) {
    std::string original;
    for (int i = 0; i < 2500; ++i) original += std::to_string(i) + ' ';
    std::string document = original;
    std::string received;
    std::vector<size_t> pieces;
    char buffer[4096];
    for (;;) {
        const size_t count = TakeDocumentPiece(document, buffer, sizeof buffer);
        if (count == 0) break;
        pieces.push_back(count);
        received.append(buffer, count);
    }
    EXPECT_EQ(received, original);
    EXPECT_TRUE(document.empty());
    ASSERT_GE(pieces.size(), 3u);
    for (size_t i = 0; i + 1 < pieces.size(); ++i) EXPECT_EQ(pieces[i], sizeof buffer);
    EXPECT_EQ(pieces.back(), original.size() % sizeof buffer);
}

TEST(HelpDocumentPieces, ShortDocumentComesWhole) {
    std::string document = "{\\rtf1 tiny}";
    char buffer[64] = {};
    EXPECT_EQ(TakeDocumentPiece(document, buffer, sizeof buffer), 12u);
    EXPECT_EQ(std::string(buffer, 12), "{\\rtf1 tiny}");
    EXPECT_TRUE(document.empty());
    EXPECT_EQ(TakeDocumentPiece(document, buffer, sizeof buffer), 0u);
}
