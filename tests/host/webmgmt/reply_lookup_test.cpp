#include "webmgmt/reply_list.h"
#include "webmgmt/reply_lookup.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
std::string Function(const std::string& name, const std::string& valueLine) {
    return "function " + name + "()\r\n{\r\n" + valueLine + "\r\n}\r\n";
}
}  // namespace

TEST(ReplyLookup, ListValueLosesBracketsAndQuotesAndSplitsIntoItsNames) {
    const std::string reply = "<script>\r\n" + Function("pool_names", "    return [\"Volume_1\",\"Volume_2\"];");
    std::string volumes = FindReplyValueIn(reply, "pool_names()");
    EXPECT_EQ(volumes, "Volume_1,Volume_2");
    EXPECT_EQ(SplitFirstItem(volumes), "Volume_1");
    EXPECT_EQ(SplitFirstItem(volumes), "Volume_2");
    EXPECT_EQ(SplitFirstItem(volumes), "");
    EXPECT_EQ(FindReplyValueIn(Function("pool_names", "return [];"), "pool_names()"), "");
}

TEST(ReplyLookup, ValueLineWithoutBracketIsWholeLineWithItsLineFeed) {
    // CR LF reads as LF, as a text-mode stream gives it.
    EXPECT_EQ(FindReplyValueIn(Function("create_share_success", "    ok"), "create_share_success()"), "    ok\n");
}

TEST(ReplyLookup, MarkerIsASubstringTestSoTheFirstMatchingLineWins) {
    const std::string reply = Function("foreign_shares", "return [\"USB_Photos\"];") +
                              Function("shares", "return [\"Music\",\"Photos\"];");
    EXPECT_EQ(FindReplyValueIn(reply, "shares()"), "USB_Photos");
    EXPECT_EQ(FindReplyValueIn(reply, "foreign_shares()"), "USB_Photos");
    EXPECT_EQ(FindReplyValueIn(reply, "Shares()"), "");  // case matters
    EXPECT_EQ(FindReplyValueIn(reply, "pool_names()"), "");
    EXPECT_EQ(FindReplyValueIn("", "shares()"), "");
}

TEST(ReplyLookup, DeleteMarkerNeedsItsSemicolon) {
    const std::string reply = "x = delete_share_success();\nfunction delete_share_success() {\n return [\"1\"];\n}\n";
    EXPECT_EQ(FindReplyValueIn(reply, "delete_share_success();"), "1");
    EXPECT_EQ(FindReplyValueIn(Function("delete_share_success", "return [\"1\"];"), "delete_share_success();"), "");
}

TEST(ReplyLookup, ReplyEndingEarlyLeavesTheLastLineReadAsValueLine) {
    EXPECT_EQ(FindReplyValueIn("a disconnect_success() [\"d\"]", "disconnect_success()"), "d");
    EXPECT_EQ(FindReplyValueIn("disconnect_success()\n[\"x\",\"y\"]\n", "disconnect_success()"), "x,y");
}

TEST(ReplyLookup, LongLinesAreReadInPiecesOf259Bytes) {
    // The marker sits in the second piece of a long line; the value line is two pieces further on.
    const std::string longLine = std::string(kReplyPieceLength, 'x') + "shares()" + std::string(300, 'y') + "\n";
    EXPECT_EQ(FindReplyValueIn(longLine + "[\"late\"]\n", "shares()"), "late");
    const std::string reply = std::string(kReplyPieceLength, 'x') + "shares()\n{\n[\"Music\"]\n";
    EXPECT_EQ(FindReplyValueIn(reply, "shares()"), "Music");
    // A marker split across a piece boundary is not found.
    const std::string split = std::string(kReplyPieceLength - 3, 'x') + "shares()\n{\n[\"Music\"]\n";
    EXPECT_EQ(FindReplyValueIn(split, "shares()"), "");
}

TEST(ReplyLookup, ZeroByteEndsAPiece) {
    const std::string reply = std::string("shares()\n{\n[\"Mu") + '\0' + "sic\"]\n";
    EXPECT_EQ(FindReplyValueIn(reply, "shares()"), "Mu");
}

TEST(ReplyList, IndexComparesWholeItemsIgnoringCase) {
    EXPECT_EQ(IndexOfListItem("Photos, Music", "Photo"), -1);
    EXPECT_EQ(IndexOfListItem("Photos, Music", "Music"), 1);
    EXPECT_EQ(IndexOfListItem("MUSIC, Music", "Music"), 0);
    // The quick substring test before the walk is case-sensitive.
    EXPECT_EQ(IndexOfListItem("Photos, Music", "music"), -1);
    EXPECT_EQ(IndexOfListItem("Photos,Music,Video", "Video"), 2);
    EXPECT_EQ(IndexOfListItem("Photos,Music", "Photos"), 0);
    EXPECT_EQ(IndexOfListItem("", "Photos"), -1);
    EXPECT_EQ(IndexOfListItem("Photos,Music", "Movies"), -1);
}

TEST(ReplyList, ApostrophesAreLookedUpInTheirEscapedForm) {
    EXPECT_EQ(IndexOfListItem("Music,O\\'Neil", "O'Neil"), 1);
    EXPECT_EQ(IndexOfListItem("Music,O'Neil", "O'Neil"), -1);
}

TEST(ReplyList, ItemAtPositionAndBeyondTheEnd) {
    EXPECT_EQ(ListItemAt("Volume_1, Volume_2,Volume_3", 0), "Volume_1");
    EXPECT_EQ(ListItemAt("Volume_1, Volume_2,Volume_3", 1), "Volume_2");
    EXPECT_EQ(ListItemAt("Volume_1, Volume_2,Volume_3", 5), "Volume_3");
    EXPECT_EQ(ListItemAt("Volume_1", 0), "Volume_1");
    EXPECT_EQ(ListItemAt("Volume_1", -1), "");
    EXPECT_EQ(ListItemAt("", 0), "");
}

TEST(ReplyList, SplitFirstItemSkipsBlanksAfterCommas) {
    std::string list = "  Volume_1,   Volume_2\n";
    EXPECT_EQ(SplitFirstItem(list), "Volume_1");
    EXPECT_EQ(SplitFirstItem(list), "Volume_2\n");
    EXPECT_EQ(list, "");
    EXPECT_EQ(SplitFirstItem(list), "");
}
