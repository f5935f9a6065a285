#pragma once

#include "app/translations.h"

#include <QApplication>

namespace ravelbook {

class Dialogs;

// The program's QApplication. Handlers catch their own failures; should one
// slip through anyway, it is reported here instead of ending the program.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Dialogs* dialogs_ = nullptr;
    bool reporting_ = false;
    const Translations translations_;
};

} // namespace ravelbook
