// Placing text lines on printed pages, with a font whose characters are all
// 10 units wide and 20 high.
#include "appcore/textprintlayout.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
class FixedMetrics : public TPrintMetrics {
public:
    int LineHeight() const override { return 20; }
    int AverageWidth() const override { return 10; }
    int Width(QStringView text) const override { return int(text.size()) * 10; }
};

// Records the layout as "page:x,y:text" items.
class Recorder : public TPrintSink {
public:
    void NewPage() override { ++page; }
    void Text(int x, int top, QStringView text) override {
        items.push_back(QStringLiteral("%1:%2,%3:%4").arg(page).arg(x).arg(top).arg(text));
    }
    int page = 1;
    std::vector<QString> items;
};

struct Printed {
    std::vector<QString> items;
    int pages;
};

// A page 100 wide (ten characters) and 110 high: lines at 0, 22, 44 and 66;
// the next one would begin at 88, lower than 110 - 2 * 20.
Printed Print(const std::vector<QString>& lines, int width = 100, int height = 110) {
    FixedMetrics metrics;
    Recorder sink;
    TTextPrintLayout layout(metrics, sink, width, height);
    for (const QString& line : lines)
        layout.Line(line);
    EXPECT_EQ(layout.Pages(), sink.page);
    return {sink.items, layout.Pages()};
}

using Items = std::vector<QString>;
} // namespace

TEST(TextPrintLayout, NothingToPrintGivesOneEmptyPage) {
    const Printed p = Print({});
    EXPECT_TRUE(p.items.empty());
    EXPECT_EQ(p.pages, 1);
}

TEST(TextPrintLayout, LinesGoDownByTheirHeightPlusTwo) {
    EXPECT_EQ(Print({"a", "", "c"}).items, Items({"1:0,0:a", "1:0,44:c"}));
}

TEST(TextPrintLayout, ANewPageWhenTheNextLineWouldBeginTooLow) {
    const Printed p = Print({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    EXPECT_EQ(p.items, Items({"1:0,0:1", "1:0,22:2", "1:0,44:3", "1:0,66:4", "2:0,0:5", "2:0,22:6",
                              "2:0,44:7", "2:0,66:8", "3:0,0:9"}));
    EXPECT_EQ(p.pages, 3);
}

TEST(TextPrintLayout, AFullLastPageAddsNoEmptyPage) {
    EXPECT_EQ(Print({"1", "2", "3", "4"}).pages, 1);
    EXPECT_EQ(Print({"1", "2", "3", "4", ""}).pages, 2); // an empty line is a line too
}

TEST(TextPrintLayout, ALongLineBreaksAfterTheLastCharacterThatFits) {
    EXPECT_EQ(Print({"0123456789abcdefghijklmnopqrstu", "x"}).items,
              Items({"1:0,0:0123456789", "1:0,22:abcdefghij", "1:0,44:klmnopqrst", "1:0,66:u",
                     "2:0,0:x"}));
    EXPECT_EQ(Print({"0123456789"}).items, Items({"1:0,0:0123456789"})); // exactly full
}

TEST(TextPrintLayout, TabsGoToMultiplesOfEightAverageWidths) {
    EXPECT_EQ(Print({"a\tb", "\tc", "abcdefgh\ti", "a\t\tb"}, 300).items,
              Items({"1:0,0:a", "1:80,0:b", "1:80,22:c", "1:0,44:abcdefgh", "1:160,44:i",
                     "1:0,66:a", "1:160,66:b"}));
}

TEST(TextPrintLayout, ATabBeyondTheRightEdgeContinuesOnTheNextLine) {
    EXPECT_EQ(Print({"abcdefghi\tj"}).items, Items({"1:0,0:abcdefghi", "1:0,22:j"}));
    EXPECT_EQ(Print({"abcdefgh\tj"}, 80).items, Items({"1:0,0:abcdefgh", "1:0,22:j"}));
}

TEST(TextPrintLayout, AFormFeedStartsANewPage) {
    EXPECT_EQ(Print({"a\fb", "c"}).items, Items({"1:0,0:a", "2:0,0:b", "2:0,22:c"}));
    EXPECT_EQ(Print({"a", "\f", "c"}).items, Items({"1:0,0:a", "2:0,0:c"}));
    EXPECT_EQ(Print({"a\f", "c"}).items, Items({"1:0,0:a", "2:0,0:c"}));
}

TEST(TextPrintLayout, FormFeedsInARowLeaveEmptyPagesAndATrailingOneNone) {
    const Printed p = Print({"a", "\f\f", "b", "\f"});
    EXPECT_EQ(p.items, Items({"1:0,0:a", "3:0,0:b"}));
    EXPECT_EQ(p.pages, 3);
}

TEST(TextPrintLayout, APageNarrowerThanOneCharacterStillPrintsEveryCharacter) {
    EXPECT_EQ(Print({"abc"}, 5).items, Items({"1:0,0:a", "1:0,22:b", "1:0,44:c"}));
}
