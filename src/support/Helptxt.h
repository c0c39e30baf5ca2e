#pragma once
// The help windows: the topic list dialog THelpLstDlg ("Select Help Topic") and the viewer
// THelpWin (related-topic links, back, search, print), with the help state they share and the
// one entry point every window with a Help item calls.

#include "support/Helplst.h"

#include <QDialog>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QListWidget;
class QMenu;
class QPrinter;

namespace solar {

class TGetSrchStrDlg;

// Shared by the topic list dialog and the viewer.
struct HelpState {
    HelpList *ActiveList = nullptr;        // the list the topic dialog shows
    std::optional<HelpEntry> CurrentTopic; // the topic the viewer shows next
    std::string HelpFolder;                // ends in "/"
};
HelpState &helpState();

class THelpLstDlg : public QDialog {
    Q_OBJECT
public:
    explicit THelpLstDlg(QWidget *parent = nullptr);

    QListWidget *HlpLstBox;
    QMenu *Topics1;
    QAction *Search1, *Read1, *Close1;

    TGetSrchStrDlg &searchDialog();

    // Fills the list from the active help list; false (and a message) when there is none.
    bool FormActivate();
    // FormActivate, then the dialog modally; the dialog's result (Rejected when there is no list).
    int execute();

public slots:
    void Read1Click(); // also the double-click
    void Search1Click();
    void Close1Click();

private:
    TGetSrchStrDlg *searchDlg_ = nullptr;
};

class THelpWin : public QMainWindow {
    Q_OBJECT
public:
    explicit THelpWin(QWidget *parent = nullptr);

    QListWidget *ListBox1;
    QMenu *Topic1;
    QAction *Print1, *Find1, *Topics1, *Close1, *Back1;

    // Titles of the topics shown, the one on screen last.
    std::vector<std::string> historyTitles();
    bool RecordTopic = false;
    int RelatedLine = -1;
    std::string TopicPath;

    // Shows the current topic of the help state: records it in the history, loads it and
    // brings the window up. A topic that cannot be shown leaves the window as it was.
    void Open();
    // Prints the shown topic under the common header; false when the job could not start.
    bool PrintTopic(QPrinter &printer);

public slots:
    void Topics1Click();
    void ListBox1DblClick(int row);
    void Back1Click();
    void Find1Click();
    void Print1Click();
    void Close1Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool FormActivate();
    void FormShow();
    void updateBack();

    LinkList history_{sizeof(HelpEntry)};
    bool keepHistory_ = false;
    TGetSrchStrDlg *searchDlg_ = nullptr;
};

// The help of the run: the main topic list, the lists of the other windows (read once per file)
// and the two help windows. Made by the main window; the first window that asks for help makes
// one when there is none.
class HelpCenter : public QObject {
    Q_OBJECT
public:
    explicit HelpCenter(QWidget *owner);
    ~HelpCenter() override;
    static HelpCenter *instance();

    std::unique_ptr<HelpList> MainList;
    THelpWin *Viewer;
    THelpLstDlg *TopicDlg;
    // Whether the instructors' topics may be offered; when it says no, the topic dialog shows a
    // list without them (WithoutInstructorTopics). Unset: every topic is offered.
    std::function<bool()> InstructorAccess;

    // The list read from the file (once; a file that could not be read is tried again next time).
    HelpList *listFor(const std::string &path);
    // Makes `list` the active list, shows the topic dialog and, on OK, the chosen topic in the
    // viewer, with the help files in `folder`. Both open over the window of `asking` (the
    // owner's when none), usable while that window is modal.
    void showTopics(HelpList *list, const std::string &folder, QWidget *asking = nullptr);
    // Shows the one-topic entry (title, file) from `folder` in the viewer.
    void showSingleTopic(const std::string &title, const std::string &file, const std::string &folder,
                         QWidget *asking = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Makes the help windows children of the asking window: a modal window blocks every window
    // but its own children, and children stay above it. They go back to the owner when it hides.
    void hostIn(QWidget *asking);

    QWidget *owner_;
    std::map<std::string, std::unique_ptr<HelpList>> lists_;
    std::unique_ptr<HelpList> studentList_; // the list last shown to a student
};

// The Help item of any window: the topic list in the file at helpListPath (a full path, matched
// without regard to case), then the chosen topic, with the help texts beside the list file.
// owner: the window asking, used only when the program has no help windows yet.
void showHelpTopics(const std::string &helpListPath, QWidget *owner = nullptr);

} // namespace solar
