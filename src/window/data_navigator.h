#pragma once

#include <array>
#include <QWidget>

class QLabel;
class QToolButton;

namespace ravelbook {

class DataSource;

// The visible bar of a data source: a caption between buttons that move to the
// first, previous, next and last row. It stops at either end of the record set.
class DataNavigator : public QWidget {
    Q_OBJECT

public:
    DataNavigator(DataSource& source, const QString& caption, QWidget* parent = nullptr);

    QString caption() const;
    // Moving past the last row starts a new row, as "New" would.
    void setAddsAtEnd(bool adds);
    // Its buttons, first to last, for the tab order of the page it is on.
    std::array<QWidget*, 4> buttons() const;

Q_SIGNALS:
    // A move failed (a changed row could not be written first); the text says why.
    void failed(const QString& message);

private:
    void go(void (DataSource::*move)(), bool allowed);
    void updateButtons();

    DataSource& source_;
    QLabel* caption_;
    QToolButton* first_;
    QToolButton* previous_;
    QToolButton* next_;
    QToolButton* last_;
    bool addsAtEnd_ = false;
};

} // namespace ravelbook
