#pragma once

#include <QPageLayout>
#include <QPageSize>

namespace ravelbook {

// The paper and orientation the next page is begun with, as the layouts last
// asked for them. Codes the program does not know leave the set-up alone.
class PageSetup {
public:
    enum class Paper { TargetDefault, Letter, Statement, Envelope10 };

    void applyPaperCode(int code);
    void applyOrientationCode(int code);

    Paper paper() const { return paper_; }
    bool landscape() const { return landscape_; }

    // The page size, with the target's own for TargetDefault.
    QPageSize pageSize(const QPageSize& targetDefault) const;
    // The envelope is always laid out with its long side across: its
    // addresses reach further across than its short side is wide.
    QPageLayout::Orientation orientation() const;

    friend bool operator==(const PageSetup& a, const PageSetup& b) {
        return a.paper_ == b.paper_ && a.landscape_ == b.landscape_;
    }

private:
    Paper paper_ = Paper::TargetDefault;
    bool landscape_ = false;
};

} // namespace ravelbook
