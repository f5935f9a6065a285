#pragma once

class QApplication;
class QWidget;

namespace ravelbook {

// Every dialog opens inside the screen it is shown on, buttons included: a
// line of text too long for it is wrapped, and a size asked for (or a text's
// width) that the screen can't hold is cut down to what it can, and the
// dialog is moved onto it. Installed once for the whole program.
void keepDialogsOnScreen(QApplication& application);

// The same for one window, as it is about to be shown.
void fitToScreen(QWidget* window);

} // namespace ravelbook
