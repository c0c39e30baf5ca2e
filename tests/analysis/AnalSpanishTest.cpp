// The analysis windows with the Spanish catalogue installed, as `--lang es` does: the captions,
// menus (each accelerator unique within its menu) and the core's messages in Spanish, the
// rate-against-latitude table's Spanish column titles ending where the columns end, and the
// printed and saved plot unchanged from the English one.
#include "analysis/LinrAnal.h"
#include "analysis/RateLat.h"
#include "analysis/RotnAnal.h"
#include "common/ScriptedUiPrompt.h"
#include "measure/IDListForm.h"
#include "measure/MeasData.h"
#include "support/Options.h"
#include "support/Translate.h"

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTranslator>
#include <gtest/gtest.h>
#include <set>

namespace solar::test {
namespace {

std::string qtTranslate(const char *context, const char *text) {
    return QCoreApplication::translate(context, text).toStdString();
}

// The analysis catalogue installed for the window layer and the core while it lives.
struct Spanish {
    QTranslator translator;
    bool loaded = false;
    Spanish() {
        loaded = translator.load(SOLARRTN_BIN_DIR "/translations/solarrtn_analysis_es.qm");
        if (loaded) {
            QCoreApplication::installTranslator(&translator);
            setTranslator(&qtTranslate);
        }
    }
    ~Spanish() {
        QCoreApplication::removeTranslator(&translator);
        setTranslator(nullptr);
    }
};

// Every menu of the bar, submenus included: the accelerators of each menu are unique.
void expectUniqueAccelerators(const QMenuBar *bar) {
    std::vector<const QMenu *> menus;
    std::set<QChar> top;
    for (QAction *a : bar->actions()) {
        const QString t = a->text();
        if (const int i = t.indexOf('&'); i >= 0 && i + 1 < t.size()) {
            EXPECT_TRUE(top.insert(t[i + 1].toLower()).second) << t.toStdString();
        }
        if (a->menu())
            menus.push_back(a->menu());
    }
    for (std::size_t m = 0; m < menus.size(); ++m) {
        std::set<QChar> keys;
        for (QAction *a : menus[m]->actions()) {
            const QString t = a->text();
            if (a->isSeparator())
                continue;
            const int i = t.indexOf('&');
            ASSERT_GE(i, 0) << "no accelerator: " << t.toStdString();
            EXPECT_TRUE(keys.insert(t[i + 1].toLower()).second)
                << "accelerator of " << t.toStdString() << " again in " << menus[m]->title().toStdString();
            if (a->menu())
                menus.push_back(a->menu());
        }
    }
}

MeasRec point(double time, long double lonDeg) {
    MeasRec r;
    r.ID = "A";
    r.Time = time;
    r.Unit = UnitHeliographic;
    r.Long = lonDeg * 0.017453292519943295769L;
    r.Lat = 0.2L;
    return r;
}

} // namespace

TEST(AnalysisInSpanish, WindowsMenusAndMessages) {
    Spanish es;
    ASSERT_TRUE(es.loaded) << "the analysis catalogue is compiled with the program";
    ScriptedUiPrompt ui;
    OptionsRecord options;
    options.CurveFitting = true;
    MeasList list;
    list.Insert(point(45000.25, -20)); // one image only: no line can be fitted
    TLinearAnalysis linear(options, list);
    linear.show();
    EXPECT_EQ(linear.windowTitle(), QString("Análisis de la rotación solar"));
    EXPECT_EQ(linear.File1->title(), QString("&Archivo"));
    expectUniqueAccelerators(linear.MenuBar);

    // A message of the core, through its translator.
    ui.onDialog([](QDialog &d) {
        auto &f = dynamic_cast<TIDListForm1 &>(d);
        f.ListBox1->setCurrentRow(0);
        f.LoadSelection1Click();
        return f.result();
    });
    ui.script.expect("¡Se necesitan más puntos de datos!");
    linear.LongitudeValues1Click();
    EXPECT_NE(ui.script.lastMessage().text.find("Se necesitan dos puntos de datos"), std::string::npos);
    EXPECT_EQ(linear.TLbl->text(), QString("T-cero (corte con el eje X - día juliano)"));

    TRotnAnalysis sine(options, list);
    EXPECT_EQ(sine.windowTitle(), QString("Análisis de la rotación solar"));
    expectUniqueAccelerators(sine.MainMenu1);
}

TEST(AnalysisInSpanish, RateTableOnTheScreenPlotSavedInEnglish) {
    ScriptedUiPrompt ui;
    std::vector<MeasRec> meas;
    std::vector<RsltsRec> res;
    for (int s = 0; s < 3; ++s) {
        RsltsRec r;
        r.SpotID = std::string(1, char('A' + s));
        r.MeanLat = (10.0L * s - 5) * 0.017453292519943295769L;
        r.TZero = 45896.5 + s;
        r.RtnRate = 13.4L - 0.3L * s;
        res.push_back(r);
    }
    setRateLatSources({[&] { return res; }, [&] { return meas; }, [] { return false; }, [] { return true; },
                       [] { return std::string("/tmp/"); }});
    TRateLatForm1 &w = ShowRateLatitude(nullptr);
    const QImage english = w.PlotImage(false);
    const std::vector<std::string> englishTable = w.TableLines();

    Spanish es;
    ASSERT_TRUE(es.loaded);
    w.Reload();
    {
        const TRateLatForm1 fresh;
        EXPECT_EQ(fresh.windowTitle(), QString("Velocidad de rotación frente a la latitud"));
        expectUniqueAccelerators(fresh.menuBar());
    }
    const std::vector<std::string> table = w.TableLines(true);
    ASSERT_GE(table.size(), 3u);
    EXPECT_EQ(table[0].substr(0, 6), "Mancha");
    // Both title lines end where the lines of numbers end (characters, not bytes).
    const qsizetype row = QString::fromStdString(table[2]).size();
    EXPECT_EQ(QString::fromStdString(table[0]).size(), row) << table[0];
    EXPECT_EQ(QString::fromStdString(table[1]).size(), row) << table[1];
    EXPECT_NE(w.Table1->toPlainText().indexOf("Su ley: velocidad = "), -1);
    // Printed and saved: English as before.
    EXPECT_EQ(w.TableLines(), englishTable);
    EXPECT_EQ(w.PlotImage(false), english);
    w.hide();
}

} // namespace solar::test
