// The image adjustment dialog against a display record and a counting redisplay step.
#include "imagefiles/ImgAdjst.h"
#include "common/ScriptedUiPrompt.h"
#include "imagefiles/BmpFile.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <cstring>
#include <gtest/gtest.h>

using namespace solar;
using namespace solar::test;

namespace {

std::string bytesOf(const DisplayParams &d) {
    std::uint8_t b[DisplayParams::bytes];
    d.toBytes(b);
    return std::string(reinterpret_cast<char *>(b), sizeof b);
}

// The image window's record after some earlier adjustment: brightness 5, contrast -3.
DisplayParams adjusted() {
    DisplayParams d;
    d.brightness = 5;
    d.contrast = -3;
    d.lowerIndex = 59;
    d.upperIndex = 59 + 71; // 63 x 1.5^0.3 = 71.46 -> 71
    d.contrastFactor = 1.1293;
    d.originalMark = false;
    d.defaultMark = true;
    return d;
}

struct Redraws {
    int count = 0;
    std::vector<DisplayParams> seen;
    std::function<void()> callback(DisplayParams &record) {
        return [this, &record] {
            ++count;
            seen.push_back(record);
        };
    }
};

} // namespace

TEST(ImageAdjust, OpensWithTheRecordAndScrollBarsFollowTheFormulas) {
    ScriptedUiPrompt ui;
    DisplayParams defaults, record = adjusted();
    Redraws redraws;
    TImgAdjstDlg dlg(record, true, defaults, redraws.callback(record));
    dlg.FormActivate();
    EXPECT_EQ(dlg.BriteScroll->value(), 10);
    EXPECT_EQ(dlg.CntrstScroll->value(), -6);
    EXPECT_EQ(dlg.BriteRO->text(), "1.0");
    EXPECT_EQ(dlg.CntrstRO->text(), "-0.6");
    EXPECT_FALSE(dlg.OrigLED->isLit());
    EXPECT_TRUE(dlg.DfltLED->isLit());
    EXPECT_FALSE(dlg.ApplyBtn->isEnabled());
    EXPECT_EQ(redraws.count, 0);
    EXPECT_EQ(dlg.BriteScroll->minimum(), -100);
    EXPECT_EQ(dlg.BriteScroll->maximum(), 100);
    EXPECT_EQ(dlg.BriteScroll->pageStep(), 10);

    // Position 3: brightness Round(1.5) = 2 (half to even), lower 64 - 2 = 62.
    dlg.BriteScroll->setValue(3);
    EXPECT_EQ(dlg.BriteRO->text(), "0.3");
    EXPECT_EQ(record.brightness, 2);
    EXPECT_EQ(record.lowerIndex, 62);
    EXPECT_FALSE(dlg.DfltLED->isLit());
    EXPECT_FALSE(record.defaultMark);
    ASSERT_EQ(redraws.count, 1);
    EXPECT_EQ(redraws.seen.back().brightness, 2);
    // Position 1: brightness Round(0.5) = 0.
    dlg.BriteScroll->setValue(1);
    EXPECT_EQ(record.brightness, 0);
    EXPECT_EQ(record.lowerIndex, 64);

    // Contrast position 20: contrast 10, factor 1.5^-1 = 2/3, upper = 64 + Round(42) = 106.
    dlg.CntrstScroll->setValue(20);
    EXPECT_EQ(record.contrast, 10);
    EXPECT_NEAR(static_cast<double>(record.contrastFactor), 2.0 / 3.0, 1e-15);
    EXPECT_EQ(record.upperIndex, 106);
    // Contrast 50: 63 / 7.59375 = 8.296 -> a ramp of 8 steps.
    dlg.CntrstScroll->setValue(100);
    EXPECT_EQ(record.upperIndex, 64 + 8);
    // Brightness -50, contrast -50: lower 114, 63 x 7.59375 = 478.4 -> upper 592.
    dlg.BriteScroll->setValue(-100);
    dlg.CntrstScroll->setValue(-100);
    EXPECT_EQ(record.lowerIndex, 114);
    EXPECT_EQ(record.upperIndex, 592);
    EXPECT_EQ(redraws.count, 6);
}

TEST(ImageAdjust, CancelRestoresTheRecordFromBeforeTheFirstOpening) {
    ScriptedUiPrompt ui;
    DisplayParams defaults, record = adjusted();
    const std::string before = bytesOf(record);
    Redraws redraws;
    // First showing: move the bar, tick invert and apply; the dialog comes back.
    ui.onDialog([](QDialog &d) {
        auto &dlg = dynamic_cast<TImgAdjstDlg &>(d);
        dlg.BriteScroll->setValue(40);
        dlg.InvrtChk->click();
        EXPECT_TRUE(dlg.ApplyBtn->isEnabled());
        dlg.ApplyBtn->click();
        return dlg.result();
    });
    // Second showing: the applied values, Apply disabled again; then Cancel.
    ui.onDialog([&](QDialog &d) {
        auto &dlg = dynamic_cast<TImgAdjstDlg &>(d);
        EXPECT_EQ(dlg.windowTitle(), "Adjust Image 3 Display Parameters");
        EXPECT_EQ(dlg.BriteScroll->value(), 40);
        EXPECT_TRUE(dlg.InvrtChk->isChecked());
        EXPECT_FALSE(dlg.ApplyBtn->isEnabled());
        EXPECT_EQ(record.brightness, 20);
        EXPECT_TRUE(record.invert);
        dlg.CnclBtn1->click();
        return dlg.result();
    });
    EXPECT_FALSE(TImgAdjstDlg::adjustImage(record, defaults, 3, redraws.callback(record)));
    EXPECT_EQ(bytesOf(record), before);
    ASSERT_FALSE(redraws.seen.empty());
    EXPECT_EQ(bytesOf(redraws.seen.back()), before); // the last redraw shows the restored look
    EXPECT_TRUE(ui.script.calls.empty());
}

TEST(ImageAdjust, InvertOnlyEnablesApplyForTheImageWindow) {
    ScriptedUiPrompt ui;
    DisplayParams defaults, record = adjusted();
    Redraws redraws;
    TImgAdjstDlg dlg(record, true, defaults, redraws.callback(record));
    dlg.FormActivate();
    dlg.InvrtChk->click();
    EXPECT_TRUE(dlg.ApplyBtn->isEnabled());
    EXPECT_FALSE(dlg.DfltLED->isLit());
    dlg.InvrtChk->click();
    EXPECT_FALSE(dlg.ApplyBtn->isEnabled());
    EXPECT_EQ(redraws.count, 0);

    // For the defaults (the options dialog) there is no image to apply to.
    DisplayParams own;
    TImgAdjstDlg opts(own, false, own, {});
    opts.FormActivate();
    opts.InvrtChk->click();
    EXPECT_FALSE(opts.ApplyBtn->isEnabled());
    EXPECT_FALSE(opts.SaveChk->isEnabled());
}

TEST(ImageAdjust, OriginalAndDefaultButtons) {
    ScriptedUiPrompt ui;
    DisplayParams defaults;
    defaults.brightness = 10;
    defaults.contrast = -20;
    defaults.invert = true;
    defaults.spare = 7;
    DisplayParams record = adjusted();
    record.invert = true;
    Redraws redraws;
    TImgAdjstDlg dlg(record, true, defaults, redraws.callback(record));
    dlg.FormActivate();

    dlg.OrigBtn1->click();
    EXPECT_EQ(dlg.BriteScroll->value(), 0);
    EXPECT_EQ(dlg.CntrstScroll->value(), 0);
    EXPECT_EQ(dlg.BriteRO->text(), "0.0");
    EXPECT_EQ(dlg.CntrstRO->text(), "0.0");
    EXPECT_FALSE(dlg.InvrtChk->isChecked());
    EXPECT_TRUE(dlg.OrigLED->isLit());
    EXPECT_FALSE(dlg.DfltLED->isLit());
    EXPECT_TRUE(dlg.ApplyBtn->isEnabled()); // invert changed from the drawn image
    EXPECT_EQ(record.brightness, 0);
    EXPECT_EQ(record.lowerIndex, 64);
    EXPECT_EQ(record.upperIndex, 127);
    EXPECT_FALSE(record.invert);
    EXPECT_EQ(redraws.count, 1);

    dlg.DfltBtn1->click();
    EXPECT_EQ(dlg.BriteScroll->value(), 20);
    EXPECT_EQ(dlg.CntrstScroll->value(), -40);
    EXPECT_EQ(dlg.CntrstRO->text(), "-4.0");
    EXPECT_TRUE(dlg.InvrtChk->isChecked());
    EXPECT_FALSE(dlg.OrigLED->isLit());
    EXPECT_TRUE(dlg.DfltLED->isLit());
    EXPECT_EQ(record.brightness, 10);
    EXPECT_EQ(record.lowerIndex, 54);
    // Contrast -20: 63 x 1.5^2 = 141.75 -> 142 steps.
    EXPECT_EQ(record.upperIndex, 54 + 142);
    EXPECT_EQ(record.spare, 0);
    EXPECT_EQ(defaults.spare, 7);
}

TEST(ImageAdjust, OkWithUseAsDefaultsCopiesTheRecord) {
    ScriptedUiPrompt ui;
    DisplayParams defaults, record = adjusted();
    const std::string defaultsBefore = bytesOf(defaults);
    Redraws redraws;
    ui.onDialog([](QDialog &d) {
        auto &dlg = dynamic_cast<TImgAdjstDlg &>(d);
        dlg.CntrstScroll->setValue(-20);
        dlg.OkBtn1->click();
        return dlg.result();
    });
    EXPECT_TRUE(TImgAdjstDlg::adjustImage(record, defaults, 1, redraws.callback(record)));
    EXPECT_EQ(record.contrast, -10);
    EXPECT_FALSE(record.defaultMark);
    EXPECT_EQ(bytesOf(defaults), defaultsBefore);

    ui.onDialog([](QDialog &d) {
        auto &dlg = dynamic_cast<TImgAdjstDlg &>(d);
        dlg.BriteScroll->setValue(-30);
        dlg.SaveChk->setChecked(true);
        dlg.OkBtn1->click();
        return dlg.result();
    });
    EXPECT_TRUE(TImgAdjstDlg::adjustImage(record, defaults, 1, redraws.callback(record)));
    EXPECT_EQ(displayState().current, &record);
    EXPECT_TRUE(displayState().currentIsImageWindow);
    displayState().current = nullptr;
    EXPECT_EQ(record.brightness, -15);
    EXPECT_EQ(record.lowerIndex, 79);
    EXPECT_TRUE(record.defaultMark); // "Default Settings" stays lit when saved as defaults
    EXPECT_EQ(bytesOf(defaults), bytesOf(record));
}

TEST(ImageAdjust, OptionsDialogAdjustsTheDefaultsWithoutRedrawing) {
    ScriptedUiPrompt ui;
    DisplayParams defaults;
    ui.onDialog([](QDialog &d) {
        auto &dlg = dynamic_cast<TImgAdjstDlg &>(d);
        EXPECT_EQ(dlg.windowTitle(), "Set Image Display Parameters");
        dlg.BriteScroll->setValue(12);
        dlg.OkBtn1->click();
        return dlg.result();
    });
    EXPECT_TRUE(TImgAdjstDlg::setDefaults(defaults));
    EXPECT_EQ(displayState().current, &defaults);
    EXPECT_FALSE(displayState().currentIsImageWindow);
    EXPECT_EQ(defaults.brightness, 6);
    EXPECT_EQ(defaults.lowerIndex, 58);

    // Escape (reject) cancels like the Cancel button.
    ui.onDialog([](QDialog &d) {
        dynamic_cast<TImgAdjstDlg &>(d).BriteScroll->setValue(-80);
        d.reject();
        return d.result();
    });
    EXPECT_FALSE(TImgAdjstDlg::setDefaults(defaults));
    EXPECT_EQ(defaults.brightness, 6);
    displayState().current = nullptr;
}
