#include "app/VORN_ROT.h"
#include "support/ScreenFit.h"

#include "analysis/LinrAnal.h"
#include "analysis/RsltsDlg.h"
#include "app/About.h"
#include "app/LoginDlg.h"
#include "app/MountMsg.h"
#include "app/StrInput.h"
#include "app/commands/ShellCmds.h"
#include "imagedb/SolrImages.h"
#include "measure/MeasCmds.h"
#include "measure/MeasDataWin.h"
#include "support/Accessible.h"
#include "support/InfoList.h"
#include "support/PrintHdr.h"
#include "support/QtPrompt.h"
#include "support/StringUt.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

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

bool sameNoCase(const std::string &a, const std::string &b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// Keeps a pop-up twin's enabled and visible state equal to its menu item's.
void keepInStep(QAction *item, QAction *twin) {
    QObject::connect(item, &QAction::changed, twin, [item, twin] {
        twin->setEnabled(item->isEnabled());
        twin->setVisible(item->isVisible());
    });
    twin->setEnabled(item->isEnabled());
}

const char *const CdImageFolder = "Program Files/VORN/Solar Rotation/IMAGES/";

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

void TSolarRtn::StartExercise() {
    Login1->setEnabled(false);
    if (!ExerciseStarted) {
        LoginRec = LoginRecord{};
        LoginRec.Student1 = "Solar Rotation Module";
        LoginRec.UserFolderName = "SOLRTN";
        DisplayStage = 1;
        ExerciseStarted = true;
        ClientArea->update();
    }
    if (Options.UserDir.empty()) {
        // A login closed without OK leaves no folder name: such a run files under "NOLOG".
        std::string name = SafeFolderName(LoginRec.UserFolderName.str());
        if (name.empty())
            name = "NOLOG";
        // Students of the same name on two machines that share the working folder each get a
        // folder of their own: one in use elsewhere is not taken.
        UserFolder = ClaimUserFolder(Options.WorkDir.str() + "Users/", name);
        const std::string folder = UserFolder.folder.substr(0, 255);
        Options.UserDir = folder;
        std::error_code ec;
        if (!fs::is_directory(folder, ec)) {
            prompt().message(tr("Write-Enabled Storage Required").toStdString(),
                             tr("Unable to create directory \"%1\"\r\n\r\nApplication will terminate!")
                                 .arg(QString::fromStdString(folder))
                                 .toStdString(),
                             Icon::Error, Buttons::OK);
            requestQuit();
        } else if (UserFolder.substitute) {
            prompt().message(
                tr("Student Folder In Use").toStdString(),
                tr("The folder \"%1\" is in use by another login.\r\n\r\nYour files will be kept "
                   "in \"%2\".")
                    .arg(QString::fromStdString(Options.WorkDir.str() + "Users/" + name + "/"),
                         QString::fromStdString(folder))
                    .toStdString(),
                Icon::Information, Buttons::OK);
        }
    }
    if (Options.TestMode) {
        OptionsAccess = true;
        Preferences1->menuAction()->setEnabled(true);
        Preferences1->menuAction()->setVisible(true);
        PrefSep->setVisible(true);
    }
    Run1->setEnabled(true);
    setWindowTitle(tr(MainCaption));

    std::string logPath = Options.LogFileName.str();
    std::replace(logPath.begin(), logPath.end(), '\\', '/');
    if (logPath.find('/') == std::string::npos)
        logPath = Options.WorkDir.str() + logPath;
    // One login, one login entry: a later start (after the options dialog) keeps the log object
    // of the first, whose logout entry then gives the whole time of the run.
    if (!LogFile) {
        logOwner_ = std::make_unique<LogFileObj>();
        LogFile = logOwner_.get();
        LogFile->Setup("VORN_ROT", logPath, &LoginRec);
        LogFile->WriteLogin();
        ReportLogFailure(*LogFile, LogFile->LoginWritten);
    }

    // Every printout is headed by the names and table of this login.
    PrintContext &pc = printContext();
    pc.students[0] = LoginRec.Student1.str();
    pc.students[1] = LoginRec.Student2.str();
    pc.students[2] = LoginRec.Student3.str();
    pc.students[3] = LoginRec.Student4.str();
    pc.labTable = LoginRec.TableNumber.empty() ? Options.LabTable.str() : LoginRec.TableNumber.str();
    if (MeasDataForm)
        OfferRecovery();
}

std::string TSolarRtn::LocateCdromDrive() {
    if (Env.opticalMounts) {
        const auto mounts = Env.opticalMounts();
        if (!mounts.empty())
            return mounts.front();
    }
    TStrIpDlg dlg(this);
    dlg.setWindowTitle(tr("CDROM Drive?"));
    dlg.Label1->setText(tr("Please Enter Folder of CDROM:"));
    dlg.EditStr->setMaxLength(184);
    dlg.EditStr->clear();
    if (runModal(dlg) != QDialog::Accepted)
        return "";
    return withSlash(dlg.EditStr->text().trimmed().toStdString());
}

void TSolarRtn::Run1Click() {
    if (!folderHoldsListFile(Options.ImagePath.str())) {
        bool found = false;
        const std::string installed = installFile("IMAGES/");
        if (folderHoldsListFile(installed)) {
            Options.ImagePath = installed;
            found = true;
        } else {
            // Any mounted medium holding the images; else the one LocateCdromDrive names.
            std::string root, path;
            if (Env.opticalMounts) {
                for (const std::string &m : Env.opticalMounts()) {
                    const std::string p = resolveNoCase(m, CdImageFolder);
                    if (folderHoldsListFile(p)) {
                        root = m;
                        path = p;
                        break;
                    }
                }
            }
            if (root.empty()) {
                root = LocateCdromDrive();
                path = root.empty() ? std::string(CdImageFolder) : resolveNoCase(root, CdImageFolder);
            }
            Options.ImagePath = path;
            if (root.empty() || !folderHoldsListFile(path)) {
                TMountCDROM dlg(this);
                dlg.Path = root;
                dlg.MediaName = tr("Rotation Lab Installation CD-ROM").toStdString();
                dlg.FolderName = tr("Solar Images (IMAGES/)").toStdString();
                dlg.InstallDir = Options.InstallDir.str();
                dlg.FormActivate();
                if (runModal(dlg) != QDialog::Accepted)
                    return;
                if (dlg.Browsed) {
                    Options.ImagePath = dlg.Path;
                    found = true;
                }
            }
        }
        if (found) {
            OptionsObj->Options.ImagePath = Options.ImagePath;
            MarkOptionsChanged();
        }
    }
    Run1->setEnabled(false);
    ImageDatabase1->menuAction()->setEnabled(true);
    MeasurementData1->menuAction()->setEnabled(true);
    DisplayStage = 2;
    StartPicture = QImage();
    for (QWidget *w :
         std::initializer_list<QWidget *>{ImageLbl, ImageList1, DBLbl, ListBox1, SortLbl, SortLed})
        w->show();
    ClientArea->update();
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

bool TSolarRtn::FormCloseQuery() {
    if (!DataSaved) {
        const Answer a = prompt().message(
            tr("Data Will Be Lost!").toStdString(),
            tr("You have not saved your measurement data!\r\n\r\nDo you want to save it now?").toStdString(),
            Icon::Question, Buttons::YesNoCancel);
        if (a == Answer::Cancel)
            return false;
        if (a == Answer::Yes) {
            SaveData1Click();
            // A save that was cancelled or failed must not end the program with the data.
            if (!DataSaved)
                return false;
        }
    }
    if (SineResultPending && SineResultPending()) {
        const Answer a = prompt().message(
            tr("Result Not Recorded!").toStdString(),
            tr("You have not recorded your current result!\r\n\r\nDo you want to record it now?")
                .toStdString(),
            Icon::Question, Buttons::YesNoCancel);
        if (a == Answer::Cancel)
            return false;
        if (a == Answer::Yes) {
            if (RecordSineResult)
                RecordSineResult();
            if (SineResultPending())
                return false;
        }
    }
    bool canClose = false;
    if (CloseConfirmed || (!Options.LoginRequired && LoginRec.UserFolderName.str() == "SOLRTN")) {
        canClose = true;
    } else {
        std::optional<Answer> answer;
        if (DisplayStage == 2 && !Options.ReminderFile.empty() && ShowReminder)
            answer = ShowReminder(installFile(Options.ReminderFile.str()),
                                  tr("** Exercise Finished? **").toStdString());
        if (!answer)
            answer = prompt().message(tr("** Exercise Finished? **").toStdString(),
                                      tr("Are You Sure You Want to Quit This Exercise?").toStdString(),
                                      Icon::Stop, Buttons::YesNo);
        canClose = *answer == Answer::OK || *answer == Answer::Yes;
    }
    CloseConfirmed = canClose;
    if (canClose)
        saver_->SaveOnClose();
    return canClose;
}

void TSolarRtn::FormClose() {
    if (LogFile) {
        LogFile->WriteLogout();
        ReportLogFailure(*LogFile, LogFile->LogoutWritten);
        logOwner_.reset();
        LogFile = nullptr;
    }
    ReleaseUserFolder(UserFolder);
    ImageTimer->stop();
    releaseImageStores();
}

void TSolarRtn::closeEvent(QCloseEvent *event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    emit exerciseClosed();
}

void TSolarRtn::ReportLogFailure(const LogFileObj &log, bool written) {
    if (written || log.LogPath.empty() || log.LastIOResult == 0)
        return;
    prompt().message(tr("Log File Error!").toStdString(),
                     tr("Unable to write to the login log!\r\n\r\nFileName: %1\r\n")
                             .arg(QString::fromStdString(log.LogPath))
                             .toStdString() +
                         IOErrorText(log.LastIOResult),
                     Icon::Exclamation, Buttons::OK);
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

void TSolarRtn::MarkOptionsChanged() {
    saver_->MarkOptionsChanged();
}
void TSolarRtn::ClearOptionsChanged() {
    saver_->ClearOptionsChanged();
}
void TSolarRtn::SaveOptionsForAllUsers() {
    saver_->SaveOptionsForAllUsers();
}
void TSolarRtn::SaveUpdates1Click() {
    saver_->SaveUpdates1Click();
}
bool TSolarRtn::OptionsChangesPending() const {
    return saver_->OptionsChangesPending;
}
bool TSolarRtn::AllUsersSavePending() const {
    return saver_->AllUsersSavePending;
}

void TSolarRtn::EnableDataCommands(bool on) {
    ViewEdit1->setEnabled(on);
    SaveData1->setEnabled(on);
    ClearallData1->setEnabled(on);
    Analysis1->menuAction()->setEnabled(on && Options.RawDataFormat != 0);
}

void TSolarRtn::AfterCsvExport() {
    if (Options.RawDataFormat != 0)
        Analysis1->menuAction()->setEnabled(true);
    Spreadsheet1->setEnabled(true);
}

void TSolarRtn::Login1Click() {
    {
        TLoginDlg dlg(&LoginRec, Options.LabTable.str(), this);
        runModal(dlg);
    }
    if (sameNoCase(LoginRec.Student1.str(), "Instructor") && InstructorLogin)
        InstructorLogin();
    BusyCursor busy;
    DisplayStage = 1;
    ExerciseStarted = true;
    StartExercise();
    ClientArea->update();
}

void TSolarRtn::Exit1Click() {
    close();
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

// The commands below belong to the measurement and analysis windows and are filled in with
// them; the image commands are in imagedb/ImageCmds.cpp, the options, spreadsheet, web and help
// commands in app/ShellCmds.cpp.
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

MeasFileState TSolarRtn::measFiles() const {
    MeasFileState s;
    s.SaveFileName = LastDataSaveFile;
    s.SaveFolder = LastDataSaveDir;
    s.LoadFileName = LastDataLoadFile;
    s.LoadFolder = LastDataLoadDir;
    s.BaseName = DataBaseName;
    s.DataSaved = DataSaved;
    return s;
}

void TSolarRtn::setMeasFiles(const MeasFileState &s) {
    LastDataSaveFile = s.SaveFileName;
    LastDataSaveDir = s.SaveFolder;
    LastDataLoadFile = s.LoadFileName;
    LastDataLoadDir = s.LoadFolder;
    DataSaved = s.DataSaved;
    RefreshRecoveryCopy();
}

void TSolarRtn::ViewEdit1Click() {
    if (!DataListForm)
        DataListForm = new TDataListForm1(*MeasDataForm, this);
    DataListForm->show();
    DataListForm->raise();
}

void TSolarRtn::SaveData1Click() {
    MeasFileState s = measFiles();
    solar::SaveData1Click(MeasDataForm->list(), s, Options.UserDir.str());
    setMeasFiles(s);
}

void TSolarRtn::Load3Click() {
    MeasFileState s = measFiles();
    const bool loaded = solar::Load3Click(MeasDataForm->list(), s, Options.UserDir.str());
    setMeasFiles(s);
    if (loaded) {
        EnableDataCommands(true);
        emit MeasDataForm->measurementsChanged();
        ResetRotnAnalysis();
    }
}

void TSolarRtn::ClearallData1Click() {
    MeasFileState s = measFiles();
    const bool cleared = solar::ClearallData1Click(MeasDataForm->list(), s, Options.UserDir.str());
    setMeasFiles(s);
    if (cleared) {
        EnableDataCommands(false);
        emit MeasDataForm->measurementsChanged();
        // The sine analysis lets go of its spot (offering to record an unrecorded result first).
        ResetRotnAnalysis();
    }
}
void TSolarRtn::FindPeriod1Click() {
    if (Options.RawDataFormat == UnitHeliographic) {
        runModal(*LinearAnalysis);
        return;
    }
    if (Options.RawDataFormat == UnitSolarRadius) {
        OpenRotnAnalysis();
        return;
    }
}

} // namespace solar
