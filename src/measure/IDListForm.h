#pragma once
// "Sunspot IDs": the spots of the measurement list with their first and last image times, from
// which the analysis windows pick one.

#include "measure/IDList.h"

#include <QDialog>
#include <string>
#include <vector>

class QAction;
class QListWidget;
class QMenu;
class QMenuBar;

namespace solar {

class TIDListForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TIDListForm1(QWidget *parent = nullptr);

    // Rebuilds the entries from the measurement list (one per spot).
    void BuildSpotList(MeasList &list);

    // Shows the list modally (through the program's modal runner, so tests can answer it). Then
    // SelectedID is the chosen spot, empty when none was chosen.
    int exec() override;

    QMenuBar *MenuBar1;
    QMenu *List1;
    QAction *LoadSelection1;
    QAction *Close1;
    QListWidget *ListBox1;

    std::vector<IDEntry> Entries;
    IDEntry SelectedEntry;
    std::string SelectedID;

public slots:
    void FormShow();
    void LoadSelection1Click();
    void ListBox1DblClick();
    void Close1Click();

private:
    bool inExec_ = false;
};

} // namespace solar
