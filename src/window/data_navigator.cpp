#include "window/data_navigator.h"

#include "store/data_source.h"
#include "store/store_error.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace ravelbook {

namespace {

QToolButton* makeButton(QWidget* parent, const QString& name, const QString& text,
                        const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tip);
    button->setAccessibleName(tip); // the arrows say nothing to a screen reader
    button->setAutoRaise(false);
    return button;
}

} // namespace

std::array<QWidget*, 4> DataNavigator::buttons() const {
    return {first_, previous_, next_, last_};
}

DataNavigator::DataNavigator(DataSource& source, const QString& caption, QWidget* parent)
    : QWidget(parent), source_(source) {
    first_ = makeButton(this, QStringLiteral("first"), QStringLiteral("|\u25C0"), tr("First"));
    previous_ =
        makeButton(this, QStringLiteral("previous"), QStringLiteral("\u25C0"), tr("Previous"));
    caption_ = new QLabel(caption, this);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setFrameShape(QFrame::StyledPanel);
    next_ = makeButton(this, QStringLiteral("next"), QStringLiteral("\u25B6"), tr("Next"));
    last_ = makeButton(this, QStringLiteral("last"), QStringLiteral("\u25B6|"), tr("Last"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(first_);
    layout->addWidget(previous_);
    layout->addWidget(caption_, 1);
    layout->addWidget(next_);
    layout->addWidget(last_);
    for (QToolButton* button : {first_, previous_, next_, last_})
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    connect(first_, &QToolButton::clicked, this,
            [this] { go(&DataSource::moveFirst, source_.recordCount() > 0); });
    connect(previous_, &QToolButton::clicked, this,
            [this] { go(&DataSource::movePrevious, source_.position() > 0); });
    connect(next_, &QToolButton::clicked, this, [this] {
        if (addsAtEnd_ && !source_.isNew() && source_.position() + 1 >= source_.recordCount())
            go(&DataSource::addNew, true);
        else
            go(&DataSource::moveNext, source_.position() + 1 < source_.recordCount());
    });
    connect(last_, &QToolButton::clicked, this,
            [this] { go(&DataSource::moveLast, source_.recordCount() > 0); });
    connect(&source_, &DataSource::currentChanged, this, &DataNavigator::updateButtons);
    connect(&source_, &DataSource::recordSetReset, this, &DataNavigator::updateButtons);
    updateButtons();
}

QString DataNavigator::caption() const {
    return caption_->text();
}

void DataNavigator::go(void (DataSource::*move)(), bool allowed) {
    if (!allowed)
        return;
    try {
        // When the user stays on a changed row, nothing moves.
        (source_.*move)();
    } catch (const Error& error) {
        Q_EMIT failed(error.message());
    }
}

void DataNavigator::setAddsAtEnd(bool adds) {
    addsAtEnd_ = adds;
    updateButtons();
}

void DataNavigator::updateButtons() {
    const int count = source_.recordCount();
    const int pos = source_.position();
    first_->setEnabled(count > 0 && pos != 0);
    previous_->setEnabled(pos > 0);
    next_->setEnabled(pos + 1 < count || (addsAtEnd_ && !source_.isNew()));
    last_->setEnabled(count > 0 && pos != count - 1);
}

} // namespace ravelbook
