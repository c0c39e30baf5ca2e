// The main window's image commands: the image directory, loading the selected images, the
// loaded-image list (show, cut, paste, sort, clear), search and print of the lists, image list
// files and the animation.
#include "app/VORN_ROT.h"

#include "display/ImagMeas.h"
#include "imagedb/AnimDlg.h"
#include "imagedb/ImageListFile.h"
#include "imagedb/ImgPgrGage.h"
#include "imagedb/SolrImages.h"
#include "imagefiles/HdrView.h"
#include "support/Getsstr.h"
#include "support/InfoList.h"
#include "support/ListText.h"
#include "support/PrintHdr.h"
#include "support/QtPrintHdr.h"
#include "support/QtPrompt.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>

namespace solar {
namespace {

const char *const LoadedMark = " *";

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.pop_back();
    return s;
}

std::vector<int> selectedRows(QListWidget *list) {
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows.push_back(i);
    return rows;
}

// The list lines that ask for no image of the open database, at most ten of them by name.
void reportUnmatchedListLines(const std::string &file, const std::vector<std::string> &lines) {
    std::string text =
        (lines.size() == 1 ? QCoreApplication::translate("solar::TSolarRtn",
                                                         "%1 line of %2 match no image of the database:\r\n")
                           : QCoreApplication::translate(
                                 "solar::TSolarRtn", "%1 lines of %2 match no image of the database:\r\n"))
            .arg(QString::number(lines.size()), QString::fromStdString(file))
            .toStdString();
    for (std::size_t i = 0; i < lines.size() && i < 10; ++i)
        text += "\r\n" + lines[i];
    if (lines.size() > 10)
        text += "\r\n...";
    prompt().message(QCoreApplication::translate("solar::TSolarRtn", "Images Not Found").toStdString(), text,
                     Icon::Exclamation, Buttons::OK);
}

} // namespace

// ---- Set-up and release ------------------------------------------------------------------

void TSolarRtn::createImageStores() {
    imageDBOwner_ = std::make_unique<SolrImgFileObj>();
    ImageDB = imageDBOwner_.get();
    imagesOwner_ = std::make_unique<SolrImagesObj>(Options.UserDir.str());
    Images = imagesOwner_.get();
    ImageTimer->setInterval(1000);
    ImageTimer->stop();
    GaugeForm = new TGaugeForm2(this);
    ImageList1->viewport()->installEventFilter(this);
    ListBox1->viewport()->installEventFilter(this);
}

void TSolarRtn::forgetAllImages() {
    if (!Images || !ImageRemovedHook)
        return;
    for (int i = 0; i < Images->Count(); ++i)
        ImageRemovedHook(Images->Image(i));
    if (Images->Spare())
        ImageRemovedHook(Images->Spare());
}

void TSolarRtn::releaseImageStores() {
    forgetAllImages();
    imagesOwner_.reset();
    Images = nullptr;
    imageDBOwner_.reset();
    ImageDB = nullptr;
}

bool TSolarRtn::eventFilter(QObject *watched, QEvent *event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if ((press || release) && (watched == ImageList1->viewport() || watched == ListBox1->viewport())) {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint pos = me->position().toPoint();
        if (watched == ImageList1->viewport()) {
            if (press)
                ImageList1MouseDown(me->button(), pos.x(), pos.y());
            else
                ImageList1MouseUp(me->button(), pos.x(), pos.y());
        } else if (press) {
            ListBox1MouseDown(me->button(), pos.x(), pos.y());
        } else {
            ListBox1MouseUp(me->button(), pos.x(), pos.y());
        }
        // A right press beside the lines opens the pop-up only: the list would take it as a
        // click on nothing and drop the selection the pop-up's commands work on.
        auto *lb = watched == ImageList1->viewport() ? ImageList1 : ListBox1;
        if (press && me->button() == Qt::RightButton && lb->itemAt(pos) == nullptr)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Small helpers of the enabling table --------------------------------------------------

void TSolarRtn::enableImagesMenu() {
    Images1->menuAction()->setEnabled(Images && Images->Count() > 0);
}

void TSolarRtn::setPasteEnabled(bool on) {
    Paste1->setEnabled(on);
    PasteLast1->setEnabled(on);
}

void TSolarRtn::setAnimationMenu(bool on) {
    Animation1->menuAction()->setEnabled(on);
    if (ImageForm && ImageForm->Animation1)
        ImageForm->Animation1->menuAction()->setEnabled(on);
}

void TSolarRtn::syncShownImage() {
    if (!ImageForm || !Images || !ImageForm->Image())
        return;
    for (int i = 0; i < Images->Count(); ++i)
        if (Images->Image(i) == ImageForm->Image())
            ImageForm->ShownImage = i;
}

void TSolarRtn::markDirectoryLine(int d, bool loaded) {
    auto *rec = ImageDB ? ImageDB->Records().ItemAs<SolrImgFileRec>(d) : nullptr;
    QListWidgetItem *item = ListBox1->item(d);
    if (!rec || !item)
        return;
    QString text = item->text();
    if (loaded) {
        if (!rec->loaded)
            text += LoadedMark;
    } else {
        const int at = text.indexOf(LoadedMark);
        if (at >= 0)
            text.remove(at, 2);
    }
    rec->loaded = loaded;
    item->setText(text);
}

// ---- Image directory ----------------------------------------------------------------------

void TSolarRtn::ShowDirectory() {
    ListBox1->clear();
    for (const std::string &line : ImageDB->DirectoryLines())
        ListBox1->addItem(QString::fromStdString(line));
}

void TSolarRtn::Load1Click() {
    BusyCursor busy;
    FileDialogSetup setup;
    setup.title = tr("Load Image Directory").toStdString();
    setup.filter = tr("Solar Rotation Image Directories").toStdString() + "|*list.txt";
    setup.fileName = "*list.txt";
    setup.folder = Options.ImagePath.str();
    setup.defaultExt = "*.txt";
    const auto chosen = prompt().openFile(setup);
    if (!chosen)
        return;
    LoadDirectoryFile(*chosen);
}

void TSolarRtn::LoadDirectoryFile(const std::string &file) {
    BusyCursor busy;
    Options.ImagePath = withSlash(folderPart(file));

    if (!ImageDB->Ready()) {
        ImageDB->ReadDirectory(file);
    } else if (file != ImageDB->DirectoryFileName()) {
        ConfirmClearAll = false;
        ClearAllImages1Click();
        ConfirmClearAll = true;
        ImageDB->CloseDirectory();
        ListBox1->clear();
        ImageDB->ReadDirectory(file);
    }

    if (ImageDB->Ready()) {
        ShowDirectory();
        const bool any = ListBox1->count() > 0;
        LoadSelected1->setEnabled(any);
        SelectAll1->setEnabled(any);
        Search1->setEnabled(any);
        Print1->setEnabled(any);
        ImageListMenu1->menuAction()->setEnabled(any);
        if (!SearchDlg)
            SearchDlg = new TGetSrchStrDlg(this);
        SearchDlg->Reset();
    } else {
        prompt().message(tr("Cannot Access Images!").toStdString(),
                         tr("The Solar Image Files cannot be accessed!").toStdString(), Icon::Error,
                         Buttons::OK);
    }
}

// ---- Loading ------------------------------------------------------------------------------

void TSolarRtn::ListBox1DblClick() {
    const std::vector<int> rows = selectedRows(ListBox1);
    if (rows.empty() || !ImageDB || ImageDB->Records().IsEmpty()) {
        prompt().message(tr("No Images Selected!").toStdString(),
                         tr("Select Images for Load from Image Database Directory.").toStdString(),
                         Icon::Error, Buttons::OK);
        return;
    }
    const bool multiple = rows.size() > 1;
    // The progress window lets input through between images so that its Cancel works; the
    // menus and lists of this window wait meanwhile, so that no other command changes the
    // stores under the loading.
    struct InputPause {
        std::vector<QWidget *> paused;
        ~InputPause() {
            for (QWidget *w : paused)
                w->setEnabled(true);
        }
    } pause;
    if (multiple) {
        for (QWidget *w : std::initializer_list<QWidget *>{menuBar(), ClientArea}) {
            w->setEnabled(false);
            pause.paused.push_back(w);
        }
        GaugeForm->StartProgress(tr("Loading Selected Images").toStdString(),
                                 tr("Terminate Image Loading?").toStdString(), static_cast<int>(rows.size()));
    }
    int n = 0;
    for (int i : rows) {
        const auto *rec = ImageDB ? ImageDB->Records().ItemAs<SolrImgFileRec>(i) : nullptr;
        if (!rec || !Images)
            break;
        const SolrImgFileRec copy = *rec;
        if (copy.loaded) {
            prompt().beep(BeepKind::Exclamation);
        } else {
            if (multiple) {
                GaugeForm->StepProgress(copy.fileName.str(), n);
                if (!GaugeForm->Running() || !Images)
                    break;
            }
            CreateImage(&copy, i);
            // Marked after every attempt, also when the image could not be loaded.
            markDirectoryLine(i, true);
        }
        ++n;
    }
    if (n == 0)
        return;
    SaveList1->setEnabled(true);
    PrintList1->setEnabled(true);
    setAnimationMenu(ImageList1->count() >= 2);
    ListBox1->setToolTip("");
    if (multiple) {
        if (GaugeForm->Running()) {
            GaugeForm->StepProgress("", n);
            GaugeForm->FinishProgress();
        }
    }
    UpdateSortIndicator();
}

void TSolarRtn::CreateImage(const SolrImgFileRec *rec, int directoryIndex) {
    if (!rec) {
        prompt().message(tr("Nil Pointer!").toStdString(),
                         tr("Pointer to Directory Record is nil!\r\n\r\nCalled Procedure: %1")
                             .arg("SolarRtn.CreateImage")
                             .toStdString(),
                         Icon::Error, Buttons::OK);
        return;
    }
    if (!Images)
        return;
    // Directory lines may be written in another case than the files, and may carry blanks
    // after the name.
    const std::string path = resolveNoCase(Options.ImagePath.str(), trimRight(rec->fileName.str()));
    const bool alreadyLoaded = [&] {
        const std::string name = SolrImagesObj::DisplayNameOf(path);
        for (int i = 0; i < Images->Count(); ++i)
            if (Images->Image(i)->DisplayName() == name)
                return true;
        return false;
    }();
    Images->SetUserDir(Options.UserDir.str());
    const bool wasFull = Images->Full();
    if (Images->AddImage(path, directoryIndex) == 1) {
        // A cut image comes back at its old place, a new one at the end: the line goes where
        // the image went.
        const int slot = Images->LastAddedSlot();
        ImageList1->insertItem(slot,
                               QString::fromStdString(SolrImagesObj::ListCaption(*Images->Image(slot))));
        ImageList1->setCurrentRow(slot);
        ImageList1DblClick();
    } else {
        std::string caption;
        if (alreadyLoaded)
            caption = tr("File Already Loaded!").toStdString();
        else if (wasFull && Images->Full())
            caption = tr("Too Many Images!").toStdString();
        else
            caption =
                tr("Image Not Loaded!").toStdString(); // the reader has said why, or the file holds no image
        prompt().message(caption,
                         tr("Unable to load solar image file.\r\n\r\nFile Name: %1")
                             .arg(QString::fromStdString(path))
                             .toStdString(),
                         Icon::Error, Buttons::OK);
    }
    enableImagesMenu();
    UpdateSortIndicator();
}

// ---- The loaded-image list ----------------------------------------------------------------

void TSolarRtn::ImageList1DblClick() {
    BusyCursor busy;
    const int row = ImageList1->currentRow();
    FITSFileObj *image = Images ? Images->Image(row) : nullptr;
    if (image && ShowImageHook)
        ShowImageHook(*image, row);
}

void TSolarRtn::DisplayImage1Click() {
    if (ImageList1->currentRow() < 0 && ImageList1->count() > 0)
        ImageList1->setCurrentRow(0);
    ImageList1DblClick();
}

void TSolarRtn::ViewFITSHeader1Click() {
    if (ImageList1->count() > 0 && ImageList1->currentRow() < 0)
        ImageList1->setCurrentRow(0);
    FITSFileObj *image = Images ? Images->Image(ImageList1->currentRow()) : nullptr;
    if (image)
        ViewHeader(*image, "");
}

void TSolarRtn::ImageList1MouseDown(Qt::MouseButton button, int, int) {
    if (ImageList1->count() > 0 && ImageList1->currentRow() < 0)
        ImageList1->setCurrentRow(0);
    if (Images && Images->Image(ImageList1->currentRow())) {
        ImageLeftDown = button == Qt::LeftButton;
        ImageRightDown = button == Qt::RightButton;
    } else {
        ImageLeftDown = ImageRightDown = false;
    }
}

void TSolarRtn::ImageList1MouseUp(Qt::MouseButton button, int X, int Y) {
    if (button == Qt::LeftButton && ImageLeftDown) {
        ImageLeftDown = false;
        ImageList1DblClick();
        ImageList1->setToolTip("");
    } else if (button == Qt::RightButton && ImageRightDown) {
        ImageRightDown = false;
        // The menu opens where the mouse is, wherever the window stands on the screen.
        PopupMenu1->popup(ImageList1->viewport()->mapToGlobal(QPoint(X, Y)));
    }
}

void TSolarRtn::ListBox1MouseDown(Qt::MouseButton button, int, int) {
    DBRightDown = button == Qt::RightButton;
}

void TSolarRtn::ListBox1MouseUp(Qt::MouseButton button, int X, int Y) {
    if (button == Qt::RightButton && DBRightDown && ListBox1->count() > 0)
        PopupMenu2->popup(ListBox1->viewport()->mapToGlobal(QPoint(X, Y)));
    DBRightDown = false;
}

void TSolarRtn::Cut1Click() {
    const int i = ImageList1->currentRow();
    FITSFileObj *image = Images ? Images->Image(i) : nullptr;
    // Without a chosen line there is nothing to cut (and no database line to unmark).
    if (!image)
        return;
    if (ImageRemovedHook)
        ImageRemovedHook(image);
    const int d = Images->CutImage(i);
    delete ImageList1->takeItem(i);
    if (i < 1) {
        if (ImageList1->count() == 0)
            Images1->menuAction()->setEnabled(false);
        else
            ImageList1->setCurrentRow(0);
    } else {
        ImageList1->setCurrentRow(i - 1);
    }
    markDirectoryLine(d, false);
    setPasteEnabled(true);
    syncShownImage();
    UpdateSortIndicator();
}

void TSolarRtn::Paste1Click() {
    // With no line chosen the image goes to the end of the list.
    const int row = ImageList1->currentRow();
    pasteImageAt(row < 0 ? ImageList1->count() : row);
}

void TSolarRtn::PasteLast1Click() {
    pasteImageAt(ImageList1->count());
}

void TSolarRtn::pasteImageAt(int position) {
    if (Images->PasteImage(position) == 0)
        return;
    const int slot = Images->LastAddedSlot();
    FITSFileObj *image = Images->Image(slot);
    ImageList1->insertItem(slot, QString::fromStdString(SolrImagesObj::ListCaption(*image)));
    ImageList1->setCurrentRow(slot);
    markDirectoryLine(image->directoryIndex, true);
    setPasteEnabled(false);
    enableImagesMenu();
    syncShownImage();
    UpdateSortIndicator();
}

void TSolarRtn::SortImageList1Click() {
    if (!Images->OutOfOrder())
        return;
    Images->SortImages();
    ImageList1->clear();
    for (int i = 0; i < Images->Count(); ++i)
        ImageList1->addItem(QString::fromStdString(SolrImagesObj::ListCaption(*Images->Image(i))));
    ImageList1->setCurrentRow(ImageList1->count() - 1);
    ImageList1DblClick();
    Images->CheckOrder();
    UpdateSortIndicator();
}

void TSolarRtn::ClearAllImages1Click() {
    if (ConfirmClearAll &&
        prompt().message(tr("Verify Clear Images").toStdString(),
                         tr("Are You Sure You Want to Remove all the Images?").toStdString(), Icon::Question,
                         Buttons::YesNo) != Answer::Yes)
        return;
    // The image window lets go of its image before the images are released.
    forgetAllImages();
    imagesOwner_ = std::make_unique<SolrImagesObj>(Options.UserDir.str());
    Images = imagesOwner_.get();

    ImageList1->clear();
    for (int i = 0; i < ListBox1->count(); ++i) {
        QListWidgetItem *item = ListBox1->item(i);
        const int at = item->text().indexOf(LoadedMark);
        if (at >= 0)
            item->setText(item->text().left(at));
    }
    if (ImageDB) {
        SolrImgFileList &records = ImageDB->Records();
        records.Reset();
        while (auto *rec = records.NextAs<SolrImgFileRec>())
            rec->loaded = false;
        records.Reset();
    }
    if (ImageForm)
        ImageForm->close();
    Images1->menuAction()->setEnabled(false);
    setPasteEnabled(false);
    SaveList1->setEnabled(false);
    PrintList1->setEnabled(false);
    UpdateSortIndicator();
}

void TSolarRtn::UpdateSortIndicator() {
    const bool outOfOrder = Images && Images->OutOfOrder();
    SortLed->setLit(ImageList1->count() > 0, outOfOrder ? QColor(255, 0, 0) : QColor(0, 255, 0));
    SortImageList1->setEnabled(outOfOrder);
}

// ---- Database list: select, search, print ---------------------------------------------------

void TSolarRtn::SelectAll1Click() {
    ListBox1->selectAll();
}

void TSolarRtn::Search1Click() {
    if (!SearchDlg)
        SearchDlg = new TGetSrchStrDlg(this);
    SearchDlg->setWindowTitle(tr("Find Text String"));
    runModal(*SearchDlg);
    int start = 0;
    switch (SearchDlg->Start) {
    case SearchStart::None:
        return;
    case SearchStart::Top:
        start = 0;
        break;
    case SearchStart::Cursor:
        start = ListBox1->currentRow() + 1;
        break;
    }
    if (SearchDlg->SearchText.empty())
        return;
    std::vector<std::string> lines;
    for (int i = 0; i < ListBox1->count(); ++i)
        lines.push_back(ListBox1->item(i)->text().toStdString());
    const int found = findTextLine(lines, SearchDlg->SearchText, start, SearchDlg->CaseDependent);
    if (found >= 0) {
        // The found line becomes the current one; the lines chosen for loading stay chosen.
        ListBox1->selectionModel()->setCurrentIndex(ListBox1->model()->index(found, 0),
                                                    QItemSelectionModel::NoUpdate);
        ListBox1->scrollToItem(ListBox1->item(found), QAbstractItemView::PositionAtTop);
        ListBox1->repaint();
        return;
    }
    prompt().message(tr("String Not Found").toStdString(),
                     tr("\"%1\" Not Found.").arg(QString::fromStdString(SearchDlg->SearchText)).toStdString(),
                     Icon::Information, Buttons::OK);
}

void TSolarRtn::PrintListBox(QListWidget *list, const std::string &heading) {
    QPrinter &printer = programPrinter();
    printer.setDocName(QString::fromStdString(printJobTitle()));
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setFont(printTextFont());
    PrintHeaderLayout layout;
    const int headingY = drawPrintHeaderAndCaption(painter, printer, windowTitle(), &layout);
    drawTextTop(painter, layout.margin + 50, headingY, QString::fromStdString(heading));
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    drawPagedLines(painter, printer, layout, layout.lastNameY + 6 * layout.lineHeight, lines);
    painter.end();
}

void TSolarRtn::Print1Click() {
    if (!uiPrompt().printDialog(programPrinter()))
        return;
    BusyCursor busy;
    setEnabled(false);
    PrintListBox(ListBox1, "Directory of Solar Image Database");
    setEnabled(true);
}

void TSolarRtn::PrintList1Click() {
    if (!uiPrompt().printDialog(programPrinter()))
        return;
    BusyCursor busy;
    setEnabled(false);
    PrintListBox(ImageList1, "List of Loaded Images");
    setEnabled(true);
}

// ---- Image list files -----------------------------------------------------------------------

void TSolarRtn::SaveList1Click() {
    if (LastImageListDir.empty())
        LastImageListDir = Options.UserDir.str();
    if (LastImageListFile.empty())
        LastImageListFile = ImageListBaseName + ".LST";
    FileDialogSetup setup;
    setup.title = tr("Save Image List").toStdString();
    setup.filter = tr("Solar Rotation Image Lists").toStdString() + "|*.LST";
    setup.defaultExt = "*.LST";
    setup.fileName = LastImageListFile;
    setup.folder = LastImageListDir;
    const auto name = chooseSavePath(setup);
    if (!name)
        return;
    LastImageListFile = fileNamePart(*name);
    LastImageListDir = folderPart(*name);
    std::vector<std::string> lines;
    for (int i = 0; i < ImageList1->count(); ++i)
        lines.push_back(ImageList1->item(i)->text().toStdString());
    std::string error;
    if (!writeTextLines(*name, lines, error)) {
        prompt().message(tr("File Error!").toStdString(),
                         tr("Unable to Write Image List!\r\n\r\nFile Name: %1\r\n%2")
                             .arg(QString::fromStdString(*name), QString::fromStdString(error))
                             .toStdString(),
                         Icon::Error, Buttons::OK);
        return;
    }
    prompt().message(
        tr("Image List File Written").toStdString(),
        tr("Image List Written to %1.").arg(QString::fromStdString(LastImageListFile)).toStdString(),
        Icon::Information, Buttons::OK);
    SaveList1->setEnabled(false);
}

void TSolarRtn::LoadList1Click() {
    if (LastImageListDir.empty())
        LastImageListDir = Options.UserDir.str();
    if (LastImageListFile.empty())
        LastImageListFile = ImageListBaseName + ".LST";
    FileDialogSetup setup;
    setup.title = tr("Load Image List").toStdString();
    setup.filter = tr("Solar Rotation Image Lists").toStdString() + "|*.LST";
    setup.defaultExt = "*.LST";
    setup.fileName = LastImageListFile;
    setup.folder = LastImageListDir;
    std::string name;
    for (;;) {
        const auto chosen = prompt().openFile(setup);
        if (!chosen)
            return;
        name = existingFileNoCase(upperFileNamePart(*chosen));
        if (!name.empty())
            break;
        prompt().message(tr("File Not Found!").toStdString(),
                         tr("Unable to Load %1!")
                             .arg(QString::fromStdString(fileNamePart(upperFileNamePart(*chosen))))
                             .toStdString(),
                         Icon::Error, Buttons::OK);
    }
    ConfirmClearAll = false;
    ClearAllImages1Click();
    ConfirmClearAll = true;
    LastImageListFile = fileNamePart(name);
    LastImageListDir = folderPart(name);

    std::vector<std::string> listLines, databaseLines;
    ReadImageListFile(name, listLines);
    for (int i = 0; i < ListBox1->count(); ++i)
        databaseLines.push_back(ListBox1->item(i)->text().toStdString());
    const ImageListMatch match = MatchImageList(listLines, databaseLines);
    for (int i : match.databaseLines) {
        if (i >= ListBox1->count())
            break;
        ListBox1->clearSelection();
        ListBox1->item(i)->setSelected(true);
        ListBox1DblClick();
    }
    if (!match.unmatched.empty())
        reportUnmatchedListLines(LastImageListFile, match.unmatched);
    SaveList1->setEnabled(false);
    PrintList1->setEnabled(true);
    UpdateSortIndicator();
}

// ---- Animation --------------------------------------------------------------------------------

void TSolarRtn::Animate1Click() {
    if (!Images || Images->Count() == 0)
        return;
    if (ImageForm) {
        ImageForm->Start1->setEnabled(false);
        ImageForm->File1->menuAction()->setEnabled(false);
        ImageForm->Window1->menuAction()->setEnabled(false);
        ImageForm->Stop1->setEnabled(true);
    }
    AnimationStopRequest = false;
    ImageTimer->start();
    Animate1->setEnabled(false);
    AnimateOff1->setEnabled(true);
}

void TSolarRtn::AnimateOff1Click() {
    if (ImageForm) {
        ImageForm->Start1->setEnabled(true);
        ImageForm->File1->menuAction()->setEnabled(true);
        ImageForm->Window1->menuAction()->setEnabled(true);
        ImageForm->Stop1->setEnabled(false);
    }
    AnimationStopRequest = true;
    Animate1->setEnabled(true);
    AnimateOff1->setEnabled(false);
}

void TSolarRtn::ImageTimerTimer() {
    if (AnimationStopRequest) {
        ImageTimer->stop();
        return;
    }
    const int count = ImageList1->count();
    if (count == 0)
        return;
    const int next = ImageList1->currentRow() + 1;
    ImageList1->setCurrentRow(next >= count ? 0 : next);
    ImageList1DblClick();
}

void TSolarRtn::SetRate1Click() {
    AnimationRate = ImageTimer->interval();
    if (!AnimRateDlg)
        AnimRateDlg = new TAnimRateDlg(AnimationRate, this);
    if (runModal(*AnimRateDlg) == QDialog::Accepted)
        ImageTimer->setInterval(AnimationRate);
}

} // namespace solar
