#pragma once

#include <functional>
#include <QDialog>
#include <QPixmap>
#include <QString>
#include <vector>

class QLabel;
class QScrollArea;
class QToolButton;

namespace ravelbook {

class PrintRun;
struct Layout;
struct PreviewPage;

// The pages of a print run as they will come out, one at a time. A page is
// drawn only when it is shown, by the run itself on the same surface the
// printer gets, so a run of any length opens at once; the last few pages shown
// are kept. Print closes the dialog accepted, and the window prints the run.
class PrintPreviewDialog final : public QDialog {
    Q_OBJECT

public:
    // What the dialog shows: how many pages, on which stationery, and each
    // page drawn at a resolution when it is shown.
    struct Pages {
        int count = 0;
        const Layout* layout = nullptr;
        std::function<PreviewPage(int page, int dpi)> draw;
    };
    explicit PrintPreviewDialog(Pages pages, QWidget* parent = nullptr);
    // `run` has been selected, has pages and outlives the dialog.
    explicit PrintPreviewDialog(PrintRun& run, QWidget* parent = nullptr);
    ~PrintPreviewDialog() override;

    int pageCount() const { return pageCount_; }
    int currentPage() const { return page_; } // from 0
    void showPage(int page);

    // The scale against the paper's own size on the screen.
    qreal zoom() const { return zoom_; }
    void fitWidth();
    void fitPage();
    void zoomIn();
    void zoomOut();

    // Pages drawn so far; a page drawn again at another scale counts again.
    int pagesDrawn() const { return pagesDrawn_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Fit { Width, Page, None };
    struct Kept {
        int page = 0;
        int dpi = 0;
        QPixmap pixmap;
        QString note; // what the page's drawing had to say: lines fitted in
    };

    void showNote(const QString& text);
    QToolButton* addButton(const char* name, const QString& text, const QKeySequence& keys);
    void setZoom(qreal zoom);
    // The zoom at which the chosen fit takes the room the page has now.
    void refit();
    // Shows the current page at the current zoom, drawing it unless it is kept.
    void refresh();
    QPixmap pageAt(int dpi);
    void updateControls();

    Pages pages_;
    int pageCount_ = 0;
    int page_ = 0;
    Fit fit_ = Fit::Page;
    qreal zoom_ = 1;
    int pagesDrawn_ = 0;
    std::vector<Kept> kept_; // the page shown last first

    QScrollArea* scroll_ = nullptr;
    QLabel* view_ = nullptr;
    QLabel* note_ = nullptr; // why a page could not be drawn whole
    QLabel* pageLabel_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QToolButton* first_ = nullptr;
    QToolButton* previous_ = nullptr;
    QToolButton* next_ = nullptr;
    QToolButton* last_ = nullptr;
    QToolButton* fitWidth_ = nullptr;
    QToolButton* fitPage_ = nullptr;
    QToolButton* zoomOut_ = nullptr;
    QToolButton* zoomIn_ = nullptr;
};

} // namespace ravelbook
