#include "display/ImagMeas.h"

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
#include "support/ExtReal.h"
#include "support/InfoList.h"
#include "support/Options.h"
#include "support/Prompt.h"
#include "support/ScreenFit.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cstring>

namespace solar {

namespace {

const QColor Magenta(255, 0, 255);
const QColor SpotGreen(0, 128, 0);

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
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Solar image"));
}

void TImageView::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.drawImage(0, 0, form_.ScreenImage());
    // The keyboard's cross-hair, open at its centre so that the pixel itself stays visible, and
    // a frame while the image has the keyboard focus.
    if (form_.Measuring && form_.CrossCol >= 0) {
        const QPointF c(static_cast<qreal>(form_.CrossCol * form_.Size.scale),
                        static_cast<qreal>(form_.CrossRow * form_.Size.scale));
        p.setPen(QPen(Qt::yellow, 0));
        p.drawLine(QPointF(c.x() - 8, c.y()), QPointF(c.x() - 2, c.y()));
        p.drawLine(QPointF(c.x() + 2, c.y()), QPointF(c.x() + 8, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - 8), QPointF(c.x(), c.y() - 2));
        p.drawLine(QPointF(c.x(), c.y() + 2), QPointF(c.x(), c.y() + 8));
    }
    if (hasFocus()) {
        p.setPen(QPen(Qt::cyan, 0, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// Positions keep their fractions: at a device pixel ratio of 2 a click resolves half a pixel.
void TImageView::mousePressEvent(QMouseEvent *event) {
    form_.FormMouseDown(event->button(), event->position().x(), event->position().y());
}

void TImageView::mouseMoveEvent(QMouseEvent *event) {
    form_.FormMouseMove(event->position().x(), event->position().y());
}

void TImageView::mouseReleaseEvent(QMouseEvent *event) {
    form_.FormMouseUp(event->button(), event->position().x(), event->position().y());
}

void TImageView::keyPressEvent(QKeyEvent *event) {
    if (!form_.FormKeyDown(event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
}

void TImageView::focusInEvent(QFocusEvent *event) {
    QWidget::focusInEvent(event);
    update();
}

void TImageView::focusOutEvent(QFocusEvent *event) {
    QWidget::focusOutEvent(event);
    update();
}

// ---------------------------------------------------------------- image window

TImageForm1::TImageForm1(OptionsRecord &options, HeliographicCoordObj &helio, TMeasDataForm1 &entry,
                         ImageWindowHooks hooks, QWidget *parent)
    // Not on top of the whole desktop: the window stays above the main window it belongs to, its
    // helpers above it, and message boxes and dialogs above them all.
    : QMainWindow(parent, Qt::Window), options_(options), helio_(helio), entry_(entry),
      hooks_(std::move(hooks)) {
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
    screenfit::reserve(this);
    ReadOut = new TRdOutDisp(options_, this);
    for (QWidget *w : std::initializer_list<QWidget *>{this, CursorWindow, ReadOut, &entry_})
        screenfit::keepInside(w);
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
        eh.repaintImage = [this] {
            Repaint();
            // A spot measured from the keyboard: once it is recorded the keys come back here.
            if (keyMeasured_ && isVisible()) {
                keyMeasured_ = false;
                activateWindow();
                View->setFocus();
            }
        };
    if (!eh.imageWindowWidth)
        eh.imageWindowWidth = [this] { return isVisible() ? screenfit::frameRect(this).width() : 0; };
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
    File1 = bar->addMenu(tr("&File"));
    Image1 = File1->addMenu(tr("&Image"));
    Adjust1 = Image1->addAction(tr("&Adjust..."), this, &TImageForm1::Adjust1Click);
    Measure1 = Image1->addAction(tr("&Measure..."), this, &TImageForm1::Measure1Click);
    ViewFITSHeader1 = Image1->addAction(tr("View FITS &Header..."), this, &TImageForm1::ViewFITSHeader1Click);
    Exit1 = File1->addAction(tr("E&xit"), this, &TImageForm1::Exit1Click);

    Animation1 = bar->addMenu(tr("&Animation"));
    Animation1->menuAction()->setEnabled(false);
    Start1 = Animation1->addAction(tr("&On"), this, &TImageForm1::Start1Click);
    Stop1 = Animation1->addAction(tr("O&ff"), this, &TImageForm1::Stop1Click);
    Stop1->setEnabled(false);
    SetRate1 = Animation1->addAction(tr("Set Rate..."), this, &TImageForm1::SetRate1Click);

    Window1 = bar->addMenu(tr("&Window"));
    Magnification1 = Window1->addMenu(tr("&Magnification"));
    ShowHide1 = Magnification1->addAction(tr("&Show/Hide"), this, &TImageForm1::Magnification1Click);
    ShowHide1->setCheckable(true);
    AutoDisplayMag = Magnification1->addAction(tr("&Auto Display"), this, &TImageForm1::AutoDisplayMagClick);
    AutoDisplayMag->setCheckable(true);
    CursorReadOut1 = Window1->addMenu(tr("Cursor &Read-Out"));
    ShowHide2 = CursorReadOut1->addAction(tr("&Show/Hide"), this, &TImageForm1::CursorReadOut1Click);
    ShowHide2->setCheckable(true);
    AutoDisplayRO = CursorReadOut1->addAction(tr("&Auto Display"), this, &TImageForm1::AutoDisplayROClick);
    AutoDisplayRO->setCheckable(true);

    Help1 = bar->addAction(tr("&Help"), this, &TImageForm1::Help1Click);
}

int TImageForm1::ClientWidth() const {
    return View->width();
}

int TImageForm1::ClientHeight() const {
    return View->height();
}

// ---------------------------------------------------------------- showing an image

void TImageForm1::ShowImage(FITSFileObj &image, int shownImage) {
    image_ = &image;
    ShownImage = shownImage;
    if (entry_.isVisible())
        entry_.close();
    ReadOut->close();
    CursorWindow->close();
    Measuring = false;
    DragInView = false;
    resetHelpers();
    PrepareImage();
    Redisplay();
    Dragging = false;
    DescribeView();
    // Only a hidden window comes forward: stepping through images (animation, several loaded at
    // once) must not take the focus from the window the student works in.
    if (!isVisible()) {
        show();
        raise();
        activateWindow();
        // The first showing tells the real frame: fit and place again with it.
        if (image_ != nullptr && !screenfit::availableArea(this).contains(frameGeometry())) {
            FitWindow(fittedWidth_, fittedHeight_);
            placeHelpers();
            Disc = MakeDiscMarks(image_->Description().discCentreX, image_->Description().discCentreY,
                                 image_->Description().discRadius, Size.scale);
            Viewing = ViewingTransform(ClientWidth(), ClientHeight(), Disc);
            Zoom = Viewing.zoom;
            Redisplay();
        }
    }
}

void TImageForm1::resetHelpers() {
    ReadOut->ShowValues(tr("Cursor Position").toStdString(), ReadoutValues{});
    CursorWindow->Clear();
    CrossCol = CrossRow = -1;
}

void TImageForm1::ImageRemoved(const FITSFileObj *image) {
    if (image == nullptr || image != image_)
        return;
    close();
    image_ = nullptr;
    ShownImage = -1;
    Bitmap = QImage();
    Repaint();
}

void TImageForm1::PrepareImage() {
    if (image_ == nullptr)
        return;
    const ImageDescription &d = image_->Description();
    Bitmap = QImage();
    // Each image is measured with its own scale: an image of another size fits the window anew.
    if (FirstShow || d.width != fittedWidth_ || d.height != fittedHeight_) {
        FitWindow(d.width, d.height);
        placeHelpers();
        FirstShow = false;
    }
    Disc = MakeDiscMarks(d.discCentreX, d.discCentreY, d.discRadius, Size.scale);
    Viewing = ViewingTransform(ClientWidth(), ClientHeight(), Disc);
    Zoom = Viewing.zoom;
    loadBitmap();
    setWindowTitle(QString::fromStdString(image_->DateText() + image_->TimeText()));
    helio_.SetImageGeometry(image_->Header().viewGeometry());
}

void TImageForm1::FitWindow(int imageWidth, int imageHeight) {
    // The whole window, its frame and menu included, and the read-out above it fit the screen
    // area the panels leave.
    ReadOut->FormShow();
    ReadOut->adjustSize();
    const int readOutHeight = screenfit::frameRect(ReadOut).height();
    const int menuHeight = menuBar()->sizeHint().height();
    const QSize most = screenfit::maxClientSize(this, menuHeight + readOutHeight);
    Size = FitDisplay(imageWidth, imageHeight, screenfit::availableArea(this).width(), most.height());
    fittedWidth_ = imageWidth;
    fittedHeight_ = imageHeight;
    View->setFixedSize(Size.displayWidth, Size.displayHeight);
    setFixedSize(QSize(Size.displayWidth, Size.displayHeight + menuHeight));
    // At the right edge, its bottom 32 pixels above the area's bottom where there is room.
    const QRect area = screenfit::availableArea(this);
    const QRect frame = screenfit::frameRectAt(this, QPoint(0, 0));
    screenfit::placeFrame(
        this, QPoint(area.right() + 1 - frame.width(),
                     std::max(area.top() + readOutHeight, area.bottom() + 1 - frame.height() - 32)));
}

void TImageForm1::placeHelpers() {
    using screenfit::frameRect;
    using screenfit::frameRectAt;
    const QRect area = screenfit::availableArea(this);
    const QRect me = frameRect(this);
    QList<QRect> taken{me};
    if (QWidget *main = parentWidget() ? parentWidget()->window() : nullptr; main && main->isVisible())
        taken << frameRect(main);
    // The entry window: at the bottom, left of this window (its own show places it so).
    entry_.adjustSize();
    const QRect entry = entry_.PlaceBeside(me, taken);
    taken << entry;
    // The read-out: centred just above this window, else beside it at the top.
    const QSize ro = frameRectAt(ReadOut, QPoint(0, 0)).size();
    screenfit::placeAmong(
        ReadOut,
        {QPoint(me.left() + (me.width() - ro.width()) / 2, std::max(area.top(), me.top() - ro.height())),
         QPoint(me.left() - ro.width(), area.top()), QPoint(entry.left() - ro.width(), area.top())},
        taken);
    taken << frameRect(ReadOut);
    // The magnifier: left of this window just above the entry window, else left of the entry
    // window; shifted 16 pixels right and down with centroiding, whose bars it lacks.
    CursorWindow->FormShow();
    const QSize mag = frameRectAt(CursorWindow, QPoint(0, 0)).size();
    const int shift = options_.Centroiding ? 16 : 0;
    screenfit::placeAmong(CursorWindow,
                          {QPoint(me.left() - mag.width() + shift, entry.top() - mag.height() + shift),
                           QPoint(entry.left() - mag.width(), entry.bottom() + 1 - mag.height()),
                           QPoint(entry.left() - mag.width(), area.bottom() + 1 - mag.height()),
                           QPoint(me.left() - mag.width(), area.top())},
                          taken);
}

void TImageForm1::loadBitmap() {
    RasterImage raster;
    if (image_ == nullptr || !ReadRasterFile(image_->RasterPath(), raster) || raster.width <= 0 ||
        raster.height <= 0) {
        if (image_ != nullptr)
            prompt().message(tr("BMP File Error!").toStdString(),
                             tr("Error Accessing Temporary BMP File!\r\n\r\nFile Name: %1")
                                 .arg(QString::fromStdString(image_->RasterPath()))
                                 .toStdString(),
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
    // Drawn at the screen's device pixel ratio, so that a HiDPI screen shows every image pixel.
    const qreal dpr = std::max<qreal>(1.0, View->devicePixelRatioF());
    const QSize device(qRound(cw * dpr), qRound(ch * dpr));
    if (Frame.size() != device || Frame.devicePixelRatio() != dpr) {
        Frame = QImage(device, QImage::Format_RGB32);
        Frame.setDevicePixelRatio(dpr);
    }
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
        // The whole image at the display scale; viewing magnifies it about the disc centre.
        const bool viewing = !Measuring || DragInView;
        const ViewTransform t = viewing ? Viewing : ViewTransform{};
        const QRectF dest(static_cast<qreal>(t.offsetX), static_cast<qreal>(t.offsetY),
                          static_cast<qreal>(Size.displayWidth * t.zoom),
                          static_cast<qreal>(Size.displayHeight * t.zoom));
        p.drawImage(dest, source);
        if (!viewing) {
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
    if (Measuring && !DragInView && image_ != nullptr) {
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
        CursorWindow->ShowRegion(tr("Spot %1").arg(QString::fromStdString(identifier)).toStdString(), true, x,
                                 y);
    View->update();
}

void TImageForm1::DrawClickMark(QColor colour, long double x, long double y) {
    const int half = UsableRegionSize(MagnRgnDlg->RegionSize) / 2;
    const SpotMarkGeometry g = SpotMark(x, y, half, 0, 0);
    {
        QPainter p(&Frame);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 1));
        // The box is the region the magnifier shows, right and bottom edges inside it, so that the
        // magnifier shows all four sides.
        p.drawRect(QRect(g.box.left, g.box.top, g.box.width() - 1, g.box.height() - 1));
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
    DescribeView();
}

void TImageForm1::FormMouseDown(Qt::MouseButton button, qreal X, qreal Y) {
    if (image_ == nullptr)
        return;
    if (!Measuring) {
        // The magnified view stays until the button comes up, so the spot under the cursor is
        // the one measured; positions map through the view meanwhile.
        DragInView = button == Qt::LeftButton;
        Measure1Click();
    }
    if (button == Qt::LeftButton) {
        Dragging = true;
        CursorReadout(DragInView ? Viewing.displayX(X) : X, DragInView ? Viewing.displayY(Y) : Y);
    }
}

void TImageForm1::FormMouseMove(qreal X, qreal Y) {
    if (Measuring && Dragging && X > 0 && X < ClientWidth() && Y > 0 && Y < ClientHeight()) {
        CursorReadout(DragInView ? Viewing.displayX(X) : X, DragInView ? Viewing.displayY(Y) : Y);
        // The magnifier copies what the window shows, so it takes the position on the screen.
        CursorWindow->ShowRegion(tr("Cursor Region").toStdString(), true, X, Y);
    }
}

void TImageForm1::FormMouseUp(Qt::MouseButton button, qreal X, qreal Y) {
    if (button != Qt::LeftButton || !Dragging)
        return;
    Dragging = false;
    long double x = X, y = Y;
    if (DragInView) {
        x = Viewing.displayX(X);
        y = Viewing.displayY(Y);
        DragInView = false;
    }
    Repaint();
    MeasureSpot(x, y);
}

bool TImageForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (image_ == nullptr)
        return false;
    const int step = modifiers & Qt::ShiftModifier ? 10 : 1;
    int dc = 0, dr = 0;
    bool measure = false;
    switch (key) {
    case Qt::Key_Left:
        dc = -step;
        break;
    case Qt::Key_Right:
        dc = step;
        break;
    case Qt::Key_Up:
        dr = -step;
        break;
    case Qt::Key_Down:
        dr = step;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        measure = true;
        break;
    default:
        return false;
    }
    // A key in viewing switches to measuring, as a press does; the cross starts at the centre.
    // The keys stay with the image although the companion windows come up. Enter or Space
    // measures only once the cross is shown: the first one (often meant for a window that has
    // just closed) shows it.
    const bool crossShown = Measuring && CrossCol >= 0;
    if (!Measuring) {
        Measure1Click();
        activateWindow();
        View->setFocus();
    }
    const ImageDescription &d = image_->Description();
    if (CrossCol < 0) {
        CrossCol = static_cast<int>(roundHalfEven(d.discCentreX));
        CrossRow = static_cast<int>(roundHalfEven(d.discCentreY));
    }
    CrossCol = std::clamp(CrossCol + dc, 0, std::max(0, d.width - 1));
    CrossRow = std::clamp(CrossRow + dr, 0, std::max(0, d.height - 1));
    const long double X = CrossCol * Size.scale, Y = CrossRow * Size.scale;
    if (measure && crossShown) {
        // The same road as a click: press and release at the cross.
        FormMouseDown(Qt::LeftButton, static_cast<qreal>(X), static_cast<qreal>(Y));
        FormMouseUp(Qt::LeftButton, static_cast<qreal>(X), static_cast<qreal>(Y));
        keyMeasured_ = true;
    } else {
        CursorReadout(X, Y);
        CursorWindow->ShowRegion(tr("Cursor Region").toStdString(), true, X, Y);
    }
    DescribeView();
    View->update();
    return true;
}

void TImageForm1::DescribeView() {
    if (image_ == nullptr) {
        View->setAccessibleDescription(tr("No image shown."));
        return;
    }
    QString text = (Measuring ? tr("Image of %1, measuring.") : tr("Image of %1, viewing."))
                       .arg(windowTitle().simplified());
    if (Measuring && CrossCol >= 0) {
        text += tr(" Cross-hair at image column %1, row %2.").arg(CrossCol).arg(CrossRow);
        const long double X = CrossCol * Size.scale, Y = CrossRow * Size.scale;
        ReadoutValues v;
        if (solar::CursorReadout(X, Y, Disc, helio_, options_.RawDataFormat, v)) {
            text += tr(" Offset from the disc centre %1, %2 pixels")
                        .arg(static_cast<double>(v.xPixels), 0, 'f', 2)
                        .arg(static_cast<double>(v.yPixels), 0, 'f', 2);
            if (options_.RawDataFormat == 1)
                text += tr(", %1, %2 solar radii")
                            .arg(static_cast<double>(v.xCoord), 0, 'f', 5)
                            .arg(static_cast<double>(v.yCoord), 0, 'f', 5);
            else if (options_.RawDataFormat == 2)
                text += tr(", longitude %1, latitude %2 degrees")
                            .arg(static_cast<double>(v.xCoord), 0, 'f', 5)
                            .arg(static_cast<double>(v.yCoord), 0, 'f', 5);
            text += ".";
        } else {
            text += tr(" Off the disc.");
        }
    }
    View->setAccessibleDescription(text);
}

void TImageForm1::CursorReadout(long double X, long double Y) {
    ReadoutValues v;
    if (!solar::CursorReadout(X, Y, Disc, helio_, options_.RawDataFormat, v))
        return;
    ReadOut->ShowValues(tr("Cursor Position").toStdString(), v);
}

void TImageForm1::MeasureSpot(long double X, long double Y) {
    if (image_ == nullptr)
        return;
    if (!(Disc.radius > 0.0L)) {
        // Offsets in solar radii and heliographic coordinates need the disc's radius.
        prompt().message(tr("No Solar Disc Radius!").toStdString(),
                         tr("This image's header gives no radius of the solar disc (FNDLMBMA).\r\n\r\n"
                            "Spot positions cannot be measured on this image.")
                             .toStdString(),
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
        CursorWindow->ShowRegion(tr("Auto Centroid").toStdString(), true, c.x, c.y);
        if (FillMeasurement(CurrentMeasurement, c.x, c.y, moment, unit, Disc, helio_)) {
            ShowSpotPosition();
            entry_.ShowMeasurement(CurrentMeasurement);
            if (!entry_.isVisible())
                entry_.show();
            entry_.FocusIdentifier();
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
    CursorWindow->ShowRegion(tr("Locate Centroid").toStdString(), true, X, Y);
    // The student names the spot next: the identifier takes the keys and Enter records. The
    // magnifier's bars still fine-tune the position with the mouse.
    entry_.FocusIdentifier();
}

void TImageForm1::ShowSpotPosition() {
    ReadOut->ShowValues(tr("Spot Position").toStdString(), SpotReadout(CurrentMeasurement));
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
