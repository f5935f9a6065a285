#pragma once

#include "print/print_destination.h"
#include "print/printer_surface.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook::testing {

// A printer surface that keeps every call and every piece of text drawn, with
// the pen, font and page it was drawn with.
class RecordingSurface final : public PrinterSurface {
public:
    struct Drawn {
        QString text;
        int x = 0;
        int y = 0;
        int size = 0;
        bool bold = false;
        bool endsLine = false;
        QString font;
        int document = 0; // counted from 0
        int page = 0;     // within its document, from 0
        int paperSize = 0;
        int orientation = 0;
        int lineEnd = 0;
    };

    void SetFontName(const QString& face) override;
    void SetFontSize(int points) override;
    void SetBold(bool on) override;
    void SetPaperSize(int code) override;
    void SetOrientation(int code) override;
    void SetPageSize(int width, int height, bool landscape) override;
    void SetX(qint16 twips) override;
    void SetY(qint16 twips) override;
    void SetLineEnd(qint16 twips) override;
    void PrintLine(const QString& text) override;
    void PrintInline(const QString& text) override;
    void DrawLine(qint16 x1, qint16 y1, qint16 x2, qint16 y2) override;
    void NewPage() override;
    void EndDocument() override;

    struct Line {
        int x1 = 0;
        int y1 = 0;
        int x2 = 0;
        int y2 = 0;
    };

    // Every call as "Name argument", in order.
    QStringList calls;
    std::vector<Drawn> drawn;
    std::vector<Line> lines;
    int documentsEnded = 0;

private:
    void draw(const QString& text, bool endsLine);

    QString font_;
    int size_ = 0;
    bool bold_ = false;
    int x_ = 0;
    int y_ = 0;
    int page_ = 0;
    int paperSize_ = 0;
    int orientation_ = 0;
    int lineEnd_ = 0;
};

// Hands every run the same recording surface.
class RecordingDestination final : public PrintDestination {
public:
    PrinterSurface* begin() override {
        ++runs;
        return &surface;
    }
    PrintTally end() override { return {}; }
    QString printer() const override { return printerName; }

    RecordingSurface surface;
    int runs = 0;
    QString printerName; // the printer the runs report they went to; none by default
};

} // namespace ravelbook::testing
