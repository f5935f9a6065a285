#include "window/screen_fit.h"

#include <algorithm>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QScreen>

namespace ravelbook {

namespace {

// Room left around a dialog for its frame and the desktop's panels.
constexpr int kScreenMargin = 32;

class ScreenFit final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow())
                fitToScreen(dialog);
        }
        return false;
    }
};

} // namespace

void fitToScreen(QWidget* window) {
    QScreen* screen = window->screen();
    if (window->parentWidget() && window->parentWidget()->window()->screen())
        screen = window->parentWidget()->window()->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize room = (available.size() - QSize(2 * kScreenMargin, 2 * kScreenMargin))
                           .expandedTo(QSize(200, 120));
    // A label that would make the dialog wider than the screen wraps its lines instead.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->wordWrap() && label->sizeHint().width() > room.width() * 2 / 3)
            label->setWordWrap(true);
    }
    if (QLayout* layout = window->layout()) {
        layout->invalidate();
        layout->activate();
    }
    QSize size = window->size().expandedTo(window->minimumSizeHint());
    size.setWidth(std::min(size.width(), room.width()));
    if (window->hasHeightForWidth())
        size.setHeight(std::max(size.height(), window->heightForWidth(size.width())));
    size.setHeight(std::min(size.height(), room.height()));
    window->setMinimumSize(window->minimumSize().boundedTo(size));
    window->resize(size);
    // Moved onto the screen where it would reach past an edge.
    QRect placed(window->pos(), size);
    const QRect inside = available.adjusted(kScreenMargin / 2, kScreenMargin / 2,
                                            -kScreenMargin / 2, -kScreenMargin / 2);
    if (!inside.contains(placed)) {
        placed.moveRight(std::min(placed.right(), inside.right()));
        placed.moveBottom(std::min(placed.bottom(), inside.bottom()));
        placed.moveLeft(std::max(placed.left(), inside.left()));
        placed.moveTop(std::max(placed.top(), inside.top()));
        window->move(placed.topLeft());
    }
}

void keepDialogsOnScreen(QApplication& application) {
    application.installEventFilter(new ScreenFit(&application));
}

} // namespace ravelbook
