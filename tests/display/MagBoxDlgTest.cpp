// The region-size and centroid box dialogs: the bar that runs opposite to the size, Cancel
// restoring the size, and the box that is never narrower than the centroid region.
#include "common/ScriptedUiPrompt.h"
#include "display/BoxDlg.h"
#include "display/MgRgnDlg.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace solar::test {

TEST(MagnRgnDlg, BarRunsOppositeToTheSizeAndCancelRestores) {
    int repaints = 0;
    TMagnRgnDlg dlg(24, [&] { ++repaints; });
    EXPECT_EQ(dlg.RegionSize, 24);
    dlg.FormActivate();
    EXPECT_EQ(dlg.BoxWdEd->value(), 24);
    EXPECT_EQ(dlg.BoxWdScroll->value(), 37); // 48 - 12 + 1
    // Bar to the far right: (48 - 48 + 1) * 2 = 2, the magnifier follows live.
    repaints = 0;
    dlg.BoxWdScroll->setValue(48);
    EXPECT_EQ(dlg.RegionSize, 2);
    EXPECT_EQ(dlg.BoxWdEd->value(), 2);
    EXPECT_GE(repaints, 1);
    // The spin moves the bar: 50 -> 48 - 25 + 1 = 24.
    dlg.BoxWdEd->setValue(50);
    EXPECT_EQ(dlg.BoxWdScroll->value(), 24);
    EXPECT_EQ(dlg.RegionSize, 50);
    dlg.reject();
    EXPECT_EQ(dlg.RegionSize, 24);
    // OK keeps the spin's size; Default goes back to the options' size.
    dlg.FormActivate();
    dlg.BoxWdEd->setValue(96);
    dlg.DfltBtn->click();
    EXPECT_EQ(dlg.BoxWdEd->value(), 24);
    dlg.BoxWdEd->setValue(40);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.RegionSize, 40);

    // The options' default size edited alone: no bar, OK writes it.
    ScriptedUiPrompt ui;
    std::uint8_t size = 24;
    ui.onDialog([](QDialog &d) {
        auto &m = static_cast<TMagnRgnDlg &>(d);
        EXPECT_EQ(m.windowTitle(), "Set Default Mag Rgn Size");
        EXPECT_TRUE(m.BoxWdScroll->isHidden());
        m.BoxWdEd->setValue(36);
        m.OKBtn->click();
        return m.result();
    });
    EXPECT_TRUE(TMagnRgnDlg::editDefaultSize(size));
    EXPECT_EQ(size, 36);
}

TEST(BoxDlg, BoxNeverNarrowerThanTheRegion) {
    BoxParams box; // 8, 7, 0
    box.centroidHalfDiameter = 8;
    TBoxDlgForm1 dlg(box);
    dlg.FormActivate();
    EXPECT_EQ(dlg.BoxWdEd->value(), 16);
    EXPECT_EQ(dlg.ImgWdEd->value(), 16);
    // Box 14 while the region is 16: the region follows down to 14.
    dlg.BoxWdEd->setValue(14);
    EXPECT_EQ(dlg.ImgWdEd->value(), 14);
    // Region 18: the box widens to 18.
    dlg.ImgWdEd->setValue(18);
    EXPECT_EQ(dlg.BoxWdEd->value(), 18);
    dlg.SkyWdEd->setValue(3);
    dlg.OKBtn->click();
    EXPECT_EQ(box.searchHalfWidth, 9);
    EXPECT_EQ(box.centroidHalfDiameter, 9);
    EXPECT_EQ(box.skyBorder, 3);
    // Defaults 16, 14, 0 become half widths 8 and 7.
    dlg.FormActivate();
    dlg.DfltBtn->click();
    dlg.OKBtn->click();
    EXPECT_EQ(box.searchHalfWidth, 8);
    EXPECT_EQ(box.centroidHalfDiameter, 7);
    EXPECT_EQ(box.skyBorder, 0);

    // Through the options: Cancel leaves them; OK copies the values back.
    ScriptedUiPrompt ui;
    BoxParams options;
    ui.onDialog([](QDialog &d) {
        auto &b = static_cast<TBoxDlgForm1 &>(d);
        EXPECT_EQ(b.windowTitle(), "\"Box\" Parameters");
        b.BoxWdEd->setValue(20);
        b.CancelBtn->click();
        return b.result();
    });
    EXPECT_FALSE(TBoxDlgForm1::editBox(options));
    EXPECT_EQ(options.searchHalfWidth, 8);
    ui.onDialog([](QDialog &d) {
        auto &b = static_cast<TBoxDlgForm1 &>(d);
        b.BoxWdEd->setValue(20);
        b.OKBtn->click();
        return b.result();
    });
    EXPECT_TRUE(TBoxDlgForm1::editBox(options));
    EXPECT_EQ(options.searchHalfWidth, 10);
}

} // namespace solar::test
