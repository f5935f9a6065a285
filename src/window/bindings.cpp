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

} // namespace

Bindings::Bindings(DataSource& source, QObject* parent) : QObject(parent), source_(source) {
    connect(&source_, &DataSource::currentChanged, this, &Bindings::show);
}

void Bindings::add(QWidget* control, const QString& column, const QVariant& blank,
                   std::function<void(const QVariant&)> display) {
    source_.bindColumn(column, blank);
    bound_.push_back({control, column, std::move(display)});
}

void Bindings::bind(QLineEdit* box, const QString& column) {
    add(box, column, QString(), [box](const QVariant& v) { box->setText(v.toString()); });
    connect(box, &QLineEdit::textEdited, this,
            [this, box, column](const QString& text) { edited(box, column, text); });
}

void Bindings::bind(LimitedTextEdit* box, const QString& column) {
    add(box, column, QString(), [box](const QVariant& v) { box->setText(v.toString()); });
    connect(box, &LimitedTextEdit::textEdited, this,
            [this, box, column](const QString& text) { edited(box, column, text); });
}

void Bindings::bind(QCheckBox* box, const QString& column) {
    add(box, column, kUnchecked,
        [box](const QVariant& v) { box->setChecked(!v.isNull() && v.toInt() != 0); });
    connect(box, &QCheckBox::toggled, this, [this, box, column](bool checked) {
        if (!filling_)
            edited(box, column, checked ? kChecked : kUnchecked);
    });
}

void Bindings::edited(QWidget* control, const QString& column, const QVariant& value) {
    try {
        // Typing into an empty editor starts a new record rather than going nowhere.
        const bool started = !source_.hasCurrent();
        if (started)
            source_.addNew();
        source_.setField(column, value);
        // Other controls on the same column follow; after a new record's blank
        // fill the edited control itself needs its text back too.
        showColumn(column, started ? nullptr : control);
    } catch (const StoreError& error) {
        Q_EMIT failed(error.message());
    }
}

void Bindings::showColumn(const QString& column, const QWidget* except) {
    const QScopedValueRollback<bool> filling(filling_, true);
    for (const Bound& b : bound_) {
        if (b.control && b.control != except && b.column == column)
            b.display(source_.field(column));
    }
}

void Bindings::show() {
    const QScopedValueRollback<bool> filling(filling_, true);
    for (const Bound& b : bound_) {
        if (b.control)
            b.display(source_.hasCurrent() ? source_.field(b.column) : QVariant());
    }
}

} // namespace ravelbook
