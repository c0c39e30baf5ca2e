#include "display/ImagMeas.h"

#include "app/Options.h"
#include "astro/HelioCoord.h"
#include "display/Centroid.h"
#include "display/CrsrWndw.h"
#include "display/MgRgnDlg.h"
#include "display/RdOutWin.h"
#include "imagefiles/BmpFile.h"
#include "imagefiles/GrFiles.h"
#include "imagefiles/HdrView.h"
#include "imagefiles/ImgAdjst.h"
#include "measure/MeasDataWin.h"
#include "support/InfoList.h"
#include "support/Prompt.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cstring>

namespace solar {

namespace {

const QColor Magenta(255, 0, 255);
const QColor SpotGreen(0, 128, 0);

QRect screenRect(const QWidget *w, bool available) {
    QScreen *s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return QRect(0, 0, 800, 600);
    return available ? s->availableGeometry() : s->geometry();
}

// Shows a hidden window, restores a minimised one, closes a shown one.
void toggleWindow(QWidget *w) {
    if (!w->isVisible()) {
        w->show();
    } else if (w->isMinimized()) {
        w->showNormal();
    } else {
        w->close();
    }
}

} // namespace

// ---------------------------------------------------------------- drawing surface

TImageView::TImageView(TImageForm1 &form, QWidget *parent) : QWidget(parent), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setMouseTracking(false);
}

void TImageView::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.drawImage(0, 0, form_.ScreenImage());
}

void TImageView::mousePressEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    form_.FormMouseDown(event->button(), at.x(), at.y());
}

void TImageView::mouseMoveEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    form_.FormMouseMove(at.x(), at.y());
}

void TImageView::mouseReleaseEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    form_.FormMouseUp(event->button(), at.x(), at.y());
}

// ---------------------------------------------------------------- image window

TImageForm1::TImageForm1(OptionsRecord &options, HeliographicCoordObj &helio, TMeasDataForm1 &entry,
                         ImageWindowHooks hooks, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint), options_(options), helio_(helio),
      entry_(entry), hooks_(std::move(hooks)) {
    setWindowTitle(" ");
    View = new TImageView(*this, this); // black client area; the menu keeps its own colours
    View->setCursor(hooks_.crossHair);
    setCentralWidget(View);
    buildMenus();

    MagnRgnDlg = new TMagnRgnDlg(
        options_.MagRegionSize,
        [this] {
            if (CursorWindow)
                CursorWindow->update();
        },
        this);
    CursorWindow = new TCursorWindow(*this, this);
    ReadOut = new TRdOutDisp(options_, this);
    connect(CursorWindow, &TCursorWindow::shownChanged, ShowHide1, &QAction::setChecked);
    connect(ReadOut, &TRdOutDisp::shownChanged, ShowHide2, &QAction::setChecked);

    // The image loader puts a fresh copy of the display defaults into this window's record.
    DisplayState &ds = displayState();
    ds.imageWindow = &Display;
    ds.redisplayImageWindow = [this] { Redisplay(); };
    if (ds.defaults == nullptr)
        ds.defaults = &options_.Display;

    // The entry window redraws this window after recording and places itself beside it.
    MeasWindowHooks eh = entry_.hooks();
    if (!eh.repaintImage)
        eh.repaintImage = [this] { Repaint(); };
    if (!eh.imageWindowWidth)
        eh.imageWindowWidth = [this] { return isVisible() ? frameGeometry().width() : 0; };
    entry_.setHooks(eh);
}

TImageForm1::~TImageForm1() {
    DisplayState &ds = displayState();
    if (ds.imageWindow == &Display) {
        ds.imageWindow = nullptr;
        ds.redisplayImageWindow = nullptr;
    }
    if (ds.current == &Display)
        ds.current = nullptr;
    if (ds.defaults == &options_.Display)
        ds.defaults = nullptr;
}

void TImageForm1::SetHooks(ImageWindowHooks hooks) {
    hooks_ = std::move(hooks);
    View->setCursor(hooks_.crossHair);
}

void TImageForm1::buildMenus() {
    QMenuBar *bar = menuBar();
    File1 = bar->addMenu("&File");
    Image1 = File1->addMenu("&Image");
    Adjust1 = Image1->addAction("&Adjust...", this, &TImageForm1::Adjust1Click);
    Measure1 = Image1->addAction("&Measure...", this, &TImageForm1::Measure1Click);
    ViewFITSHeader1 = Image1->addAction("View FITS &Header...", this, &TImageForm1::ViewFITSHeader1Click);
    Exit1 = File1->addAction("E&xit", this, &TImageForm1::Exit1Click);

    Animation1 = bar->addMenu("&Animation");
    Animation1->menuAction()->setEnabled(false);
    Start1 = Animation1->addAction("&On", this, &TImageForm1::Start1Click);
    Stop1 = Animation1->addAction("O&ff", this, &TImageForm1::Stop1Click);
    Stop1->setEnabled(false);
    SetRate1 = Animation1->addAction("Set Rate...", this, &TImageForm1::SetRate1Click);

    Window1 = bar->addMenu("&Window");
    Magnification1 = Window1->addMenu("&Magnification");
    ShowHide1 = Magnification1->addAction("&Show/Hide", this, &TImageForm1::Magnification1Click);
    ShowHide1->setCheckable(true);
    AutoDisplayMag = Magnification1->addAction("&Auto Display", this, &TImageForm1::AutoDisplayMagClick);
    AutoDisplayMag->setCheckable(true);
    CursorReadOut1 = Window1->addMenu("Cursor &Read-Out");
    ShowHide2 = CursorReadOut1->addAction("&Show/Hide", this, &TImageForm1::CursorReadOut1Click);
    ShowHide2->setCheckable(true);
    AutoDisplayRO = CursorReadOut1->addAction("&Auto Display", this, &TImageForm1::AutoDisplayROClick);
    AutoDisplayRO->setCheckable(true);

    Help1 = bar->addAction("&Help", this, &TImageForm1::Help1Click);
}

int TImageForm1::ClientWidth() const {
    return View->width();
}

int TImageForm1::ClientHeight() const {
    return View->height();
}

// ---------------------------------------------------------------- showing an image

void TImageForm1::ShowImage(FITSFileObj &image, int shownImage) {
    if (image_ != &image)
        headerWindow_.reset();
    image_ = &image;
    ShownImage = shownImage;
    if (entry_.isVisible())
        entry_.close();
    ReadOut->close();
    CursorWindow->close();
    Measuring = false;
    PrepareImage();
    Redisplay();
    Dragging = false;
    show();
    raise();
    activateWindow();
}

void TImageForm1::ImageRemoved(const FITSFileObj *image) {
    if (image == nullptr || image != image_)
        return;
    close();
    image_ = nullptr;
    ShownImage = -1;
    Bitmap = QImage();
    headerWindow_.reset();
    Repaint();
}

void TImageForm1::PrepareImage() {
    if (image_ == nullptr)
        return;
    const ImageDescription &d = image_->Description();
    Bitmap = QImage();
    if (FirstShow) {
        FitWindow(d.width, d.height);
        const QRect desk = screenRect(this, true);
        const QRect me = frameGeometry();
        ReadOut->FormShow();
        ReadOut->adjustSize();
        ReadOut->move(me.left() + (me.width() - ReadOut->frameGeometry().width()) / 2,
                      std::max(0, me.top() - ReadOut->frameGeometry().height()));
        CursorWindow->FormShow();
        const QRect mag = CursorWindow->frameGeometry();
        const int shift = options_.Centroiding ? 16 : 0;
        CursorWindow->move(me.left() - mag.width() + shift, desk.top() + desk.height() -
                                                                entry_.frameGeometry().height() -
                                                                mag.height() - 32 + shift);
        FirstShow = false;
    }
    Disc = MakeDiscMarks(d.discCentreX, d.discCentreY, d.discRadius, Size.scale);
    Zoom = image_->Zoom();
    loadBitmap();
    setWindowTitle(QString::fromStdString(image_->DateText() + image_->TimeText()));
    helio_.SetImageGeometry(image_->Header());
}

void TImageForm1::FitWindow(int imageWidth, int imageHeight) {
    Size = FitDisplay(imageWidth, imageHeight, screenRect(this, false).width());
    View->setFixedSize(Size.displayWidth, Size.displayHeight);
    adjustSize();
    setFixedSize(sizeHint());
    const QRect desk = screenRect(this, true);
    const QRect frame = frameGeometry();
    const int extraW = frame.width() - width();
    const int extraH = frame.height() - height();
    move(desk.left() + desk.width() - width() - extraW, desk.top() + desk.height() - height() - extraH - 32);
}

void TImageForm1::loadBitmap() {
    RasterImage raster;
    if (image_ == nullptr || !ReadRasterFile(image_->RasterPath(), raster) || raster.width <= 0 ||
        raster.height <= 0) {
        if (image_ != nullptr)
            prompt().message("BMP File Error!",
                             "Error Accessing Temporary BMP File!\r\n\r\nFile Name: " + image_->RasterPath(),
                             Icon::Stop, Buttons::OK);
        Bitmap = QImage();
        return;
    }
    QImage img(raster.width, raster.height, QImage::Format_Indexed8);
    for (int row = 0; row < raster.height; ++row)
        std::memcpy(img.scanLine(row), raster.pixels.data() + static_cast<std::size_t>(row) * raster.width,
                    static_cast<std::size_t>(raster.width));
    QList<QRgb> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[i] = qRgb(raster.palette[4 * i + 2], raster.palette[4 * i + 1], raster.palette[4 * i]);
    img.setColorTable(colours);
    Bitmap = img;
}

void TImageForm1::Redisplay() {
    if (image_ != nullptr) {
        FillPalette(Display.lowerIndex, Display.upperIndex, image_->Raster().Palette());
        if (image_->Raster().RewritePalette())
            loadBitmap();
    }
    Repaint();
}

void TImageForm1::Repaint() {
    renderFrame();
    View->update();
}

void TImageForm1::showEvent(QShowEvent *event) {
    if (!event->spontaneous())
        FormShow();
    QMainWindow::showEvent(event);
}

void TImageForm1::FormShow() {
    AutoDisplayMag->setChecked(options_.MagWindow);
    AutoDisplayRO->setChecked(options_.ReadOutWindow);
    const std::string list =
        options_.Centroiding ? options_.CentroidHelpList.str() : options_.MeasHelpList.str();
    HelpListPath = list.empty() ? std::string() : options_.InstallDir.str() + list;
    // Without a help viewer to show the topics the item would do nothing.
    Help1->setEnabled(!list.empty() && hooks_.showHelp);
}

// ---------------------------------------------------------------- drawing

void TImageForm1::FormPaint() {
    Repaint();
}

void TImageForm1::renderFrame() {
    const int cw = std::max(1, ClientWidth());
    const int ch = std::max(1, ClientHeight());
    if (Frame.width() != cw || Frame.height() != ch)
        Frame = QImage(cw, ch, QImage::Format_RGB32);
    Frame.fill(Qt::black);
    if (Bitmap.isNull())
        return;
    {
        QPainter p(&Frame);
        QImage source = Bitmap;
        if (Display.invert) {
            // Inverted copy: every colour of the palette turned to its complement.
            QList<QRgb> colours = source.colorTable();
            for (QRgb &c : colours)
                c = qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c));
            source.setColorTable(colours);
        }
        const IntRect dest = Measuring ? IntRect{0, 0, cw, ch} : ViewingDestination(cw, ch, Zoom);
        p.drawImage(QRect(dest.left, dest.top, dest.width(), dest.height()), source);
        if (Measuring) {
            p.setPen(QPen(Magenta, 1));
            const int cx = Disc.centreX, cy = Disc.centreY;
            p.drawLine(cx - 15, cy, cx + 15, cy);
            p.drawLine(cx, cy - 15, cx, cy + 15);
            p.drawLine(Disc.left, cy - 15, Disc.left, cy + 15);
            p.drawLine(Disc.right, cy - 15, Disc.right, cy + 15);
            p.drawLine(cx - 15, Disc.top, cx + 15, Disc.top);
            p.drawLine(cx - 15, Disc.bottom, cx + 15, Disc.bottom);
        }
    }
    // Recorded spots of this image. They are drawn in display pixels of the whole image, so only
    // while measuring: on the magnified view they would not sit on their spots.
    if (Measuring && image_ != nullptr) {
        const double moment = image_->Header().observationMoment;
        for (const MeasRec &rec : entry_.list().records())
            if (rec.Time == moment)
                DrawSpotMark(rec.ID.str(), SpotGreen, rec.X, rec.Y);
    }
}

void TImageForm1::DrawSpotMark(const std::string &identifier, QColor colour, long double x, long double y) {
    const SpotMarkGeometry g =
        SpotMark(x, y, options_.Box.searchHalfWidth, options_.Box.skyBorder, identifier.size());
    {
        QPainter p(&Frame);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 1));
        // A one-pixel pen strokes both edges: left to right inclusive.
        p.drawRect(QRect(g.box.left, g.box.top, g.box.width(), g.box.height()));
        if (!identifier.empty()) {
            const QFontMetrics fm(p.font());
            p.drawText(g.textLeft, g.textTop + fm.ascent(), QString::fromStdString(identifier));
        }
    }
    if (!identifier.empty())
        CursorWindow->ShowRegion("Spot " + identifier, true, x, y);
    View->update();
}

void TImageForm1::DrawClickMark(QColor colour, long double x, long double y) {
    const int half = UsableRegionSize(MagnRgnDlg->RegionSize) / 2;
    const SpotMarkGeometry g = SpotMark(x, y, half, 0, 0);
    {
        QPainter p(&Frame);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 1));
        // A one-pixel pen strokes both edges: left to right inclusive.
        p.drawRect(QRect(g.box.left, g.box.top, g.box.width(), g.box.height()));
    }
    View->update();
}

// ---------------------------------------------------------------- measuring

void TImageForm1::Measure1Click() {
    if (image_ == nullptr)
        return;
    const ImageDescription &d = image_->Description();
    Disc = MakeDiscMarks(d.discCentreX, d.discCentreY, d.discRadius, Size.scale);
    if (hooks_.measuringChanged)
        hooks_.measuringChanged(true);
    Measuring = true;
    Repaint();
    if (options_.ReadOutWindow)
        ReadOut->show();
    if (options_.MagWindow)
        CursorWindow->show();
    entry_.show();
}

void TImageForm1::FormMouseDown(Qt::MouseButton button, int X, int Y) {
    if (image_ == nullptr)
        return;
    if (!Measuring)
        Measure1Click();
    if (button == Qt::LeftButton) {
        Dragging = true;
        CursorReadout(X, Y);
    }
}

void TImageForm1::FormMouseMove(int X, int Y) {
    if (Measuring && Dragging && X > 0 && X < ClientWidth() && Y > 0 && Y < ClientHeight()) {
        CursorReadout(X, Y);
        CursorWindow->ShowRegion("Cursor Region", true, X, Y);
    }
}

void TImageForm1::FormMouseUp(Qt::MouseButton button, int X, int Y) {
    if (button != Qt::LeftButton || !Dragging)
        return;
    Dragging = false;
    Repaint();
    MeasureSpot(X, Y);
}

void TImageForm1::CursorReadout(int X, int Y) {
    ReadoutValues v;
    if (!solar::CursorReadout(X, Y, Disc, helio_, options_.RawDataFormat, v))
        return;
    ReadOut->ShowValues("Cursor Position", v);
}

void TImageForm1::MeasureSpot(int X, int Y) {
    if (image_ == nullptr)
        return;
    if (!(Disc.radius > 0.0L)) {
        // Offsets in solar radii and heliographic coordinates need the disc's radius.
        prompt().message("No Solar Disc Radius!",
                         "This image's header gives no radius of the solar disc (FNDLMBMA).\r\n\r\n"
                         "Spot positions cannot be measured on this image.",
                         Icon::Exclamation, Buttons::OK);
        return;
    }
    const double moment = image_->Header().observationMoment;
    const int unit = options_.RawDataFormat;
    if (options_.Centroiding) {
        const IntArrayList *table = image_->PixelTable();
        if (table == nullptr)
            return;
        const ImageDescription &d = image_->Description();
        const CentroidResult c =
            FindCentroid(*table, d.width, d.height, d.maximum, Size.scale, X, Y, options_.Box, Disc);
        if (!c.found)
            return;
        DrawSpotMark("", Magenta, c.x, c.y);
        CursorWindow->ShowRegion("Auto Centroid", true, c.x, c.y);
        if (FillMeasurement(CurrentMeasurement, c.x, c.y, moment, unit, Disc, helio_)) {
            ShowSpotPosition();
            entry_.ShowMeasurement(CurrentMeasurement);
            if (!entry_.isVisible())
                entry_.show();
            entry_.raise();
            entry_.activateWindow();
            entry_.IDEd->setFocus();
        }
        return;
    }
    DrawClickMark(Magenta, X, Y);
    if (!FillMeasurement(CurrentMeasurement, X, Y, moment, unit, Disc, helio_))
        return;
    ShowSpotPosition();
    entry_.ShowMeasurement(CurrentMeasurement);
    if (!entry_.isVisible())
        entry_.show();
    CursorWindow->ShowRegion("Locate Centroid", true, X, Y);
    if (CursorWindow->isVisible()) {
        CursorWindow->raise();
        CursorWindow->activateWindow();
    }
}

void TImageForm1::ShowSpotPosition() {
    ReadOut->ShowValues("Spot Position", SpotReadout(CurrentMeasurement));
}

void TImageForm1::MoveMeasurement(long double x, long double y) {
    if (image_ == nullptr)
        return;
    // The position lies on the image on screen, whatever image the last measurement was made on.
    if (!FillMeasurement(CurrentMeasurement, x, y, image_->Header().observationMoment, options_.RawDataFormat,
                         Disc, helio_))
        return;
    ShowSpotPosition();
    entry_.ShowMeasurement(CurrentMeasurement);
}

// ---------------------------------------------------------------- other commands

void TImageForm1::Adjust1Click() {
    if (image_ == nullptr)
        return;
    TImgAdjstDlg::adjustImage(
        Display, options_.Display, ShownImage + 1, [this] { Redisplay(); }, this);
}

void TImageForm1::ViewFITSHeader1Click() {
    if (image_ != nullptr)
        ViewHeader(*image_, ""); // the image's one header window, shared with the main window
}

void TImageForm1::Exit1Click() {
    close();
}

void TImageForm1::Start1Click() {
    if (hooks_.animationOn)
        hooks_.animationOn();
}

void TImageForm1::Stop1Click() {
    if (hooks_.animationOff)
        hooks_.animationOff();
}

void TImageForm1::SetRate1Click() {
    if (hooks_.animationSetRate)
        hooks_.animationSetRate();
}

void TImageForm1::Magnification1Click() {
    toggleWindow(CursorWindow);
    ShowHide1->setChecked(CursorWindow->isVisible());
}

void TImageForm1::CursorReadOut1Click() {
    toggleWindow(ReadOut);
    ShowHide2->setChecked(ReadOut->isVisible());
}

void TImageForm1::AutoDisplayMagClick() {
    options_.MagWindow = !options_.MagWindow;
    AutoDisplayMag->setChecked(options_.MagWindow);
}

void TImageForm1::AutoDisplayROClick() {
    options_.ReadOutWindow = !options_.ReadOutWindow;
    AutoDisplayRO->setChecked(options_.ReadOutWindow);
}

void TImageForm1::Help1Click() {
    if (hooks_.showHelp && !HelpListPath.empty())
        hooks_.showHelp(HelpListPath);
}

void TImageForm1::closeEvent(QCloseEvent *event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

void TImageForm1::FormClose() {
    // The entry window's "Finished" runs once, when it is left: a hidden one has already finished.
    if (entry_.isVisible())
        entry_.CnclBtn1Click();
    ReadOut->close();
    CursorWindow->close();
    Dragging = false;
    if (hooks_.animationOff)
        hooks_.animationOff();
    if (hooks_.measuringChanged)
        hooks_.measuringChanged(false);
}

} // namespace solar
