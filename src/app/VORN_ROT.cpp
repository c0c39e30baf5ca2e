// The main window at start-up: its controls, menus and long-lived windows, the start picture and
// the Help menu. The stages of the exercise are in ExerciseStages.cpp, its commands in commands/.
#include "app/VORN_ROT.h"
#include "support/ScreenFit.h"

#include "analysis/RsltsDlg.h"
#include "app/About.h"
#include "app/commands/ShellCmds.h"
#include "imagedb/SolrImages.h"
#include "measure/MeasDataWin.h"
#include "support/Accessible.h"
#include "support/InfoList.h"
#include "support/QtPrompt.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>

namespace solar {

TSolarRtn *SolarRtn = nullptr;

namespace {

// The client area: draws the start picture through the main window while the lists are hidden.
class PictureArea : public QWidget {
public:
    PictureArea(TSolarRtn *owner) : QWidget(owner), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        owner_->FormPaint(p);
    }

private:
    TSolarRtn *owner_;
};

// Rows of the two lists are 20 pixels high whatever their font.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), 20);
    }
};

// Keeps a pop-up twin's enabled and visible state equal to its menu item's.
void keepInStep(QAction *item, QAction *twin) {
    QObject::connect(item, &QAction::changed, twin, [item, twin] {
        twin->setEnabled(item->isEnabled());
        twin->setVisible(item->isVisible());
    });
    twin->setEnabled(item->isEnabled());
}

} // namespace

// ---------------------------------------------------------------------------------------------

TLamp::TLamp(QWidget *parent) : QWidget(parent) {
    setFixedSize(15, 15);
}

void TLamp::setLit(bool lit, QColor colour) {
    lit_ = lit;
    colour_ = colour;
    update();
}

void TLamp::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(lit_ ? colour_ : colour_.darker(400));
    p.drawEllipse(QRectF(0.5, 0.5, width() - 1.0, height() - 1.0));
}

// ---------------------------------------------------------------------------------------------

TSolarRtn::TSolarRtn(const StartupEnv &env, QWidget *parent) : QMainWindow(parent), Env(env) {
    SolarRtn = this;
    setObjectName("SolarRtn");
    buildControls();
    buildMenus();
    installShellHooks(*this);
    FormCreate();
}

TSolarRtn::~TSolarRtn() {
    if (SolarRtn == this)
        SolarRtn = nullptr;
    // The result dialog must not call back into a main window that is gone.
    setResultSettingsSource({});
    setResultRecordedHook({});
}

void TSolarRtn::requestQuit() {
    QuitRequested = true;
    prompt().requestQuit();
}

std::string TSolarRtn::installFile(const std::string &name) const {
    return resolveNoCase(Options.InstallDir.str(), name);
}

void TSolarRtn::buildControls() {
    ClientArea = new PictureArea(this);
    ClientArea->setFixedSize(634, 436);
    setCentralWidget(ClientArea);
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setBold(true);
    setFont(font);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    ClientArea->setBackgroundRole(QPalette::Button);

    auto label = [this](const QString &text, int left, int top) {
        auto *l = new QLabel(text, ClientArea);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::yellow);
        l->setPalette(pal);
        // On the button-face background children would otherwise write in the button text colour.
        l->setForegroundRole(QPalette::WindowText);
        l->move(left, top);
        l->adjustSize();
        l->hide();
        return l;
    };
    auto list = [this](int left, int width, const QString &hint) {
        auto *lb = new QListWidget(ClientArea);
        QFont f = lb->font();
        f.setPixelSize(17);
        lb->setFont(f);
        QPalette pal = lb->palette();
        pal.setColor(QPalette::Base, QColor(0, 128, 128));
        pal.setColor(QPalette::Text, Qt::white);
        lb->setPalette(pal);
        lb->setUniformItemSizes(true);
        lb->setItemDelegate(new FixedRowDelegate(lb));
        lb->setToolTip(hint);
        lb->setAccessibleDescription(hint);
        a11y::nameBlankLines(lb);
        // The design height of 424 would reach past the client area; the lists end at its foot.
        lb->setGeometry(left, 22, width, 436 - 22 - 4);
        lb->setContextMenuPolicy(Qt::CustomContextMenu);
        lb->hide();
        return lb;
    };
    ImageLbl = label(tr("Loaded Image List"), 20, 0);
    ImageList1 = list(20, 290, tr("Select image to view/measure, right-click for pop-up.."));
    ImageList1->setSelectionMode(QAbstractItemView::SingleSelection);
    ImageList1->setAccessibleName(tr("Loaded Image List"));
    SortLbl = label(tr("Sorted"), 217, 2);
    SortLed = new TLamp(ClientArea);
    SortLed->move(199, 3);
    SortLed->hide();
    DBLbl = label(tr("Image Database Directory"), 381, 0);
    ListBox1 = list(380, 230, tr("Double-click image to view/measure, right-click for pop-up.."));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setAccessibleName(tr("Image Database Directory"));
    {
        // The desktop's sans-serif face is wider than the design font: a slightly smaller size keeps
        // the whole line, loaded mark " *" included, inside the 230-pixel list.
        QFont f = ListBox1->font();
        f.setPixelSize(15);
        ListBox1->setFont(f);
    }
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
    a11y::onEnter(ListBox1, [this] { ListBox1DblClick(); });
    a11y::onEnter(ImageList1, [this] { ImageList1DblClick(); });

    ImageTimer = new QTimer(this);
    ImageTimer->setObjectName("ImageTimer");
    connect(ImageTimer, &QTimer::timeout, this, &TSolarRtn::ImageTimerTimer);
}

void TSolarRtn::buildMenus() {
    QMenuBar *bar = menuBar();
    auto item = [this](QMenu *menu, const QString &caption, void (TSolarRtn::*handler)(),
                       bool enabled = true) {
        QAction *a = menu->addAction(caption);
        connect(a, &QAction::triggered, this, handler);
        a->setEnabled(enabled);
        return a;
    };

    File1 = bar->addMenu(tr("&File"));
    Login1 = item(File1, tr("&Login..."), &TSolarRtn::Login1Click);
    Run1 = item(File1, tr("&Run"), &TSolarRtn::Run1Click, false);
    N1 = File1->addSeparator();
    N1->setVisible(false);
    ImageDatabase1 = File1->addMenu(tr("Image &Database"));
    ImageDatabase1->menuAction()->setEnabled(false);
    ImageDirectory1 = ImageDatabase1->addMenu(tr("Image &Directory"));
    Load1 = item(ImageDirectory1, tr("&Load"), &TSolarRtn::Load1Click);
    Search1 = item(ImageDirectory1, tr("&Search..."), &TSolarRtn::Search1Click, false);
    Print1 = item(ImageDirectory1, tr("&Print..."), &TSolarRtn::Print1Click, false);
    SelectAll1 = item(ImageDatabase1, tr("Select &All"), &TSolarRtn::SelectAll1Click, false);
    LoadSelected1 = item(ImageDatabase1, tr("Load Selected &Image(s)"), &TSolarRtn::ListBox1DblClick, false);
    ImageListMenu1 = ImageDatabase1->addMenu(tr("Image &List"));
    ImageListMenu1->menuAction()->setEnabled(false);
    LoadList1 = item(ImageListMenu1, tr("&Load List..."), &TSolarRtn::LoadList1Click);
    SaveList1 = item(ImageListMenu1, tr("&Save List..."), &TSolarRtn::SaveList1Click, false);
    PrintList1 = item(ImageListMenu1, tr("&Print List..."), &TSolarRtn::PrintList1Click, false);
    MakeImageDatabase1 = item(File1, tr("Ma&ke Image Database..."), &TSolarRtn::MakeImageDatabase1Click);
    connect(File1, &QMenu::aboutToShow, this, &TSolarRtn::UpdateMakeDatabaseCommand);
    MakeImageDatabase1->setVisible(false);
    ClassReport1 = item(File1, tr("Class &Report..."), &TSolarRtn::ClassReport1Click);
    connect(File1, &QMenu::aboutToShow, this, &TSolarRtn::UpdateClassReportCommand);
    ClassReport1->setVisible(false);
    MeasurementData1 = File1->addMenu(tr("&Measurement Data"));
    MeasurementData1->menuAction()->setEnabled(false);
    ViewEdit1 = item(MeasurementData1, tr("&View/Edit..."), &TSolarRtn::ViewEdit1Click, false);
    SaveData1 = item(MeasurementData1, tr("&Save Data"), &TSolarRtn::SaveData1Click, false);
    Load3 = item(MeasurementData1, tr("&Load Data..."), &TSolarRtn::Load3Click);
    ClearallData1 = item(MeasurementData1, tr("&Clear all Data..."), &TSolarRtn::ClearallData1Click, false);
    PrefSep = File1->addSeparator();
    PrefSep->setVisible(false);
    Preferences1 = File1->addMenu(tr("&Preferences"));
    Parameters1 = item(Preferences1, tr("&Options and Parameters... "), &TSolarRtn::Parameters1Click);
    SaveUpdates1 = item(Preferences1, tr("&Save Updates"), &TSolarRtn::SaveUpdates1Click, false);
    File1->addSeparator();
    Exit1 = item(File1, tr("E&xit"), &TSolarRtn::Exit1Click);

    Images1 = bar->addMenu(tr("&Images"));
    Images1->menuAction()->setEnabled(false);
    DisplayImage1 = item(Images1, tr("&Display/Measure"), &TSolarRtn::DisplayImage1Click);
    SortImageList1 = item(Images1, tr("&Sort Image List"), &TSolarRtn::SortImageList1Click);
    Cut1 = item(Images1, tr("&Cut"), &TSolarRtn::Cut1Click);
    Paste1 = item(Images1, tr("&Paste"), &TSolarRtn::Paste1Click, false);
    PasteLast1 = item(Images1, tr("Paste &Last"), &TSolarRtn::PasteLast1Click, false);
    ClearAllImages1 = item(Images1, tr("Clear &All Images"), &TSolarRtn::ClearAllImages1Click);
    ViewFITSHeader1 = item(Images1, tr("View FITS &Header..."), &TSolarRtn::ViewFITSHeader1Click);
    Animation1 = Images1->addMenu(tr("&Animation"));
    Animation1->menuAction()->setEnabled(false);
    Animate1 = item(Animation1, tr("&On"), &TSolarRtn::Animate1Click);
    AnimateOff1 = item(Animation1, tr("O&ff"), &TSolarRtn::AnimateOff1Click, false);
    SetRate1 = item(Animation1, tr("Set &Rate..."), &TSolarRtn::SetRate1Click);

    Analysis1 = bar->addMenu(tr("&Analysis"));
    Analysis1->menuAction()->setEnabled(false);
    FindPeriod1 = item(Analysis1, tr("&Plot/Fit Data..."), &TSolarRtn::FindPeriod1Click);
    ResultsList1 = item(Analysis1, tr("&Results List"), &TSolarRtn::ResultsList1Click, false);
    RateLatitude1 = item(Analysis1, tr("Rate against &Latitude..."), &TSolarRtn::RateLatitude1Click, false);
    Spreadsheet1 = item(Analysis1, tr("&Spreadsheet..."), &TSolarRtn::Spreadsheet1Click, false);

    Help1 = bar->addMenu(tr("&Help"));
    OnHelp1 = item(Help1, tr("On &Help"), &TSolarRtn::OnHelp1Click);
    OnHelpSep = Help1->addSeparator();
    Topics1 = item(Help1, tr("&Topics..."), &TSolarRtn::Topics1Click);
    UserSep = Help1->addSeparator();
    User1 = item(Help1, tr("&User"), &TSolarRtn::User1Click);
    Help1->addSeparator();
    Websites1 = Help1->addMenu(tr("&Websites"));
    GONGProject1 = item(Websites1, tr("&GONG Project"), &TSolarRtn::GONGProject1Click);
    ProjectVORN1 = item(Websites1, tr("Project &VORN"), &TSolarRtn::ProjectVORN1Click);
    Help1->addSeparator();
    AboutThisExercise1 = item(Help1, tr("&About..."), &TSolarRtn::AboutThisExercise1Click);

    // The loaded-image pop-up carries the Images commands themselves, so both always agree.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    for (QAction *a : {DisplayImage1, SortImageList1, Cut1, Paste1, PasteLast1, ClearAllImages1})
        PopupMenu1->addAction(a);
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName("PopupMenu2");
    SelectAll2 = item(PopupMenu2, tr("Select &All"), &TSolarRtn::SelectAll1Click);
    LoadSelected2 = item(PopupMenu2, tr("&Load Selected Image(s)"), &TSolarRtn::ListBox1DblClick);
    Search2 = item(PopupMenu2, tr("&Search List..."), &TSolarRtn::Search1Click);
    Print2 = item(PopupMenu2, tr("&Print List..."), &TSolarRtn::Print1Click);
    keepInStep(SelectAll1, SelectAll2);
    keepInStep(LoadSelected1, LoadSelected2);
    keepInStep(Search1, Search2);
    keepInStep(Print1, Print2);
}

void TSolarRtn::FormCreate() {
    // 1. The lists and the image window need at least 800 x 600 pixels.
    if (Env.screenWidth < 800 || Env.screenHeight < 600) {
        prompt().message(
            tr("Screen Resolution Not Adequate!").toStdString(),
            tr("This Software Cannot Be Run\r\nWith a Screen Resolution of Less Than 800x600 "
               "Pixels!\r\n\r\nSee Windows Help for information on changing the screen resolution.")
                .toStdString(),
            Icon::Error, Buttons::OK);
        requestQuit();
    }
    // 2. Fixed window at the top-left corner.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setProperty("solarMainWindow", true); // the windows keep clear of its menu
    screenfit::placeFrame(this, screenfit::availableArea(this).topLeft());
    screenfit::keepInside(this); // its title bar stays on the screen
    setWindowTitle(tr(MainCaption));
    DisplayStage = 0;

    // 3. Options: folders, options file or defaults.
    optsOwner_ = std::make_unique<OptsObj>();
    OptionsObj = optsOwner_.get();
    OptsPlatform platform;
    platform.programDir = Env.installDir;
    platform.currentDir = Env.currentDir;
    platform.fallbackDir = Env.fallbackDir;
    platform.homeDir = Env.homeDir;
    platform.locateCdrom = [this] { return LocateCdromDrive(); };
    if (OptionsObj->Initialize(OptionsFile, ProgramVersion, platform))
        QuitRequested = true;
    Options = OptionsObj->Options;
    saver_ = std::make_unique<OptionsSaver>(Options, *OptionsObj,
                                            [this](bool on) { SaveUpdates1->setEnabled(on); });

    // 4. Start picture: the logo. A missing picture leaves the client area plain.
    StartPicture = QImage(QString::fromStdString(installFile(Options.LogoFile.str())));
    PictureLoaded = false;

    // 5. The box dialog's shared record takes the box parameters when the measuring windows
    //    exist; until then the working copy's Box field is the only copy.

    // 6. Help menu.
    SetupHelpMenu();

    // 7. The image window's cross hair.
    CrossHairLoaded = loadCursorFile(installFile("XPXHAIR.CUR"), CrossHair);

    // 8. The user folder is made by StartExercise; no file names remembered yet.
    Options.UserDir = "";
    LastImageListFile.clear();
    LastImageListDir.clear();
    LastDataSaveFile.clear();
    LastDataSaveDir.clear();
    LastDataLoadFile.clear();
    LastDataLoadDir.clear();
    LastCsvFile.clear();
    LastCsvDir.clear();

    // 9. Numbers are formatted by the program's own routines with "." decimals and the
    //    "/" and ":" separators; nothing depends on the desktop's locale.
    DataBaseName = "SOLRTN_DATA";
    ImageListBaseName = "SOLRTN_IMAGES";

    // 10.
    LogFile = nullptr;
    logOwner_.reset();
    CloseConfirmed = false;
    ExerciseStarted = false;
    OptionsAccess = false;
    DataSaved = true;
    ConfirmClearAll = true;

    // 11. Demonstration mode: no login, no password.
    if (!Options.LoginRequired) {
        DisplayStage = 1;
        ClientArea->update();
        OptionsAccess = true;
        StartExercise();
    }
    // 12. The image database and the loaded-image store; the measuring windows.
    createImageStores();
    createMeasurementWindows();
    createImageWindow();
    createResultWindows();
    createLinearAnalysis();
    createRotnAnalysis();
    createRateLatLink();
    if (ExerciseStarted)
        OfferRecovery();
}

void TSolarRtn::FormPaint(QPainter &painter) {
    switch (DisplayStage) {
    case 0:
        if (!StartPicture.isNull())
            painter.drawImage(0, 0, StartPicture);
        break;
    case 1:
        if (!PictureLoaded) {
            StartPicture = QImage(QString::fromStdString(installFile(Options.TitleFile.str())));
            PictureLoaded = true;
        }
        if (!StartPicture.isNull())
            painter.drawImage(0, 0, StartPicture);
        break;
    default:
        StartPicture = QImage();
        break;
    }
}

void TSolarRtn::SetupHelpMenu() {
    const bool onHelp = !Options.OnHelpFile.empty();
    OnHelp1->setEnabled(onHelp);
    OnHelp1->setVisible(onHelp);
    OnHelpSep->setVisible(onHelp);
    const bool user = !Options.UserHelpFile.empty();
    User1->setEnabled(user);
    User1->setVisible(user);
    UserSep->setVisible(user);
    const bool topics = !Options.MainHelpList.empty();
    Topics1->setEnabled(topics);
    if (topics && LoadMainHelpList)
        LoadMainHelpList(installFile(Options.MainHelpList.str()));
}

void TSolarRtn::AboutThisExercise1Click() {
    TAboutBox box(Options.InstallDir.str(), this);
    box.Version->setText(tr("Version %1").arg(ProgramVersion));
    box.setWindowTitle(tr("About This Exercise"));
    box.Exercise1->setText(tr("The Period of Rotation of the Sun"));
    box.Folders->setText(tr("Working folder (options, log, Users/):\n%1\nInstallation folder:\n%2")
                             .arg(QString::fromStdString(Options.WorkDir.str()),
                                  QString::fromStdString(Options.InstallDir.str())));
    runModal(box);
}

// The measurement windows, made at start-up. The measurement commands are in commands/FileCmds.cpp.
void TSolarRtn::createMeasurementWindows() {
    MeasDataForm = new TMeasDataForm1(this);
    MeasWindowHooks h;
    h.unit = [this] { return int(Options.RawDataFormat); };
    h.userDir = [this] { return Options.UserDir.str(); };
    h.dataSaved = [this] { return DataSaved; };
    h.setDataSaved = [this](bool saved) {
        DataSaved = saved;
        RefreshRecoveryCopy();
    };
    h.enableMeasurementCommands = [this] { EnableDataCommands(true); };
    h.saveData = [this] { SaveData1Click(); };
    h.csvExported = [this](bool written, const std::string &dir, const std::string &file) {
        if (written) {
            LastCsvDir = dir;
            LastCsvFile = file;
            AfterCsvExport();
        } else {
            Spreadsheet1->setEnabled(false); // enabled exactly when a report was written
        }
    };
    MeasDataForm->setHooks(h);
    connect(MeasDataForm, &TMeasDataForm1::measurementsChanged, this, [this] { RefreshRecoveryCopy(); });
    // Every list window proposes the student's folder for its reports.
    TInfoListForm1::setUserDirSource([this] { return Options.UserDir.str(); });
}

} // namespace solar
