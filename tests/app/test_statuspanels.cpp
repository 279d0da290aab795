// Status bar panels: widths, alignment, growing to fit their text.
#include "app/statuspanels.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(StatusPanels, PanelsHaveTheirWidthsAndAlignments) {
    TStatusPanels bar("Bar",
                      {{100, Qt::AlignHCenter}, {38, Qt::AlignHCenter}, {50, Qt::AlignLeft}});
    EXPECT_EQ(bar.PanelCount(), 3);
    EXPECT_EQ(bar.Panel(0)->minimumWidth(), 100);
    EXPECT_EQ(bar.Panel(0)->maximumWidth(), 100);
    EXPECT_EQ(bar.Panel(1)->maximumWidth(), 38);
    EXPECT_TRUE(bar.Panel(1)->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(bar.Panel(2)->alignment() & Qt::AlignLeft);
    EXPECT_GT(bar.Panel(2)->maximumWidth(), 50); // the last one takes the rest
}

TEST(StatusPanels, ShortTextKeepsThePanelWidth) {
    TStatusPanels bar("Bar", {{100, Qt::AlignHCenter}, {50, Qt::AlignLeft}});
    bar.SetPanelText(0, "WST");
    EXPECT_EQ(bar.PanelText(0), "WST");
    EXPECT_EQ(bar.Panel(0)->maximumWidth(), 100);
}

TEST(StatusPanels, LongTextMakesThePanelGrowAndItStaysWide) {
    TStatusPanels bar("Bar", {{38, Qt::AlignHCenter}, {50, Qt::AlignLeft}});
    const QString text = "Nie zmieniony, a nawet bardzo zmieniony";
    bar.SetPanelText(0, text);
    const int grown = bar.Panel(0)->maximumWidth();
    EXPECT_GE(grown, bar.Panel(0)->fontMetrics().horizontalAdvance(text));
    bar.SetPanelText(0, "NAD");
    EXPECT_EQ(bar.Panel(0)->maximumWidth(), grown);
}
