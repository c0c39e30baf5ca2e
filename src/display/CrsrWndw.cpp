#include "display/CrsrWndw.h"
#include "support/Accessible.h"

#include "display/ImagMeas.h"
#include "display/MgRgnDlg.h"
#include "support/ExtReal.h"
#include "support/Options.h"
#include "support/QtPrompt.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

namespace solar {

TCursorWindow::TCursorWindow(TImageForm1 &imageWindow, QWidget *parent)
    // A tool window of the image window: above it, below message boxes and dialogs.
    : QWidget(parent, Qt::Tool), image_(imageWindow) {
    setWindowTitle(tr("Cursor Region"));
    HorzScroll = new QScrollBar(Qt::Horizontal, this);
    VertScroll = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar *bar : {HorzScroll, VertScroll}) {
        bar->setRange(-100, 100);
        bar->setPageStep(10);
        connect(bar, &QScrollBar::valueChanged, this, [this] { VertScrollScroll(); });
    }
    HorzScroll->setGeometry(0, MagnifierTarget, MagnifierTarget, 16);
    VertScroll->setGeometry(MagnifierTarget, 0, 16, MagnifierTarget);
    PopupMenu1 = new QMenu(this);
    SetRegionSize1 = PopupMenu1->addAction(tr("Set &Magnification..."));
    connect(SetRegionSize1, &QAction::triggered, this, [this] { SetRegionSize1Click(); });
    // From the keyboard: Tab to a bar, the arrow keys step it; Ctrl+M sets the magnification.
    a11y::exposeAsWindow(this);
    HorzScroll->setAccessibleName(tr("Shift measured position left or right"));
    VertScroll->setAccessibleName(tr("Shift measured position up or down"));
    for (QScrollBar *bar : {HorzScroll, VertScroll}) {
        bar->setAccessibleDescription(tr("One step moves the measured position by one magnified pixel."));
        bar->setFocusPolicy(Qt::StrongFocus);
    }
    HorzScroll->setInvertedControls(false); // Right moves the position right
    SetRegionSize1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    addAction(SetRegionSize1);
    FormShow();
}

int TCursorWindow::RegionSize() const {
    return image_.MagnRgnDlg ? UsableRegionSize(image_.MagnRgnDlg->RegionSize) : 24;
}

void TCursorWindow::FormShow() {
    const bool bars = !image_.Options().Centroiding;
    HorzScroll->setVisible(bars);
    VertScroll->setVisible(bars);
    const int side = MagnifierTarget + (bars ? 16 : 0);
    setFixedSize(side, side);
}

void TCursorWindow::showEvent(QShowEvent *event) {
    if (!event->spontaneous()) {
        FormShow();
        emit shownChanged(true);
    }
    QWidget::showEvent(event);
}

void TCursorWindow::closeEvent(QCloseEvent *event) {
    emit shownChanged(false);
    QWidget::closeEvent(event);
}

void TCursorWindow::Clear() {
    CentreX = CentreY = 0;
    CaptionText.clear();
    RefX = RefY = 0;
    setWindowTitle(tr("Cursor Region"));
    Canvas = QImage();
    update();
}

void TCursorWindow::render(long double x, long double y) {
    View = MagnifierRegion(x, y, RegionSize(), HorzScroll->value(), VertScroll->value());
    // The region as the image window shows it, in its device pixels; beyond its edge whatever
    // lies there (black).
    const QImage &screen = image_.ScreenImage();
    const qreal ratio = screen.devicePixelRatio();
    const QSize side(qRound(View.source.width() * ratio), qRound(View.source.height() * ratio));
    QImage region(side, QImage::Format_RGB32);
    region.fill(Qt::black);
    {
        QPainter p(&region);
        QImage plain = screen;
        plain.setDevicePixelRatio(1.0);
        p.drawImage(QPointF(-View.source.left * ratio, -View.source.top * ratio), plain);
    }
    const qreal own = std::max<qreal>(1.0, devicePixelRatioF());
    Canvas = region
                 .scaled(qRound(Target.width() * own), qRound(Target.height() * own), Qt::IgnoreAspectRatio,
                         Qt::FastTransformation)
                 .convertToFormat(QImage::Format_RGB32);
    Canvas.setDevicePixelRatio(own);
    // A light line inside a dark outline: an inverted line would vanish on the mid-grey disc.
    QPainter p(&Canvas);
    const QLine lines[] = {QLine(View.crossX - 20, View.crossY, View.crossX + 20, View.crossY),
                           QLine(View.crossX, View.crossY - 20, View.crossX, View.crossY + 20)};
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap));
    p.drawLines(lines, 2);
    p.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::FlatCap));
    p.drawLines(lines, 2);
}

void TCursorWindow::ShowRegion(const std::string &caption, bool reset, long double x, long double y) {
    if (!isVisible())
        return;
    CentreX = static_cast<int>(roundToInt(x));
    CentreY = static_cast<int>(roundToInt(y));
    CaptionText = caption;
    if (reset) {
        RefX = x;
        RefY = y;
        const QSignalBlocker bh(HorzScroll), bv(VertScroll);
        HorzScroll->setValue(0);
        VertScroll->setValue(0);
    }
    setWindowTitle(CaptionText.empty() ? tr("Cursor Region") : QString::fromStdString(CaptionText));
    render(x, y);
    update();
}

void TCursorWindow::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (!hasRegion()) {
        p.fillRect(rect(), palette().window());
        return;
    }
    render(RefX, RefY);
    p.drawImage(Target.left, Target.top, Canvas);
}

void TCursorWindow::VertScrollScroll() {
    ShowRegion(CaptionText, false, RefX, RefY);
    long double x = 0, y = 0;
    MagnifierPosition(View, HorzScroll->value(), VertScroll->value(), RefX, RefY, x, y);
    image_.MoveMeasurement(x, y);
}

void TCursorWindow::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton)
        RightButtonDown = true;
    QWidget::mousePressEvent(event);
}

void TCursorWindow::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton && RightButtonDown) {
        RightButtonDown = false;
        const QPoint at = event->position().toPoint();
        const QRect frame = frameGeometry();
        PopupMenu1->popup(QPoint(at.x() + frame.left() + 10, at.y() + frame.top() + 20));
    }
    QWidget::mouseReleaseEvent(event);
}

void TCursorWindow::SetRegionSize1Click() {
    if (image_.MagnRgnDlg)
        runModal(*image_.MagnRgnDlg);
    update();
}

} // namespace solar
