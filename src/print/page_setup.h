#pragma once

#include <QPageLayout>
#include <QPageSize>

namespace ravelbook {

// The paper and orientation the next page is begun with, as the layouts last
// asked for them. Codes the program does not know leave the set-up alone.
// Until a layout asks for another, the paper is a letter sheet: the label
// sheets and fliers are, whatever paper a printer would take by itself.
class PageSetup {
public:
    enum class Paper { Letter, Statement, Envelope10, Other };

    void applyPaperCode(int code);
    void applyOrientationCode(int code);
    // Any paper, by its portrait size in twips.
    void applyPageSize(int width, int height, bool landscape);

    Paper paper() const { return paper_; }
    bool landscape() const { return landscape_; }

    QPageSize pageSize() const;
    // The envelope is always laid out with its long side across: its
    // addresses reach further across than its short side is wide.
    QPageLayout::Orientation orientation() const;

    friend bool operator==(const PageSetup& a, const PageSetup& b) {
        return a.paper_ == b.paper_ && a.landscape_ == b.landscape_ && a.width_ == b.width_ &&
               a.height_ == b.height_;
    }

private:
    Paper paper_ = Paper::Letter;
    bool landscape_ = false;
    int width_ = 0; // twips, of Paper::Other
    int height_ = 0;
};

} // namespace ravelbook
