#pragma once

#include <cmath>
#include <QLocale>

namespace ravelbook {

// Positions on paper and in the window's design are twips: 1440 to the inch,
// 20 to the point.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPoint = 20;
inline constexpr double kMillimetresPerInch = 25.4;

// Whether the user's country measures in inches (the US, Liberia, Myanmar);
// everyone else types lengths in millimetres.
inline bool measuresInInches(const QLocale& locale = QLocale()) {
    return locale.measurementSystem() == QLocale::ImperialUSSystem;
}

// A length on paper, whatever unit it was given in. It holds twips, the unit
// the layouts and stored offsets use, as a double so that millimetres and
// points survive a round trip; twips() rounds to the nearest whole twip.
class Length {
public:
    constexpr Length() = default;

    static constexpr Length fromTwips(double twips) { return Length(twips); }
    static constexpr Length fromPoints(double points) { return Length(points * kTwipsPerPoint); }
    static constexpr Length fromInches(double inches) { return Length(inches * kTwipsPerInch); }
    static constexpr Length fromMillimetres(double mm) {
        return Length(mm * kTwipsPerInch / kMillimetresPerInch);
    }

    int twips() const { return int(std::lround(twips_)); }
    constexpr double exactTwips() const { return twips_; }
    constexpr double points() const { return twips_ / kTwipsPerPoint; }
    constexpr double inches() const { return twips_ / kTwipsPerInch; }
    constexpr double millimetres() const { return twips_ * kMillimetresPerInch / kTwipsPerInch; }
    // Dots of a device of this resolution.
    constexpr double dots(double dotsPerInch) const { return twips_ * dotsPerInch / kTwipsPerInch; }

    constexpr Length operator+(Length other) const { return Length(twips_ + other.twips_); }
    constexpr Length operator-(Length other) const { return Length(twips_ - other.twips_); }
    constexpr Length operator*(double factor) const { return Length(twips_ * factor); }
    constexpr bool operator==(Length other) const { return twips_ == other.twips_; }
    constexpr bool operator!=(Length other) const { return twips_ != other.twips_; }
    constexpr bool operator<(Length other) const { return twips_ < other.twips_; }

private:
    explicit constexpr Length(double twips) : twips_(twips) {}
    double twips_ = 0;
};

} // namespace ravelbook
