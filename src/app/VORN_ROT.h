#pragma once
// The main window: program start-up (screen, options, pictures, cursor), the three stages of the
// exercise (logo, title picture, image lists), the whole command set of the main menu and the two
// pop-up menus with its enabling, and the orderly end (questions, options saving, logout entry).

#include "app/Login.h"
#include "app/Platform.h"
#include "astro/HelioCoord.h"
#include "support/Options.h"
#include "support/Prompt.h"

#include <QCursor>
#include <QImage>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPainter;
class QTimer;

namespace solar {

class TMeasDataForm1;
class TDataListForm1;
struct MeasFileState;
class FITSFileObj;
class SolrImgFileObj;
class SolrImagesObj;
struct SolrImgFileRec;
class TImageForm1;
class TGaugeForm2;
class TAnimRateDlg;
class TGetSrchStrDlg;
class TInfoListForm1;
class TLinearAnalysis;
class TRsltsListForm1;
class TRotnAnalysis;
class TIDListForm1;

// A small round lamp: dark when off, else lit in its colour.
class TLamp : public QWidget {
public:
    explicit TLamp(QWidget *parent = nullptr);
    void setLit(bool lit, QColor colour);
    bool lit() const { return lit_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    bool lit_ = false;
    QColor colour_ = Qt::green;
};

class TSolarRtn : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up (FormCreate) with what env says of the machine.
    explicit TSolarRtn(const StartupEnv &env = StartupEnv::fromSystem(), QWidget *parent = nullptr);
    ~TSolarRtn() override;

    static constexpr const char *ProgramVersion = "1.014";
    static constexpr const char *OptionsFile = "SOLNOPTS.INI";
    static constexpr const char *MainCaption = QT_TR_NOOP("VORN Exercise - Rotation of The Sun");

    // ---- State read and set by the other windows ----
    OptionsRecord Options; // the working copy every window reads
    LoginRecord LoginRec;
    OptsObj *OptionsObj = nullptr; // owned
    LogFileObj *LogFile = nullptr; // owned; made by the first StartExercise of the run
    UserFolderClaim UserFolder;    // the student's folder taken for this run (ClaimUserFolder)

    std::uint8_t DisplayStage = 0; // 0 logo, 1 title picture, 2 image lists
    bool PictureLoaded = false;    // the title picture has been read
    bool CloseConfirmed = false;
    bool ExerciseStarted = false;
    bool OptionsAccess = false;
    bool ConfirmClearAll = true;
    bool DataSaved = true;
    bool AnimationStopRequest = false;
    bool QuitRequested = false; // the start-up asked the application to end

    std::string LastImageListFile, LastImageListDir;
    std::string LastDataSaveFile, LastDataSaveDir;
    std::string LastDataLoadFile, LastDataLoadDir;
    std::string LastCsvFile, LastCsvDir;
    std::string DataBaseName;      // "SOLRTN_DATA"
    std::string ImageListBaseName; // "SOLRTN_IMAGES"

    QImage StartPicture; // the logo, later the title picture; released when running
    QCursor CrossHair;   // the image window's cross-hair cursor from "XPXHAIR.CUR"
    bool CrossHairLoaded = false;
    StartupEnv Env;

    // ---- Hooks that later windows set ----
    // The sine-curve analysis: is a result not yet recorded, and record it.
    std::function<bool()> SineResultPending;
    std::function<void()> RecordSineResult;
    // Shows the reminder file (path, caption) and returns the button pressed; nothing when the
    // file could not be shown. Unset: the reminder counts as not shown.
    std::function<std::optional<Answer>(const std::string &, const std::string &)> ShowReminder;
    // (Re)loads the main help topic list from the given file.
    std::function<void(const std::string &)> LoadMainHelpList;
    // The instructor's path after an "Instructor" login (password, options dialog).
    std::function<void()> InstructorLogin;

    // ---- Operations ----
    void StartExercise();
    // Root folder of the optical medium that may hold the images, ending in "/"; "" when none.
    std::string LocateCdromDrive();
    void FormPaint(QPainter &painter);
    // True when the window may close (runs every question of the end of the exercise).
    bool FormCloseQuery();
    void FormClose();
    void SetupHelpMenu();
    // A login or logout entry that did not reach the log is said, with the file and the reason.
    void ReportLogFailure(const LogFileObj &log, bool written);
    void MarkOptionsChanged();
    void ClearOptionsChanged();
    void SaveOptionsForAllUsers();
    bool OptionsChangesPending() const;
    bool AllUsersSavePending() const;
    // The measurement commands while data exist; the Analysis menu only when the raw data format
    // is not pixels.
    void EnableDataCommands(bool on);
    // After a CSV export: the Analysis menu (unless pixels) and Spreadsheet.
    void AfterCsvExport();
    // The copy of unsaved measurements that a fatal fault writes to the user folder
    // (commands/RecoveryCmds.cpp): brought up to date, and the copy left by an earlier run offered
    // back.
    void RefreshRecoveryCopy();
    void OfferRecovery();

    // ---- Image commands ----
    // Loads one database image and adds its line to the loaded-image list.
    void CreateImage(const SolrImgFileRec *rec, int directoryIndex);
    // Shows the selected loaded image in the image window.
    void ImageList1DblClick();
    void ImageList1MouseDown(Qt::MouseButton button, int X, int Y);
    void ImageList1MouseUp(Qt::MouseButton button, int X, int Y);
    void ListBox1MouseDown(Qt::MouseButton button, int X, int Y);
    void ListBox1MouseUp(Qt::MouseButton button, int X, int Y);
    // Prints the lines of a list under the common header, the caption and the heading.
    void PrintListBox(QListWidget *list, const std::string &heading);
    // The database list's lines from the directory records.
    void ShowDirectory();

    // ---- Controls ----
    QWidget *ClientArea = nullptr;
    QLabel *ImageLbl = nullptr;
    QListWidget *ImageList1 = nullptr;
    QLabel *SortLbl = nullptr;
    TLamp *SortLed = nullptr;
    QLabel *DBLbl = nullptr;
    QListWidget *ListBox1 = nullptr;
    QTimer *ImageTimer = nullptr;

    // ---- Long-lived windows ----
    TMeasDataForm1 *MeasDataForm = nullptr; // owner of the measurement list
    TDataListForm1 *DataListForm = nullptr; // made at the first View/Edit, then kept
    TImageForm1 *ImageForm = nullptr;       // the image window
    TGaugeForm2 *GaugeForm = nullptr;       // progress of a load of several images
    TAnimRateDlg *AnimRateDlg = nullptr;    // made at the first Set Rate, then kept
    TGetSrchStrDlg *SearchDlg = nullptr;    // search in the database list
    TRotnAnalysis *RotnAnalysis = nullptr;  // the sine-curve analysis (solar radii)
    TLinearAnalysis *LinearAnalysis = nullptr; // analysis of heliographic measurements

    // The results list (its owner) and the spot-ID list of the analysis windows.
    TRsltsListForm1 *RsltsListForm = nullptr;
    QAction *RateLatitude1 = nullptr; // Analysis: the rate-against-latitude plot
    TIDListForm1 *IDListForm = nullptr;

    // ---- Image database and loaded images ----
    SolrImgFileObj *ImageDB = nullptr; // owned
    SolrImagesObj *Images = nullptr;   // owned; replaced by Clear All Images
    HeliographicCoordObj Helio;        // the one coordinate object of the run
    int AnimationRate = 1000;          // the rate dialog's value, milliseconds
    bool ImageLeftDown = false, ImageRightDown = false, DBRightDown = false;
    // The image window shows loaded image `index`; and forgets an image that is being released.
    // Set when the image window is made; tests may set their own.
    std::function<void(FITSFileObj &image, int index)> ShowImageHook;
    std::function<void(const FITSFileObj *image)> ImageRemovedHook;

    // ---- Menus: one action per command, submenus by name ----
    QMenu *File1 = nullptr, *ImageDatabase1 = nullptr, *ImageDirectory1 = nullptr, *ImageListMenu1 = nullptr,
          *MeasurementData1 = nullptr, *Preferences1 = nullptr, *Images1 = nullptr, *Animation1 = nullptr,
          *Analysis1 = nullptr, *Help1 = nullptr, *Websites1 = nullptr;
    QMenu *PopupMenu1 = nullptr; // loaded-image list
    QMenu *PopupMenu2 = nullptr; // database list
    QAction *Login1 = nullptr, *Run1 = nullptr, *N1 = nullptr, *Load1 = nullptr, *Search1 = nullptr,
            *Print1 = nullptr, *SelectAll1 = nullptr, *LoadSelected1 = nullptr, *LoadList1 = nullptr,
            *SaveList1 = nullptr, *PrintList1 = nullptr, *ViewEdit1 = nullptr, *SaveData1 = nullptr,
            *Load3 = nullptr, *ClearallData1 = nullptr, *PrefSep = nullptr, *Parameters1 = nullptr,
            *SaveUpdates1 = nullptr, *Exit1 = nullptr, *DisplayImage1 = nullptr, *SortImageList1 = nullptr,
            *Cut1 = nullptr, *Paste1 = nullptr, *PasteLast1 = nullptr, *ClearAllImages1 = nullptr,
            *ViewFITSHeader1 = nullptr, *Animate1 = nullptr, *AnimateOff1 = nullptr, *SetRate1 = nullptr,
            *FindPeriod1 = nullptr, *ResultsList1 = nullptr, *Spreadsheet1 = nullptr, *OnHelp1 = nullptr,
            *OnHelpSep = nullptr, *Topics1 = nullptr, *UserSep = nullptr, *User1 = nullptr,
            *GONGProject1 = nullptr, *ProjectVORN1 = nullptr, *AboutThisExercise1 = nullptr;
    // Twins in the database pop-up (their captions differ from the menu's); kept in step with
    // SelectAll1, LoadSelected1, Search1 and Print1. The loaded-image pop-up shares its actions.
    QAction *SelectAll2 = nullptr, *LoadSelected2 = nullptr, *Search2 = nullptr, *Print2 = nullptr;
    // The instructor's importer of observatory images; shown with the options access and in
    // test or demonstration mode (checked each time the File menu opens).
    QAction *MakeImageDatabase1 = nullptr;
    void UpdateMakeDatabaseCommand();
    // The instructor's report on every student of the working folder; shown as Make Image
    // Database is.
    QAction *ClassReport1 = nullptr;
    void UpdateClassReportCommand();

public slots:
    void Login1Click();
    void Run1Click();
    void Load1Click();
    // Image Directory > Load without its file dialog: opens the directory file `file`.
    void LoadDirectoryFile(const std::string &file);
    void Search1Click();
    void Print1Click();
    void SelectAll1Click();
    void ListBox1DblClick();
    void LoadList1Click();
    void SaveList1Click();
    void PrintList1Click();
    void ViewEdit1Click();
    void SaveData1Click();
    void Load3Click();
    void ClearallData1Click();
    void Parameters1Click();
    void SaveUpdates1Click();
    void Exit1Click();
    void DisplayImage1Click();
    void Cut1Click();
    void Paste1Click();
    void PasteLast1Click();
    void SortImageList1Click();
    void ClearAllImages1Click();
    void ViewFITSHeader1Click();
    void Animate1Click();
    void AnimateOff1Click();
    void SetRate1Click();
    void FindPeriod1Click();
    void ResultsList1Click();
    void RateLatitude1Click();
    void Spreadsheet1Click();
    void OnHelp1Click();
    void Topics1Click();
    void User1Click();
    void GONGProject1Click();
    void ProjectVORN1Click();
    void AboutThisExercise1Click();
    void MakeImageDatabase1Click();
    void ClassReport1Click();
    void ImageTimerTimer();
    void UpdateSortIndicator();

signals:
    // The window has closed at the end of the exercise: the program ends.
    void exerciseClosed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void buildControls();
    void buildMenus();
    void requestQuit();
    std::string installFile(const std::string &name) const;
    void createMeasurementWindows();
    MeasFileState measFiles() const;
    void setMeasFiles(const MeasFileState &s);
    void createImageStores();
    void createImageWindow();
    void createLinearAnalysis();
    // The results list and spot-ID windows and the result dialog's link to the options.
    void createResultWindows();
    void createRateLatLink();
    // After a CSV report of the results: Analysis (unless pixels) and Spreadsheet.
    void ResultsCsvExported(bool written, const std::string &folder, const std::string &file);
    // The sine-curve analysis: made at start-up, opened by Plot/Fit Data for solar radii, reset
    // (with its question about an unrecorded result) when the measurement data change.
    void createRotnAnalysis();
    void OpenRotnAnalysis();
    void ResetRotnAnalysis();
    void releaseImageStores();
    // Gives every loaded image and the spare up to the image window before they are released.
    void forgetAllImages();
    void enableImagesMenu();
    void setPasteEnabled(bool on);
    void setAnimationMenu(bool on);
    // The image window's index of its image after the list changed around it.
    void syncShownImage();
    // The database list's line d and record d: set or clear the loaded marker and its " *".
    void markDirectoryLine(int d, bool loaded);
    void pasteImageAt(int position);

    std::unique_ptr<OptsObj> optsOwner_;
    std::unique_ptr<OptionsSaver> saver_;
    std::unique_ptr<LogFileObj> logOwner_;
    std::unique_ptr<SolrImgFileObj> imageDBOwner_;
    std::unique_ptr<SolrImagesObj> imagesOwner_;
};

// The main window, set when it is created.
extern TSolarRtn *SolarRtn;

} // namespace solar
