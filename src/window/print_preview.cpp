#include "window/print_preview.h"

#include "core/length.h"
#include "print/layout.h"
#include "print/preview_target.h"
#include "print/print_run.h"
#include "window/warning_colour.h"

#include <algorithm>
#include <iterator>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace ravelbook {

namespace {

// The zoom steps of the zoom buttons; fitting may choose anything between the ends.
constexpr qreal kZoomSteps[] = {0.25, 0.33, 0.5, 0.67, 0.75, 0.9, 1.0,
                                1.1,  1.25, 1.5, 1.75, 2.0,  3.0, 4.0};
constexpr qreal kLeastZoom = 0.1;
constexpr qreal kMostZoom = 4.0;
// The finest a page is drawn, whatever the zoom and the screen: a letter page
// at this takes some 60 MB.
constexpr int kMostDpi = 400;
// Pages kept drawn, and the pixels they may take together beyond the one shown.
constexpr std::size_t kKeptPages = 4;
constexpr qint64 kKeptBytes = qint64(96) << 20;
// Grey shown around the page when it is fitted.
constexpr int kGap = 12;

qint64 bytesOf(const QPixmap& pixmap) {
    return qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
}

} // namespace

PrintPreviewDialog::PrintPreviewDialog(PrintRun& run, QWidget* parent)
    : PrintPreviewDialog(
          Pages{run.pageCount(), &run.layout(),
                [&run](int page, int dpi) { return drawPreviewPage(run, page, dpi); }},
          parent) {}

PrintPreviewDialog::PrintPreviewDialog(Pages pages, QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)), pageCount_(pages_.count) {
    setWindowTitle(tr("Print Preview"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    layout->addLayout(bar);
    const auto icon = [this](QStyle::StandardPixmap which) { return style()->standardIcon(which); };
    first_ = addButton("cmdFirstPage", tr("First Page"), QKeySequence(QStringLiteral("Ctrl+Home")));
    first_->setIcon(icon(QStyle::SP_MediaSkipBackward));
    previous_ = addButton("cmdPreviousPage", tr("Previous Page"), QKeySequence(Qt::Key_PageUp));
    previous_->setIcon(icon(QStyle::SP_ArrowLeft));
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("lblPage"));
    pageLabel_->setAlignment(Qt::AlignCenter);
    // Wide enough for the last page's number, so the buttons after it stay put.
    pageLabel_->setMinimumWidth(
        pageLabel_->fontMetrics().horizontalAdvance(tr("Page %1 of %1").arg(pageCount_)) + 8);
    next_ = addButton("cmdNextPage", tr("Next Page"), QKeySequence(Qt::Key_PageDown));
    next_->setIcon(icon(QStyle::SP_ArrowRight));
    last_ = addButton("cmdLastPage", tr("Last Page"), QKeySequence(QStringLiteral("Ctrl+End")));
    last_->setIcon(icon(QStyle::SP_MediaSkipForward));
    for (QToolButton* button : {first_, previous_, next_, last_})
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    fitWidth_ = addButton("cmdFitWidth", tr("Fit Width"), {});
    fitPage_ = addButton("cmdFitPage", tr("Fit Page"), {});
    zoomOut_ = addButton("cmdZoomOut", tr("Zoom Out"), QKeySequence::ZoomOut);
    zoomOut_->setText(QStringLiteral("\u2212"));
    zoomLabel_ = new QLabel(this);
    zoomLabel_->setObjectName(QStringLiteral("lblZoom"));
    zoomLabel_->setAlignment(Qt::AlignCenter);
    zoomLabel_->setMinimumWidth(
        zoomLabel_->fontMetrics().horizontalAdvance(QStringLiteral("400%")) + 8);
    zoomIn_ = addButton("cmdZoomIn", tr("Zoom In"), QKeySequence::ZoomIn);
    zoomIn_->setText(QStringLiteral("+"));
    fitWidth_->setCheckable(true);
    fitPage_->setCheckable(true);

    auto* print = new QPushButton(tr("&Print"), this);
    print->setObjectName(QStringLiteral("cmdPrint"));
    // Enter prints nothing by mistake: a sheet of labels is dear.
    print->setAutoDefault(false);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);

    bar->addWidget(first_);
    bar->addWidget(previous_);
    bar->addWidget(pageLabel_);
    bar->addWidget(next_);
    bar->addWidget(last_);
    bar->addSpacing(16);
    bar->addWidget(fitWidth_);
    bar->addWidget(fitPage_);
    bar->addWidget(zoomOut_);
    bar->addWidget(zoomLabel_);
    bar->addWidget(zoomIn_);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(close);

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lblNote"));
    note_->setWordWrap(true);
    setWarningLook(note_, true, QPalette::WindowText, QPalette::Window);
    note_->hide();

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("pageArea"));
    scroll_->setAccessibleName(tr("Page"));
    view_ = new QLabel(scroll_);
    view_->setObjectName(QStringLiteral("pageView"));
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setWidget(view_);
    scroll_->installEventFilter(this);

    layout->addWidget(note_);
    layout->addWidget(scroll_, 1);

    connect(first_, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(previous_, &QToolButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QToolButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(last_, &QToolButton::clicked, this, [this] { showPage(pageCount_ - 1); });
    connect(fitWidth_, &QToolButton::clicked, this, &PrintPreviewDialog::fitWidth);
    connect(fitPage_, &QToolButton::clicked, this, &PrintPreviewDialog::fitPage);
    connect(zoomOut_, &QToolButton::clicked, this, &PrintPreviewDialog::zoomOut);
    connect(zoomIn_, &QToolButton::clicked, this, &PrintPreviewDialog::zoomIn);
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // Tall enough for a sheet of labels to be read whole, on any screen.
    QSize size(760, 900);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
    updateControls();
}

PrintPreviewDialog::~PrintPreviewDialog() = default;

QToolButton* PrintPreviewDialog::addButton(const char* name, const QString& text,
                                           const QKeySequence& keys) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setShortcut(keys);
    button->setToolTip(keys.isEmpty() ? text
                                      : QStringLiteral("%1 (%2)").arg(
                                            text, keys.toString(QKeySequence::NativeText)));
    return button;
}

void PrintPreviewDialog::showPage(int page) {
    page_ = std::clamp(page, 0, std::max(0, pageCount_ - 1));
    refresh();
}

void PrintPreviewDialog::fitWidth() {
    fit_ = Fit::Width;
    refit();
    refresh();
}

void PrintPreviewDialog::fitPage() {
    fit_ = Fit::Page;
    refit();
    refresh();
}

void PrintPreviewDialog::zoomIn() {
    const auto step = std::find_if(std::begin(kZoomSteps), std::end(kZoomSteps),
                                   [this](qreal z) { return z > zoom_ * 1.001; });
    setZoom(step == std::end(kZoomSteps) ? kMostZoom : *step);
}

void PrintPreviewDialog::zoomOut() {
    const auto step = std::find_if(std::rbegin(kZoomSteps), std::rend(kZoomSteps),
                                   [this](qreal z) { return z < zoom_ * 0.999; });
    setZoom(step == std::rend(kZoomSteps) ? kLeastZoom : *step);
}

void PrintPreviewDialog::setZoom(qreal zoom) {
    fit_ = Fit::None;
    zoom_ = std::clamp(zoom, kLeastZoom, kMostZoom);
    refresh();
}

void PrintPreviewDialog::refit() {
    if (fit_ == Fit::None)
        return;
    // Every page of a run is on the same stationery.
    const Layout& layout = *pages_.layout;
    const qreal dpi = logicalDpiX();
    const qreal paperWidth = qreal(layout.paperWidth) / kTwipsPerInch * dpi;
    const qreal paperHeight = qreal(layout.paperHeight) / kTwipsPerInch * dpi;
    const QSize room = scroll_->maximumViewportSize() - QSize(2 * kGap, 2 * kGap);
    qreal zoom = room.width() / paperWidth;
    if (fit_ == Fit::Width) {
        // A page taller than the room needs the scroll bar beside it.
        if (paperHeight * zoom > room.height())
            zoom = (room.width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent)) / paperWidth;
    } else {
        zoom = std::min(zoom, room.height() / paperHeight);
    }
    zoom_ = std::clamp(zoom, kLeastZoom, kMostZoom);
}

void PrintPreviewDialog::showNote(const QString& text) {
    note_->setText(text);
    note_->setVisible(!text.isEmpty());
}

QPixmap PrintPreviewDialog::pageAt(int dpi) {
    const auto found = std::find_if(kept_.begin(), kept_.end(),
                                    [&](const Kept& k) { return k.page == page_ && k.dpi == dpi; });
    if (found != kept_.end()) {
        std::rotate(kept_.begin(), found, found + 1);
        showNote(kept_.front().note);
        return kept_.front().pixmap;
    }

    PreviewPage drawn = pages_.draw(page_, dpi);
    ++pagesDrawn_;
    QPixmap pixmap = QPixmap::fromImage(std::move(drawn.image));
    if (drawn.outcome.failure) {
        // Not kept: the page is drawn again when it is next shown.
        showNote(tr("This page could not be drawn whole: %1").arg(*drawn.outcome.failure));
        return pixmap;
    }
    QStringList notes;
    for (const QString& said : {lineFitsNote(drawn.outcome), missingGlyphsNote(drawn.outcome)})
        if (!said.isEmpty())
            notes << said;
    const QString note =
        notes.isEmpty() ? QString() : tr("On this page: %1").arg(notes.join(QLatin1Char(' ')));
    showNote(note);
    kept_.insert(kept_.begin(), Kept{page_, dpi, pixmap, note});
    qint64 bytes = 0;
    std::size_t keep = 1;
    for (; keep < kept_.size() && keep < kKeptPages; ++keep) {
        bytes += bytesOf(kept_[keep].pixmap);
        if (bytes > kKeptBytes)
            break;
    }
    kept_.resize(keep);
    return pixmap;
}

void PrintPreviewDialog::refresh() {
    updateControls();
    if (!isVisible() || pageCount_ == 0)
        return;
    const qreal shownDpi = zoom_ * logicalDpiX();
    const int dpi = std::clamp(qRound(shownDpi * devicePixelRatioF()), 1, kMostDpi);
    QPixmap pixmap = pageAt(dpi);
    pixmap.setDevicePixelRatio(dpi / shownDpi);
    view_->setPixmap(pixmap);
    view_->adjustSize();
}

void PrintPreviewDialog::updateControls() {
    pageLabel_->setText(tr("Page %1 of %2").arg(page_ + 1).arg(pageCount_));
    first_->setEnabled(page_ > 0);
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < pageCount_);
    last_->setEnabled(page_ + 1 < pageCount_);
    fitWidth_->setChecked(fit_ == Fit::Width);
    fitPage_->setChecked(fit_ == Fit::Page);
    zoomLabel_->setText(QStringLiteral("%1%").arg(qRound(zoom_ * 100)));
    zoomOut_->setEnabled(zoom_ > kLeastZoom);
    zoomIn_->setEnabled(zoom_ < kMostZoom);
}

void PrintPreviewDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refit();
    refresh();
}

// The room for the page changes with the dialog, and with the note above it.
bool PrintPreviewDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_ && event->type() == QEvent::Resize && fit_ != Fit::None) {
        refit();
        refresh();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace ravelbook
