#pragma once
// What screen readers need beyond the names and descriptions each window gives its controls:
// names for the blank lines of list boxes, and the window role for tool windows that Qt would
// otherwise expose as plain panels.

#include <functional>

class QListWidget;
class QWidget;

namespace solar::a11y {

// Every empty line of `list`, now and later, is read as "blank line".
void nameBlankLines(QListWidget *list);
// `window` (a top-level plain widget) is exposed to assistive technology as a window.
void exposeAsWindow(QWidget *window);
// Enter (either key) on `widget` runs `action`: the keyboard's double-click on a list.
void onEnter(QWidget *widget, const std::function<void()> &action);

} // namespace solar::a11y
