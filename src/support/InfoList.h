#pragma once
// The generic list window: lines of text in a fixed-pitch font with search, print and save as
// text. Descendants (the measurement list) add editing, deleting, undo and their own reports.

#include <QMainWindow>
#include <QPoint>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QListWidget;
class QMenu;
class QPainter;
class QPrinter;

namespace solar {

class TGetSrchStrDlg;

class TInfoListForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TInfoListForm1(QWidget *parent = nullptr);
    ~TInfoListForm1() override;

    // The user's data folder, the default folder of every save ("/" at the end). The main window
    // installs the source once; without one the current folder is used.
    static void setUserDirSource(std::function<std::string()> source);
    static std::string userDir();

    // The save dialog filters, in the order the text save dialog lists them.
    static const char *const TextFilter;
    static const char *const CsvFilter;

    QListWidget *ListBox1;
    QMenu *List1;
    QAction *Search1;
    QAction *Print1;
    QMenu *SaveData1;
    QAction *ForReload1; // "For &Reload (.DAT)..." (hidden here)
    QAction *ForReloadSep;
    QAction *AsDisplayed1;
    QAction *ForSpreadsheet1; // disabled here
    QAction *Close1;
    QMenu *Edit1;
    QAction *UndoEditDelete1;
    QAction *EditSelectedLine1;
    QAction *DeleteSelectedLine1;
    QMenu *PopupMenu1;
    QAction *Edit2;
    QAction *Delete2;
    QAction *UndoEditDelete2;

    bool ReportWritten = false;
    bool Saved = false;
    std::string CSVFileName;
    std::string TextFileName;
    std::string ReportFolder;
    std::string BaseName;
    int CurrentLine = -1;
    // Entry of TextFilter the text save dialog starts with (0: text files, 1: image header text).
    int SaveFilterIndex = 0;

    // The lines of the list box.
    std::vector<std::string> lines() const;
    void setLines(const std::vector<std::string> &lines);
    void addLine(const std::string &line);
    // Replaces the lines by those of a text file (CR LF or LF); false when it cannot be read.
    bool loadLines(const std::string &path);

    // The search dialog of this window (created on first use).
    TGetSrchStrDlg &searchDialog();

    // Height and width the sizing rule gives the list for the present lines and font.
    int lineHeight() const;
    int textWidth() const;

public slots:
    virtual void Close1Click();
    virtual void FormActivate();
    virtual void Print1Click();
    virtual void FormShow();
    // Clears the fields; run by the constructor. Descendants add their own set-up after it.
    virtual void FormCreate();
    virtual void SaveasText1Click();
    virtual void CommaDelimitClick();
    virtual void FormClose();
    virtual void EditSelectedLine1Click();
    virtual void DeleteSelectedLine1Click();
    virtual void UndoEditDelete1Click();
    virtual void ListBox1DblClick();
    virtual void ListBox1MouseUp(Qt::MouseButton button, QPoint pos);
    virtual void ListBox1Click();
    virtual void ListBox1MouseDown(Qt::MouseButton button);
    virtual void SaveDAT1Click();
    // Prints the list on `printer` (the common header, the caption and the lines, paged), then
    // whatever PrintAfterLines adds; false when the job could not start.
    virtual bool PrintList(QPrinter &printer);
    virtual void Search1Click();

protected:
    // Pages a descendant prints after the lines, on the same job (none here).
    virtual void PrintAfterLines(QPainter &painter, QPrinter &printer);

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QPoint PopupPos;
    bool LeftDown = false;
    bool RightDown = false;

private:
    TGetSrchStrDlg *searchDlg_ = nullptr;
};

} // namespace solar
