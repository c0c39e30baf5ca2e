#include "support/Helptxt.h"

#include "support/Accessible.h"
#include "support/Getsstr.h"
#include "support/ListText.h"
#include "support/PrintHdr.h"
#include "support/QtPrintHdr.h"
#include "support/QtPrompt.h"
#include "support/ScreenFit.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cerrno>
#include <fstream>

namespace solar {

namespace {

QPointer<HelpCenter> theCenter;

QFont helpFont() {
    QFont f("Courier New");
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

std::string withoutLeadingBlanks(const std::string &s) {
    const auto b = s.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b);
}

std::string trimmedLine(const std::string &s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

QRect availableArea(QWidget *w) {
    QScreen *s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 800, 600);
}

// Sizes a list window by the rule of the list windows and centres it on the available area.
void sizeListWindow(QWidget *window, QListWidget *list, int extraWidth, int extraHeight, int minWidth) {
    const QFontMetrics fm(list->font());
    int width = minWidth, height = std::max(fm.height(), 5);
    for (int i = 0; i < list->count(); ++i)
        width = std::max(width, fm.horizontalAdvance(list->item(i)->text()));
    if (list->count() > 0)
        height = std::max(height, list->sizeHintForRow(0));
    const QRect area = availableArea(window);
    // Room for the list's frame and its scroll bar besides the text.
    extraWidth += 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int w = std::min(width + extraWidth, area.width() - 10);
    const int h = std::min(listClientHeight(list->count(), height) + extraHeight, area.height() - 40);
    window->resize(w, h);
    window->move(area.center().x() - window->width() / 2, area.center().y() - window->height() / 2);
}

void noTopicMessage(const std::string &caption, const std::string &title) {
    prompt().message(caption,
                     QCoreApplication::translate("solar::THelpWin",
                                                 "Help Topic: %1\r\n\r\nHelp on this topic is not available "
                                                 "at this time.")
                         .arg(QString::fromStdString(title))
                         .toStdString(),
                     Icon::Information, Buttons::OK);
}

} // namespace

HelpState &helpState() {
    static HelpState state;
    return state;
}

// ------------------------------------------------------------------------------ topic list

THelpLstDlg::THelpLstDlg(QWidget *parent) : QDialog(parent) {
    setObjectName("HelpLstDlg");
    setWindowTitle(tr("Select Help Topic"));
    setFont(helpFont());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    Topics1 = bar->addMenu(tr("&Topics"));
    Search1 = Topics1->addAction(tr("Find &Topic..."), this, &THelpLstDlg::Search1Click);
    Read1 = Topics1->addAction(tr("&Read/Print Topic..."), this, &THelpLstDlg::Read1Click);
    Close1 = Topics1->addAction(tr("&Close Help Topics"), this, &THelpLstDlg::Close1Click);
    HlpLstBox = new QListWidget(this);
    HlpLstBox->setFont(helpFont());
    HlpLstBox->setAccessibleName(tr("Help topics"));
    HlpLstBox->setAccessibleDescription(tr("Enter or double-click reads the topic."));
    a11y::nameBlankLines(HlpLstBox);
    layout->addWidget(HlpLstBox);
    connect(HlpLstBox, &QListWidget::itemDoubleClicked, this, [this] { Read1Click(); });
    a11y::onEnter(HlpLstBox, [this] { Read1Click(); });
}

TGetSrchStrDlg &THelpLstDlg::searchDialog() {
    if (!searchDlg_)
        searchDlg_ = new TGetSrchStrDlg(this);
    return *searchDlg_;
}

int THelpLstDlg::execute() {
    if (!FormActivate())
        return QDialog::Rejected;
    return runModal(*this);
}

bool THelpLstDlg::FormActivate() {
    HlpLstBox->clear();
    HelpList *list = helpState().ActiveList;
    if (!list) {
        prompt().message(tr("Select Help Topic").toStdString(), tr("No Help List to Display!").toStdString(),
                         Icon::Information, Buttons::OK);
        return false;
    }
    for (int i = 0; i < list->Count(); ++i)
        if (const HelpEntry *e = list->GetEntry(i))
            HlpLstBox->addItem(QString::fromStdString(e->Title.str()));
    sizeListWindow(this, HlpLstBox, 30, 30, 200);
    if (list->SelectedIndex >= 0 && list->SelectedIndex < HlpLstBox->count()) {
        HlpLstBox->setCurrentRow(list->SelectedIndex);
        HlpLstBox->scrollToItem(HlpLstBox->currentItem());
    }
    searchDialog().Reset();
    return true;
}

void THelpLstDlg::Read1Click() {
    HelpList *list = helpState().ActiveList;
    const int row = HlpLstBox->currentRow();
    if (!list || row < 0)
        return;
    const HelpEntry *e = list->GetEntry(row);
    if (!e)
        return;
    if (isHelpBlank(*e)) {
        prompt().beep(BeepKind::Exclamation);
        return;
    }
    if (isHelpHeading(*e)) {
        prompt().message(tr("Topic Heading").toStdString(),
                         tr("Select a Topic Under \"%1\"")
                             .arg(QString::fromStdString(withoutLeadingBlanks(e->Title.str())))
                             .toStdString(),
                         Icon::Information, Buttons::OK);
        return;
    }
    list->SelectedIndex = row;
    done(QDialog::Accepted);
}

void THelpLstDlg::Search1Click() {
    HelpList *list = helpState().ActiveList;
    TGetSrchStrDlg &dlg = searchDialog();
    dlg.setWindowTitle(tr("Find Help Topic"));
    runModal(dlg);
    int start = 0;
    if (dlg.Start == SearchStart::None || !list)
        return;
    if (dlg.Start == SearchStart::Cursor)
        start = HlpLstBox->currentRow() + 1;
    const int found = FindTopic(*list, dlg.SearchText, start, dlg.CaseDependent);
    if (found >= 0) {
        HlpLstBox->setCurrentRow(found);
        HlpLstBox->scrollToItem(HlpLstBox->currentItem());
    } else {
        prompt().message(tr("String Not Found").toStdString(),
                         tr("\"%1\" Not Found.").arg(QString::fromStdString(dlg.SearchText)).toStdString(),
                         Icon::Information, Buttons::OK);
    }
    activateWindow();
}

void THelpLstDlg::Close1Click() {
    if (HelpList *list = helpState().ActiveList; list && HlpLstBox->currentRow() >= 0)
        list->SelectedIndex = HlpLstBox->currentRow();
    done(QDialog::Rejected);
}

// ------------------------------------------------------------------------------ viewer

THelpWin::THelpWin(QWidget *parent) : QMainWindow(parent) {
    setObjectName("HelpWin");
    setWindowFlag(Qt::Window);
    setFont(helpFont());
    Topic1 = menuBar()->addMenu(tr("&Topic"));
    Print1 = Topic1->addAction(tr("&Print Topic..."), this, &THelpWin::Print1Click);
    Find1 = Topic1->addAction(tr("&Search Text..."), this, &THelpWin::Find1Click);
    Topics1 = Topic1->addAction(tr("Show Help &Topics..."), this, &THelpWin::Topics1Click);
    Close1 = Topic1->addAction(tr("&Close Topic Window"), this, &THelpWin::Close1Click);
    Back1 = menuBar()->addAction(tr("&Back"), this, &THelpWin::Back1Click);
    Back1->setEnabled(false);
    ListBox1 = new QListWidget(this);
    ListBox1->setFont(helpFont());
    setCentralWidget(ListBox1);
    ListBox1->setAccessibleName(tr("Help text"));
    ListBox1->setAccessibleDescription(tr("Double-click or Enter on a related topic opens it."));
    a11y::nameBlankLines(ListBox1);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { ListBox1DblClick(ListBox1->row(item)); });
    a11y::onEnter(ListBox1, [this] { ListBox1DblClick(ListBox1->currentRow()); });
    const QScreen *s = QGuiApplication::primaryScreen();
    resize(s ? int(5 * s->logicalDotsPerInch()) : 480, 400);
    screenfit::keepClearOfMenu(this);
}

std::vector<std::string> THelpWin::historyTitles() {
    std::vector<std::string> out;
    for (int i = 0; i < history_.Count(); ++i)
        out.push_back(history_.ItemAs<HelpEntry>(i)->Title.str());
    return out;
}

void THelpWin::updateBack() {
    Back1->setEnabled(history_.Count() >= 2);
}

void THelpWin::FormShow() {
    const HelpState &st = helpState();
    if (RecordTopic && st.CurrentTopic) {
        const HelpEntry *last =
            history_.IsEmpty() ? nullptr : history_.ItemAs<HelpEntry>(history_.LastIndex());
        if (!last || last->Title.view() != st.CurrentTopic->Title.view()) {
            if (last)
                history_.Item(history_.LastIndex());
            else
                history_.Reset();
            history_.InsertAfter(&*st.CurrentTopic);
        }
    }
    updateBack();
}

bool THelpWin::FormActivate() {
    const HelpState &st = helpState();
    if (!st.CurrentTopic || st.HelpFolder.empty()) {
        prompt().message(tr("Help").toStdString(), tr("THelpWin Parameters Not Set!").toStdString(),
                         Icon::Exclamation, Buttons::OK);
        return false;
    }
    const std::string title = withoutLeadingBlanks(st.CurrentTopic->Title.str());
    // The topic's file in the user-interface language when there is one, else the English file.
    const std::string key = st.CurrentTopic->Key.str();
    std::string path = LanguageFile(st.HelpFolder, key);
    if (path == st.HelpFolder + key)
        path = resolveNoCase(st.HelpFolder, key);
    std::ifstream in;
    int code = 2;
    if (!st.CurrentTopic->Key.empty()) {
        errno = 0;
        in.open(path, std::ios::binary);
        if (!in)
            code = IOCodeFromErrno(errno ? errno : ENOENT);
    }
    if (st.CurrentTopic->Key.empty() || !in) {
        prompt().message(
            tr("Help Not Available").toStdString(),
            tr("Cannot Access Help File %1\r\n\r\n").arg(QString::fromStdString(path)).toStdString() +
                IOErrorText(code),
            Icon::Exclamation, Buttons::OK);
        return false;
    }
    const HelpTopicText text = ExtractHelpTopic(in, title);
    if (!text.found) {
        noTopicMessage(tr("Topic Not Found").toStdString(), title);
        return false;
    }
    const HelpDisplay shown = LayoutHelpText(text.lines);
    const QFontMetrics fm(ListBox1->font());
    int width = 200;
    bool anyText = false;
    for (const std::string &l : shown.lines) {
        width = std::max(width, fm.horizontalAdvance(QString::fromStdString(l)));
        anyText = anyText || l.find_first_not_of(' ') != std::string::npos;
    }
    // Only a topic without any text is refused; a short one is shown in the narrowest window.
    if (!anyText) {
        noTopicMessage(tr("No Text for Topic").toStdString(), title);
        return false;
    }
    TopicPath = path;
    RelatedLine = shown.relatedLine;
    setWindowTitle(tr("Help - %1").arg(QString::fromStdString(title)));
    ListBox1->clear();
    for (const std::string &l : shown.lines)
        ListBox1->addItem(QString::fromStdString(l));
    // A new topic starts at its first line, wherever the last one was scrolled to.
    ListBox1->scrollToTop();
    const int lineHeight = std::max(fm.height(), 5);
    const QRect area = availableArea(this);
    const int clientWidth = std::min(width + 20 + 20, area.width() - 10);
    const int clientHeight = std::min(listClientHeight(ListBox1->count(), lineHeight) + 10,
                                      area.height() - menuBar()->sizeHint().height() - 40);
    resize(clientWidth, clientHeight + menuBar()->sizeHint().height());
    Topics1->setEnabled(helpState().ActiveList != nullptr);
    return true;
}

void THelpWin::Open() {
    const int before = history_.Count();
    FormShow();
    if (!FormActivate()) {
        // The topic never reached the screen: it is no step to go back to.
        if (history_.Count() > before) {
            history_.Item(history_.LastIndex());
            history_.DeleteCurrent();
        }
        updateBack();
        return;
    }
    if (!isVisible()) {
        const QRect area = availableArea(this);
        move(area.center().x() - width() / 2, area.center().y() - height() / 2);
    }
    show();
    raise();
    activateWindow();
}

void THelpWin::Topics1Click() {
    HelpCenter *c = HelpCenter::instance();
    if (!c || !helpState().ActiveList)
        return;
    HelpList *list = helpState().ActiveList;
    if (c->TopicDlg->execute() != QDialog::Accepted)
        return;
    if (const HelpEntry *e = list->GetEntry(list->SelectedIndex)) {
        helpState().CurrentTopic = *e;
        RecordTopic = true;
        Open();
    }
}

void THelpWin::ListBox1DblClick(int row) {
    HelpList *list = helpState().ActiveList;
    if (!list || row < 0 || row >= ListBox1->count() || row <= RelatedLine)
        return;
    const std::string text = trimmedLine(ListBox1->item(row)->text().toStdString());
    if (text.empty())
        return;
    const int found = FindTopic(*list, text, 0, false);
    if (found < 0)
        return;
    helpState().CurrentTopic = *list->GetEntry(found);
    list->SelectedIndex = found;
    RecordTopic = true;
    Open();
}

void THelpWin::Back1Click() {
    if (history_.Count() < 2)
        return;
    history_.Item(history_.LastIndex());
    history_.DeleteCurrent();
    const HelpEntry previous = *history_.ItemAs<HelpEntry>(history_.LastIndex());
    HelpList *list = helpState().ActiveList;
    const int found = list ? FindTopic(*list, previous.Title.str(), 0, false) : -1;
    // A topic of another window's list is shown from the history itself.
    helpState().CurrentTopic = found >= 0 ? *list->GetEntry(found) : previous;
    if (found >= 0)
        list->SelectedIndex = found;
    RecordTopic = false;
    Open();
    RecordTopic = true;
}

void THelpWin::Find1Click() {
    if (!searchDlg_)
        searchDlg_ = new TGetSrchStrDlg(this);
    TGetSrchStrDlg &dlg = *searchDlg_;
    dlg.setWindowTitle(tr("Find Help Item"));
    runModal(dlg);
    if (dlg.Start == SearchStart::None)
        return;
    std::vector<std::string> lines;
    for (int i = 0; i < ListBox1->count(); ++i)
        lines.push_back(ListBox1->item(i)->text().toStdString());
    const int start = dlg.Start == SearchStart::Cursor ? ListBox1->currentRow() + 1 : 0;
    const int found = findTextLine(lines, dlg.SearchText, start, dlg.CaseDependent);
    if (found >= 0) {
        ListBox1->setCurrentRow(found);
        ListBox1->scrollToItem(ListBox1->item(found));
        return;
    }
    prompt().message(tr("String Not Found").toStdString(),
                     tr("\"%1\" Not Found.").arg(QString::fromStdString(dlg.SearchText)).toStdString(),
                     Icon::Information, Buttons::OK);
}

bool THelpWin::PrintTopic(QPrinter &printer) {
    printer.setDocName(QString::fromStdString(printJobTitle()));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(printTextFont());
    const PrintHeaderLayout layout = drawPrintHeader(painter, printer);
    const int h = layout.lineHeight;
    const int x = layout.margin + 50;
    drawTextTop(painter, x, layout.lastNameY + 2 * h, QString::fromStdString(printJobTitle()));
    drawTextTop(painter, x, layout.lastNameY + 4 * h, windowTitle());
    QStringList lines;
    for (int i = 0; i < ListBox1->count(); ++i)
        lines << ListBox1->item(i)->text();
    drawPagedLines(painter, printer, layout, layout.lastNameY + 6 * h, lines);
    painter.end();
    return true;
}

void THelpWin::Print1Click() {
    QPrinter &printer = programPrinter();
    if (!uiPrompt().printDialog(printer))
        return;
    BusyCursor busy;
    setEnabled(false);
    PrintTopic(printer);
    setEnabled(true);
}

void THelpWin::Close1Click() {
    close();
}

void THelpWin::closeEvent(QCloseEvent *event) {
    history_.DeleteAll();
    updateBack();
    event->accept();
    // The focus goes back to the window that asked for help.
    if (QWidget *asked = parentWidget())
        QTimer::singleShot(0, asked, [asked] {
            if (asked->isVisible())
                asked->activateWindow();
        });
}

// ------------------------------------------------------------------------------ help center

HelpCenter::HelpCenter(QWidget *owner) : QObject(owner), owner_(owner) {
    Viewer = new THelpWin(owner);
    Viewer->setWindowFlag(Qt::Window);
    TopicDlg = new THelpLstDlg(owner);
    theCenter = this;
}

HelpCenter::~HelpCenter() {
    if (helpState().ActiveList == MainList.get() || helpState().ActiveList == studentList_.get())
        helpState().ActiveList = nullptr;
    for (auto &[path, list] : lists_)
        if (helpState().ActiveList == list.get())
            helpState().ActiveList = nullptr;
    delete Viewer;
    delete TopicDlg;
}

HelpCenter *HelpCenter::instance() {
    return theCenter.data();
}

HelpList *HelpCenter::listFor(const std::string &path) {
    const std::string resolved = existingFileNoCase(path).empty() ? path : existingFileNoCase(path);
    // A list read in one language is not reused in another.
    auto it = lists_.find(uiLanguage() + ":" + resolved);
    if (it != lists_.end())
        return it->second.get();
    std::unique_ptr<HelpList> list = LoadHelpList(resolved);
    if (!list)
        return nullptr;
    HelpList *p = list.get();
    lists_[uiLanguage() + ":" + resolved] = std::move(list);
    return p;
}

void HelpCenter::hostIn(QWidget *asking) {
    QWidget *host = asking ? asking->window() : owner_;
    if (!host)
        host = owner_;
    QWidget *before = Viewer->parentWidget();
    if (before == host)
        return;
    if (before && before != owner_)
        before->removeEventFilter(this);
    // A window keeps its flags across the move; setParent hides it until it is shown again.
    Viewer->setParent(host, Viewer->windowFlags() | Qt::Window);
    TopicDlg->setParent(host, TopicDlg->windowFlags() | Qt::Dialog);
    if (host != owner_)
        host->installEventFilter(this);
}

bool HelpCenter::eventFilter(QObject *watched, QEvent *event) {
    // The window the help served closes (or is destroyed while shown): the help windows must not
    // go with it. An open viewer stays open over the owner.
    if (event->type() == QEvent::Hide && !event->spontaneous() && watched == Viewer->parentWidget() &&
        watched != owner_) {
        const bool open = Viewer->isVisible();
        hostIn(nullptr);
        if (open)
            Viewer->show();
    }
    return QObject::eventFilter(watched, event);
}

void HelpCenter::showTopics(HelpList *list, const std::string &folder, QWidget *asking) {
    hostIn(asking);
    if (list && InstructorAccess && !InstructorAccess()) {
        auto shown = WithoutInstructorTopics(*list);
        list = shown.get();
        helpState().ActiveList = list;
        studentList_ = std::move(shown);
    }
    helpState().ActiveList = list;
    if (TopicDlg->execute() != QDialog::Accepted || !list)
        return;
    const HelpEntry *e = list->GetEntry(list->SelectedIndex);
    if (!e)
        return;
    helpState().CurrentTopic = *e;
    helpState().HelpFolder = folder;
    Viewer->RecordTopic = true;
    Viewer->Open();
}

void HelpCenter::showSingleTopic(const std::string &title, const std::string &file, const std::string &folder,
                                 QWidget *asking) {
    hostIn(asking);
    HelpEntry e;
    e.Title = title;
    e.Key = file;
    helpState().CurrentTopic = e;
    helpState().HelpFolder = folder;
    Viewer->RecordTopic = true;
    Viewer->Open();
}

void showHelpTopics(const std::string &helpListPath, QWidget *owner) {
    HelpCenter *c = HelpCenter::instance();
    if (!c) {
        if (!owner)
            return;
        c = new HelpCenter(owner->window());
    }
    c->showTopics(c->listFor(helpListPath), folderPart(helpListPath), owner);
}

} // namespace solar
