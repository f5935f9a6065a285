#include "window/bindings.h"

#include "store/data_source.h"
#include "store/store_error.h"
#include "window/limited_text_edit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace ravelbook {

namespace {

// Group columns hold -1 for a member and 0 otherwise.
constexpr int kChecked = -1;
constexpr int kUnchecked = 0;

// A box left empty on a new record is written as the empty text it shows, not
// as NULL, so that selecting by that text finds the record again.
const QVariant kEmptyText = QVariant(QStringLiteral(""));

} // namespace

Bindings::Bindings(DataSource& source, QObject* parent) : QObject(parent), source_(source) {
    connect(&source_, &DataSource::currentChanged, this, &Bindings::show);
}

void Bindings::add(QWidget* control, const QString& column, const QVariant& blank,
                   std::function<void(const QVariant&, bool)> display) {
    source_.bindColumn(column, blank);
    bound_.push_back({control, column, std::move(display)});
}

// A box admits no more than its limit when typing, but a longer value already
// in the file (put there through the grid or by another program) is shown
// whole, so that editing it doesn't cut it short.
// The same record shown again (after a save or a refresh) leaves a box that
// shows its value already as it is: cursor, undo and no repaint.
template <typename Box> std::function<void(const QVariant&, bool)> showText(Box* box) {
    return [box, limit = box->maxLength()](const QVariant& v, bool sameRecord) {
        const QString text = v.toString();
        if (sameRecord && box->text() == text)
            return;
        const int length = std::max(limit, int(text.size()));
        if (box->maxLength() != length)
            box->setMaxLength(length);
        box->setText(text);
    };
}

void Bindings::bind(QLineEdit* box, const QString& column) {
    keepOneLineText(box);
    add(box, column, kEmptyText, showText(box));
    connect(box, &QLineEdit::textEdited, this,
            [this, box, column](const QString& text) { edited(box, column, text); });
}

void Bindings::bindHandedOver(QLineEdit* box, const QString& column) {
    keepOneLineText(box);
    add(box, column, kEmptyText, showText(box));
}

void Bindings::handOver(QLineEdit* box) {
    for (const Bound& b : bound_) {
        if (b.control == box)
            edited(box, b.column, box->text());
    }
}

void Bindings::bind(LimitedTextEdit* box, const QString& column) {
    add(box, column, kEmptyText, showText(box));
    connect(box, &LimitedTextEdit::textEdited, this,
            [this, box, column](const QString& text) { edited(box, column, text); });
}

void Bindings::bind(QCheckBox* box, const QString& column) {
    add(box, column, kUnchecked,
        [box](const QVariant& v, bool) { box->setChecked(!v.isNull() && v.toInt() != 0); });
    connect(box, &QCheckBox::toggled, this, [this, box, column](bool checked) {
        if (!filling_)
            edited(box, column, checked ? kChecked : kUnchecked);
    });
}

void Bindings::edited(QWidget* control, const QString& column, const QVariant& value) {
    // The control being edited keeps its text (and cursor) through the fills below.
    const QScopedValueRollback<QWidget*> editing(editing_, control);
    try {
        // Typing into an empty record set starts a new record rather than going
        // nowhere. Without a record set (the book could not be read) the edit is refused.
        if (!source_.hasCurrent() && source_.hasRecordSet())
            source_.addNew();
        source_.setField(column, value);
        showColumn(column);
    } catch (const Error& error) {
        Q_EMIT failed(error.message());
    }
}

void Bindings::showColumn(const QString& column) {
    const QScopedValueRollback<bool> filling(filling_, true);
    for (const Bound& b : bound_) {
        if (b.control && b.control != editing_ && b.column == column)
            b.display(source_.field(column), true);
    }
}

void Bindings::show() {
    if (holds_ > 0)
        return;
    const QScopedValueRollback<bool> filling(filling_, true);
    const std::optional<qint64> key = source_.hasCurrent() ? source_.currentKey() : std::nullopt;
    const bool sameRecord = key && key == shownKey_;
    shownKey_ = key;
    for (const Bound& b : bound_) {
        if (b.control && b.control != editing_)
            b.display(source_.hasCurrent() ? source_.field(b.column) : QVariant(), sameRecord);
    }
}

QVariant Bindings::shownValue(const QWidget* control) const {
    for (const Bound& b : bound_) {
        if (b.control == control)
            return source_.hasCurrent() ? source_.field(b.column) : QVariant();
    }
    return {};
}

Bindings::Hold::Hold(Bindings& bindings) : bindings_(bindings) {
    ++bindings_.holds_;
}

Bindings::Hold::~Hold() {
    if (--bindings_.holds_ == 0)
        bindings_.show();
}

} // namespace ravelbook
