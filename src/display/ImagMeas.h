#pragma once
// The image window TImageForm1: one loaded solar image, magnified so that the disc fills the window
// (viewing) or whole with its centre and limb marked (measuring), where releasing the mouse button
// measures a sunspot at the cursor or at the centroid near it and hands the record on.

#include "display/ImageGeom.h"
#include "measure/MeasData.h"
#include "support/DisplayParams.h"

#include <QCursor>
#include <QImage>
#include <QMainWindow>
#include <functional>
#include <string>

class QAction;
class QMenu;

namespace solar {

class FITSFileObj;
class HeliographicCoordObj;
class TCursorWindow;
class TImageForm1;
class TMagnRgnDlg;
class TMeasDataForm1;
class TRdOutDisp;
struct OptionsRecord;

// What the image window needs from the main window. Every function may be left empty.
struct ImageWindowHooks {
    QCursor crossHair{Qt::CrossCursor}; // the cursor over the image
    // Measuring began (true: disable "&Preferences...") or the window closed (false: enable it).
    std::function<void(bool measuring)> measuringChanged;
    // The main window's animation commands On, Off and Set Rate.
    std::function<void()> animationOn;
    std::function<void()> animationOff;
    std::function<void()> animationSetRate;
    // The help topic dialog and viewer for a topic list file (full path); the help folder is
    // the installation folder.
    std::function<void(const std::string &topicListPath)> showHelp;
};

// The drawing surface of the image window; its mouse and paint events go to the window.
class TImageView : public QWidget {
    Q_OBJECT
public:
    explicit TImageView(TImageForm1 &form, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TImageForm1 &form_;
};

class TImageForm1 : public QMainWindow {
    Q_OBJECT
public:
    // options: the main window's working copy (RawDataFormat, Centroiding, MagWindow, ReadOutWindow,
    // Box, MagRegionSize, help lists, display defaults); helio: the program's one coordinate
    // object; entry: the measurement entry window (its MeasList gives the recorded spots).
    TImageForm1(OptionsRecord &options, HeliographicCoordObj &helio, TMeasDataForm1 &entry,
                ImageWindowHooks hooks = {}, QWidget *parent = nullptr);
    ~TImageForm1() override;

    // Shows `image`, the loaded image at index `shownImage` (from 0) of the loaded-image store,
    // in viewing mode. The image must stay loaded while it is shown (see ImageRemoved).
    void ShowImage(FITSFileObj &image, int shownImage);
    // The main window removes a loaded image: when it is the one shown, the window closes and
    // forgets it.
    void ImageRemoved(const FITSFileObj *image);
    // New palette from the display record into the raster file, bitmap reloaded, window redrawn.
    void Redisplay();
    // Draws the window again (recorded spots included).
    void Repaint();
    void SetHooks(ImageWindowHooks hooks);

    // ---- Menu ----
    QMenu *File1 = nullptr, *Image1 = nullptr, *Animation1 = nullptr, *Window1 = nullptr,
          *Magnification1 = nullptr, *CursorReadOut1 = nullptr;
    QAction *Adjust1 = nullptr, *Measure1 = nullptr, *ViewFITSHeader1 = nullptr, *Exit1 = nullptr,
            *Start1 = nullptr, *Stop1 = nullptr, *SetRate1 = nullptr, *ShowHide1 = nullptr,
            *AutoDisplayMag = nullptr, *ShowHide2 = nullptr, *AutoDisplayRO = nullptr, *Help1 = nullptr;

    // ---- Companion windows (created with this window, live as long) ----
    TCursorWindow *CursorWindow = nullptr; // the magnifier
    TRdOutDisp *ReadOut = nullptr;
    TMagnRgnDlg *MagnRgnDlg = nullptr; // holds the magnifier's region size
    TImageView *View = nullptr;

    // ---- State ----
    int ShownImage = -1;
    bool FirstShow = true;
    bool Dragging = false;
    bool Measuring = false;
    MeasRec CurrentMeasurement;
    long double Zoom = 1.0L; // viewing: the magnification that makes the disc fill the window
    DiscMarks Disc;
    ViewTransform Viewing;   // where the whole-image display lies in the viewing window
    bool DragInView = false; // the button went down on the magnified view: positions map through it
    DisplaySize Size;
    DisplayParams Display; // this image's brightness, contrast and invert
    QImage Bitmap;         // the 8-bit raster with its palette
    std::string HelpListPath;

    // ---- Handlers ----
    void PrepareImage();
    void FitWindow(int imageWidth, int imageHeight);
    void FormShow();
    void FormPaint();
    // Positions are in the client area's pixels; at a device pixel ratio above 1 they carry
    // fractions.
    void FormMouseDown(Qt::MouseButton button, qreal X, qreal Y);
    void FormMouseMove(qreal X, qreal Y);
    void FormMouseUp(Qt::MouseButton button, qreal X, qreal Y);
    // The keyboard's cross-hair, in image pixels: the arrow keys move it by one pixel (ten with
    // Shift), the read-out and magnifier follow; Enter or Space measures there as a click there
    // would. True when the key was taken.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    int CrossCol = -1, CrossRow = -1; // -1: not placed yet (the disc centre at the first key)
    // The image, its time and the cross-hair for a screen reader.
    void DescribeView();
    void CursorReadout(long double X, long double Y);
    void MeasureSpot(long double X, long double Y);
    void ShowSpotPosition();
    void DrawSpotMark(const std::string &identifier, QColor colour, long double x, long double y);
    void DrawClickMark(QColor colour, long double x, long double y);
    void FormClose();

    // The magnifier's scroll bars moved the measured position to (x, y): the current measurement,
    // read-out and entry window follow when the position lies on the disc.
    void MoveMeasurement(long double x, long double y);

    // What is drawn in the client area now (marks included): the magnifier copies from it.
    const QImage &ScreenImage() const { return Frame; }
    FITSFileObj *Image() const { return image_; }
    OptionsRecord &Options() const { return options_; }
    TMeasDataForm1 &Entry() const { return entry_; }
    int ClientWidth() const;
    int ClientHeight() const;

public slots:
    void Adjust1Click();
    void Measure1Click();
    void ViewFITSHeader1Click();
    void Exit1Click();
    void Start1Click();
    void Stop1Click();
    void SetRate1Click();
    void Magnification1Click();
    void CursorReadOut1Click();
    void AutoDisplayMagClick();
    void AutoDisplayROClick();
    void Help1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void placeHelpers(); // read-out, magnifier and entry window beside this window
    void resetHelpers(); // a new image: nothing measured on it yet
    void renderFrame();  // draws bitmap, limb marks and recorded spots into Frame
    void loadBitmap();

    OptionsRecord &options_;
    HeliographicCoordObj &helio_;
    TMeasDataForm1 &entry_;
    ImageWindowHooks hooks_;
    FITSFileObj *image_ = nullptr;
    QImage Frame; // the client area as drawn (RGB32, at the screen's device pixel ratio)
    int fittedWidth_ = 0, fittedHeight_ = 0; // the image size the window was fitted to
    bool keyMeasured_ = false;               // the last spot was measured from the keyboard
};

} // namespace solar
