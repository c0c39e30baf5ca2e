#pragma once
// Every window and dialog of the program, made and filled the way a session leaves them: the
// main window run to its lists with two sample images loaded, the image window measuring, the
// entry, list, analysis and result windows, the help windows and every small dialog. Shared by
// the in-process name check and the program that a screen-reader test walks over AT-SPI.

#include "app/Login.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TestMachine.h"
#include "support/DisplayParams.h"

#include <QAccessible>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

namespace solar {
class TSolarRtn;
}

namespace solar::test {

struct TourWindow {
    std::string name;
    QWidget *widget;
};

class A11yTour : public TestMachine {
public:
    A11yTour();
    ~A11yTour();
    std::vector<TourWindow> windows;
    TSolarRtn &main() { return *main_; }

private:
    ScriptedUiPrompt ui_;
    std::unique_ptr<TSolarRtn> main_;
    std::vector<std::unique_ptr<QWidget>> owned_;
    LoginRecord login_;
    BoxParams box_;
    DisplayParams display_, defaults_;
    int rate_ = 1000;
    template <class W> W *own(W *w) {
        owned_.emplace_back(w);
        return w;
    }
};

// One interactive control of a window: its role, name and where it sits (class and object name).
struct A11yControl {
    QAccessible::Role role;
    std::string name, description, where;
};

// The interactive controls (buttons, check boxes, radio buttons, menu items, sliders, scroll bars
// of their own, spin boxes, edits, combo boxes, lists and their items, tabs, tables and cells)
// reached from `window` through its accessible interface; invisible ones are left out.
std::vector<A11yControl> interactiveControls(QWidget *window);

} // namespace solar::test
