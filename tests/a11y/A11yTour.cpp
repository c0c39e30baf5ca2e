#include "a11y/A11yTour.h"
#include "analysis/ClassFixture.h"

#include "analysis/ClassRptWin.h"
#include "analysis/LinrAnal.h"
#include "analysis/RateLat.h"
#include "analysis/RotnAnal.h"
#include "analysis/RsltsDlg.h"
#include "analysis/RsltsLst.h"
#include "app/About.h"
#include "app/LoginDlg.h"
#include "app/MountMsg.h"
#include "app/OptionsDlg.h"
#include "app/Passwd.h"
#include "app/StrInput.h"
#include "app/VORN_ROT.h"
#include "display/BoxDlg.h"
#include "display/CrsrWndw.h"
#include "display/ImagMeas.h"
#include "display/MgRgnDlg.h"
#include "display/RdOutWin.h"
#include "imagedb/AnimDlg.h"
#include "imagedb/ImgPgrGage.h"
#include "imagefiles/ImgAdjst.h"
#include "measure/IDListForm.h"
#include "measure/MeasDataWin.h"
#include "support/Getsstr.h"
#include "support/Helplst.h"
#include "support/Helptxt.h"
#include "support/InfoList.h"

#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMetaObject>

namespace solar::test {

namespace {
const std::string SampleDir = std::string(SOLARRTN_BIN_DIR) + "/IMAGES/";
const std::string DataDir = std::string(SOLARRTN_SOURCE_DIR) + "/data/";
} // namespace

A11yTour::A11yTour() {
    QApplication::setQuitOnLastWindowClosed(false);
    writeOptions([](OptionsRecord &o) {
        o.LoginRequired = false;
        o.TestMode = true;
        o.ImagePath = SampleDir;
    });
    main_ = std::make_unique<TSolarRtn>(env(1280, 1024));
    TSolarRtn &w = *main_;
    w.Run1Click();
    ui_.script.answerFile(SampleDir + "synthlist.txt");
    w.Load1Click();
    if (w.ListBox1->count() >= 2) {
        w.ListBox1->item(0)->setSelected(true);
        w.ListBox1->item(1)->setSelected(true);
        w.ListBox1DblClick();
    }
    windows.push_back({"Main window", &w});
    if (w.ImageList1->count() > 0) {
        w.ImageList1->setCurrentRow(0);
        w.ImageList1DblClick();
    }
    if (w.ImageForm) {
        w.ImageForm->Measure1Click();
        w.ImageForm->FormMouseDown(Qt::LeftButton, w.ImageForm->Disc.centreX + 20, w.ImageForm->Disc.centreY);
        w.ImageForm->FormMouseUp(Qt::LeftButton, w.ImageForm->Disc.centreX + 20, w.ImageForm->Disc.centreY);
        windows.push_back({"Image window", w.ImageForm});
        windows.push_back({"Magnifier", w.ImageForm->CursorWindow});
        windows.push_back({"Read-out", w.ImageForm->ReadOut});
        windows.push_back({"Set Magnification", w.ImageForm->MagnRgnDlg});
    }
    windows.push_back({"Measurement entry", w.MeasDataForm});
    w.ViewEdit1Click();
    if (w.DataListForm)
        windows.push_back({"Measurement list", w.DataListForm});
    windows.push_back({"Linear analysis", w.LinearAnalysis});
    windows.push_back({"Sine-curve analysis", w.RotnAnalysis});
    windows.push_back({"Results list", w.RsltsListForm});
    windows.push_back({"Spot IDs", w.IDListForm});
    windows.push_back({"Load progress", w.GaugeForm});
    windows.push_back({"Search", w.SearchDlg});

    auto *edit = own(new TEditDataForm1(w.MeasDataForm->list(), nullptr));
    windows.push_back({"Edit measurement", edit});
    windows.push_back({"Result dialog", own(new TRsltsForm1(ResultSettings{}))});
    windows.push_back({"Sine parameters", own(new TSinParmsForm1)});
    windows.push_back({"Rate against latitude", own(new TRateLatForm1)});
    // The instructor's class report on two made-up students, once on each page: a screen reader
    // reaches only the page on top.
    AnswerKey key;
    std::string reason;
    const std::string keyPath = writeClassKey(install.file("INSTRUCTOR/synth_answer_key.csv"));
    if (readAnswerKey(keyPath, key, reason))
        writeCarefulAndCareless(work.dir(), key);
    for (int page : {0, 1}) {
        auto *report = own(new TClassRptForm1);
        report->Build(work.dir(), keyPath);
        report->FormShow();
        report->Pages1->setCurrentIndex(page);
        windows.push_back({page == 0 ? "Class report" : "Class report plot", report});
    }
    windows.push_back({"Login", own(new TLoginDlg(&login_, ""))});
    windows.push_back({"Options", own(new TOptionsDlg(w.OptionsObj))});
    auto *input = own(new TStrIpDlg); // as the drive-letter question sets it up
    input->setWindowTitle("CDROM Drive?");
    input->Label1->setText("Please Enter Drive Letter of CDROM:");
    windows.push_back({"String input", input});
    windows.push_back({"About", own(new TAboutBox(DataDir))});
    windows.push_back({"Password", own(new TPasswordDlg)});
    windows.push_back({"Password confirmation", own(new TPasswordDlg1("ZIRP"))});
    windows.push_back({"Mount medium", own(new TMountCDROM)});
    windows.push_back({"Box parameters", own(new TBoxDlgForm1(box_))});
    windows.push_back({"Animation rate", own(new TAnimRateDlg(rate_))});
    windows.push_back({"Image adjustment", own(new TImgAdjstDlg(display_, false, defaults_, {}))});

    auto *header = own(new TInfoListForm1);
    for (const char *line : {"SIMPLE  =                    T", "", "END"})
        header->ListBox1->addItem(line);
    windows.push_back({"Header list", header});

    // The help windows on the program's own topic list and texts.
    HelpCenter *help = HelpCenter::instance();
    if (help != nullptr) {
        HelpList *list = help->listFor(DataDir + "SOLRTNHLP.LST");
        helpState().ActiveList = list;
        helpState().HelpFolder = DataDir;
        auto *topics = own(new THelpLstDlg);
        topics->FormActivate();
        windows.push_back({"Help topics", topics});
        for (int i = 0; list != nullptr && i < list->Count(); ++i)
            if (const HelpEntry *e = list->GetEntry(i); e && !isHelpHeading(*e) && !isHelpBlank(*e)) {
                helpState().CurrentTopic = *e;
                help->Viewer->Open();
                break;
            }
        windows.push_back({"Help viewer", help->Viewer});
    }
    for (const TourWindow &t : windows)
        if (t.widget != nullptr)
            t.widget->show();
    QApplication::processEvents();
}

A11yTour::~A11yTour() {
    for (const TourWindow &t : windows)
        if (t.widget != nullptr)
            t.widget->hide();
    owned_.clear();
    if (main_)
        main_->FormClose();
}

namespace {

bool isInteractive(QAccessible::Role r) {
    switch (r) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Slider:
    case QAccessible::ScrollBar:
    case QAccessible::SpinBox:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::PageTab:
    case QAccessible::Table:
    case QAccessible::Cell:
    case QAccessible::Dial:
        return true;
    default:
        return false;
    }
}

std::string whereOf(QAccessibleInterface *a) {
    QObject *o = a->object();
    for (QAccessibleInterface *p = a; o == nullptr && p != nullptr;) {
        p = p->parent();
        o = p ? p->object() : nullptr;
    }
    if (o == nullptr)
        return "?";
    return std::string(o->metaObject()->className()) + " " + o->objectName().toStdString();
}

void walk(QAccessibleInterface *a, std::vector<A11yControl> &out, int depth) {
    if (a == nullptr || !a->isValid() || depth > 40)
        return;
    // A closed menu is hidden, yet its items are the window's commands: they are walked unless
    // their action is hidden.
    const QAccessible::Role role = a->role();
    if (auto *action = qobject_cast<QAction *>(a->object())) {
        if (!action->isVisible())
            return;
    } else if (auto *w = qobject_cast<QWidget *>(a->object())) {
        // Every page of a page control counts, not only the one on top.
        for (QWidget *p = w; p != nullptr && !p->isWindow(); p = p->parentWidget())
            if (p->isHidden() && !(p->parentWidget() && p->parentWidget()->inherits("QStackedWidget")) &&
                role != QAccessible::PopupMenu)
                return;
    } else if (a->state().invisible) {
        return;
    }
    // The scroll bars of a list or text box belong to it; a window's own bars count.
    bool ownBars = true;
    if (a->role() == QAccessible::ScrollBar && a->object() && a->object()->parent()) {
        const QString holder = a->object()->parent()->objectName();
        ownBars = !holder.startsWith("qt_scrollarea");
    }
    if (isInteractive(a->role()) && ownBars)
        out.push_back({a->role(), a->text(QAccessible::Name).trimmed().toStdString(),
                       a->text(QAccessible::Description).toStdString(), whereOf(a)});
    // A list's thousand lines are as named as its first: the walk stops at 400 children.
    const int n = std::min(a->childCount(), 400);
    for (int i = 0; i < n; ++i)
        walk(a->child(i), out, depth + 1);
}

} // namespace

std::vector<A11yControl> interactiveControls(QWidget *window) {
    std::vector<A11yControl> out;
    walk(QAccessible::queryAccessibleInterface(window), out, 0);
    return out;
}

} // namespace solar::test
