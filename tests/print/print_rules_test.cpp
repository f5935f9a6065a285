// The recipient name rule and the reading of the vertical adjustment.
#include "print/recipient_name.h"
#include "print/vertical_adjustment.h"

#include <gtest/gtest.h>

namespace ravelbook {
namespace {

TEST(RecipientName, FirstNameFirstSplitsAtTheFirstComma) {
    struct Case {
        QString name;
        std::optional<QString> printed;
    };
    const Case cases[] = {
        {"Smith, John", "John Smith"},
        {"Smith,John", "John Smith"},
        {"Smith , John", "John Smith"},
        {"Smith, John, Jr.", "John, Jr. Smith"},
        {"Smith", "Smith"},
        {"Smith,", "Smith,"},
        {",John", "John "},
        {"  Smith  ", "  Smith  "},       // no comma: as typed, blanks included
        {"Smith,\tJohn", "\tJohn Smith"}, // only blanks are trimmed
        {"O'Brien, Pat", "Pat O'Brien"},
        {"Żółć, Łukasz", "Łukasz Żółć"},
        {"X", "X"},
        {"", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(recipientName(c.name, true), c.printed);
        // Without the option every name is printed as it stands.
        EXPECT_EQ(recipientName(c.name, false), c.name);
    }
}

TEST(VerticalAdjustment, ReadsTheLeadingNumberRoundedHalfToEven) {
    struct Case {
        QString text;
        std::optional<qint16> value;
    };
    const Case cases[] = {
        {"180", 180},
        {"-60", -60},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"  42  ", 42},
        {"1 8 0", 180}, // blanks are skipped wherever they stand
        {"\t-\n5", -5},
        {"-0", 0},
        {"1e3", 1000},
        {"1.5E2x", 150},
        {"2d1", 20},
        {"1e", 1},
        {"1e+", 1},
        {".5", 0},
        {"+7", 7},
        {"--7", 0},
        {"7-3", 7},
        {"1.2.3", 1},
        {"32767", 32767},
        {"-32768", -32768},
        {"32767.4", 32767},
        {"32767.5", std::nullopt}, // rounds to 32768
        {"99999", std::nullopt},
        {"-40000", std::nullopt},
        {"1e400", std::nullopt},
        {"1e-400", 0},
        // Beyond a double either way without a telling exponent: too small
        // reads as 0, too large as nothing.
        {"0." + QString(400, QLatin1Char('0')) + "1", 0},
        {"-0." + QString(400, QLatin1Char('0')) + "1", 0},
        {"1" + QString(400, QLatin1Char('0')) + "e-1", std::nullopt},
        {"1" + QString(400, QLatin1Char('0')) + "e-398", 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(readVerticalAdjustment(c.text), c.value);
    }
}

} // namespace
} // namespace ravelbook
