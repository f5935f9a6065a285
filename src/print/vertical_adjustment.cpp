#include "print/vertical_adjustment.h"

#include "print/address_source.h"
#include "print/print_run.h"
#include "print/printer_surface.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace ravelbook {

namespace {

bool isSkipped(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The longest number at the start of the text, with the skipped characters
// taken out: sign, digits, one decimal point, an exponent with E or D.
std::string leadingNumber(const QString& text) {
    std::string number;
    enum class Part { Sign, Mantissa, Fraction, ExponentSign, Exponent } part = Part::Sign;
    bool mantissaDigits = false;
    for (const QChar c : text) {
        if (isSkipped(c))
            continue;
        const char ch = char(c.unicode());
        if (isDigit(c)) {
            if (part == Part::Sign)
                part = Part::Mantissa;
            if (part == Part::ExponentSign)
                part = Part::Exponent;
            if (part == Part::Mantissa || part == Part::Fraction)
                mantissaDigits = true;
            number += ch;
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) &&
                   (part == Part::Sign || part == Part::ExponentSign)) {
            if (part == Part::ExponentSign && number.back() != 'e')
                break;
            number += ch;
            if (part == Part::Sign)
                part = Part::Mantissa;
        } else if (c == QLatin1Char('.') && (part == Part::Sign || part == Part::Mantissa)) {
            number += '.';
            part = Part::Fraction;
        } else if ((c.toLower() == QLatin1Char('e') || c.toLower() == QLatin1Char('d')) &&
                   mantissaDigits && (part == Part::Mantissa || part == Part::Fraction)) {
            number += 'e';
            part = Part::ExponentSign;
        } else {
            break;
        }
    }
    // An exponent marker without digits belongs to no number.
    while (!number.empty() &&
           (number.back() == 'e' || number.back() == '+' || number.back() == '-'))
        number.pop_back();
    return mantissaDigits ? number : std::string();
}

// Whether a number too large or too small for a double is the small kind:
// its first significant digit stands after the decimal point once the exponent
// is applied. The exponent's sign alone does not say, as 1000...0e-1 and
// 0.000...1 with hundreds of digits show.
bool belowOne(const std::string& number) {
    const size_t marker = std::min(number.find('e'), number.size());
    const size_t point = std::min(number.find('.'), marker);
    const size_t first = number.find_first_of("123456789");
    if (first >= marker)
        return true;
    long long power = first < point ? (long long)(point - first - 1) : -(long long)(first - point);
    size_t i = marker + 1;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+'))
        ++i;
    // Capped, as any exponent this large decides the matter by itself.
    long long exponent = 0;
    for (; i < number.size(); ++i)
        exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000'000LL);
    power += negative ? -exponent : exponent;
    return power < 0;
}

} // namespace

std::optional<qint16> readVerticalAdjustment(const QString& text) {
    std::string number = leadingNumber(text);
    if (!number.empty() && number.front() == '+')
        number.erase(0, 1);
    double value = 0.0;
    if (!number.empty()) {
        // from_chars reads the same whatever the user's locale says about decimal points.
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), value);
        (void)end;
        if (error == std::errc::result_out_of_range && belowOne(number))
            value = 0.0;
        else if (error != std::errc())
            return std::nullopt; // beyond what a double holds, so far beyond 16 bits
    }
    // Half to even, as the default rounding mode does.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<qint16>::min() &&
          rounded <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return qint16(rounded);
}

namespace {

// A full sheet of labels with something on every line.
class FullSheet final : public AddressSource {
public:
    explicit FullSheet(int items) : left_(items) {}
    int count(const RecordChoice&) override { return left_; }
    void open(const RecordChoice&, int) override {}
    std::optional<AddressLines> next() override {
        if (left_ == 0)
            return std::nullopt;
        --left_;
        return AddressLines{QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("X"),
                            QStringLiteral("X"), QStringLiteral("X")};
    }

private:
    int left_;
};

// How far up and down the lines of a run reach, in twips.
class Extent final : public PrinterSurface {
public:
    void SetFontName(const QString&) override {}
    void SetFontSize(int points) override { points_ = points; }
    void SetBold(bool) override {}
    void SetPaperSize(int) override {}
    void SetOrientation(int) override {}
    void SetPageSize(int, int, bool) override {}
    void SetX(qint16) override {}
    void SetY(qint16 twips) override { y_ = twips; }
    void SetLineEnd(qint16) override {}
    void PrintLine(const QString&) override { reach(); }
    void PrintInline(const QString&) override { reach(); }
    void DrawLine(qint16, qint16, qint16, qint16) override {}
    void NewPage() override {}
    void EndDocument() override {}

    int top = std::numeric_limits<int>::max();
    int bottom = std::numeric_limits<int>::min();

private:
    // A line's cell is about 1.15 times its size high.
    void reach() {
        top = std::min(top, y_);
        bottom = std::max(bottom, y_ + points_ * 23);
    }
    int points_ = 12;
    int y_ = 0;
};

} // namespace

AdjustmentRange usableAdjustments() {
    static const AdjustmentRange range = [] {
        AdjustmentRange r{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
        for (const Stationery labels : {Stationery::SmallLabels, Stationery::LargeLabels}) {
            PrintJob job;
            job.stationery = labels;
            job.returnAddress = {QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("X")};
            const Layout& layout = job.layout();
            FullSheet sheet(layout.itemsPerSheet);
            Extent extent;
            runPrint(job, sheet, extent, {}, nullptr); // never a list
            const int printableHeight = layout.paperHeight - 2 * kNominalMargin;
            r.lowest = std::max(r.lowest, -extent.top);
            r.highest = std::min(r.highest, printableHeight - extent.bottom);
        }
        return r;
    }();
    return range;
}

bool isUsableAdjustment(int twips) {
    const AdjustmentRange range = usableAdjustments();
    return twips >= range.lowest && twips <= range.highest;
}

std::optional<qint16> usableVerticalAdjustment(const QString& text) {
    const std::optional<qint16> value = readVerticalAdjustment(text);
    if (!value || !isUsableAdjustment(*value))
        return std::nullopt;
    return value;
}

bool isPlainWholeNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return true;
    int i = t.front() == QLatin1Char('-') || t.front() == QLatin1Char('+') ? 1 : 0;
    if (i == t.size())
        return false;
    for (; i < t.size(); ++i) {
        if (!isDigit(t[i]))
            return false;
    }
    return true;
}

} // namespace ravelbook
