// The postal code read from a city line by the record's country.
#include "core/postal_code.h"

#include <gtest/gtest.h>

namespace ravelbook {
namespace {

TEST(PostalCode, ReadsTheCodeOfTheCountryAndRefusesOtherNumbers) {
    struct Case {
        QString line;
        QString country;
        const char* iso; // nothing read without one
        QString code;
    };
    const Case cases[] = {
        {"Springfield, IL 62701", "", "US", "62701"},
        {"Springfield, IL 62701-1234", "USA", "US", "62701-1234"},
        {"Springfield IL 62701", "u.s.a.", "US", "62701"},
        {"Ottawa ON K1A 0B1", "Canada", "CA", "K1A 0B1"},
        {"Ottawa ON k1a0b1", "", "CA", "K1A 0B1"},
        {"London SW1A 1AA", "United Kingdom", "GB", "SW1A 1AA"},
        {"London sw1a1aa", "", "GB", "SW1A 1AA"},
        {"Manchester M1 1AE", "GB", "GB", "M1 1AE"},
        {"10115 Berlin", "Deutschland", "DE", "10115"},
        {"D-10115 Berlin", "germany", "DE", "10115"},
        {"28001 Madrid", "ESPAÑA", "ES", "28001"},
        {"CH-8001 Zürich", "Schweiz", "CH", "8001"},
        {"1003 Lausanne", "Suisse", "CH", "1003"},
        {"1012AB Amsterdam", "Nederland", "NL", "1012 AB"},
        {"11455 Stockholm", "Sverige", "SE", "114 55"},
        {"00-950 Warszawa", "Polska", "PL", "00-950"},
        {"1000-001 Lisboa", "Portugal", "PT", "1000-001"},
        {"Sydney NSW 2000", "Australia", "AU", "2000"},
        {"〒100-0001 Tokyo", "Japan", "JP", "100-0001"},
        {"Chiyoda-ku, Tokyo 100-0001", "日本", "JP", "100-0001"},
        {"Mumbai 400 001", "India", "IN", "400001"},
        {"São Paulo - SP, 01310-100", "Brasil", "BR", "01310-100"},
        {"101 Reykjavík", "Iceland", "", "101"},
        {"Paris 75001", "", "", "75001"},
        {"Springfield, Illinois 62701", "", "", "62701"},
        // House numbers, apartments, boxes and lone numbers are not codes.
        {"123 Main Street", "", nullptr, {}},
        {"12 Elm Road", "", nullptr, {}},
        {"Apt 5", "", nullptr, {}},
        {"Springfield Apt 12345", "", nullptr, {}},
        {"Suite 400", "", nullptr, {}},
        {"Town # 1234", "", nullptr, {}},
        {"Hauptstraße 123", "", nullptr, {}},
        {"PO Box 12345", "USA", nullptr, {}},
        {"7", "", nullptr, {}},
        {"Springfield, IL 6270", "USA", nullptr, {}},
        // A country's code only where its post writes it.
        {"Berlin 10115", "Deutschland", nullptr, {}},
        {"Springfield, ZZ 62701", "", "", "62701"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.line + " / " + c.country).toStdString());
        const std::optional<PostalCode> read = readPostalCode(c.line, c.country);
        ASSERT_EQ(read.has_value(), c.iso != nullptr);
        if (!read)
            continue;
        EXPECT_EQ(read->country, QString::fromLatin1(c.iso));
        EXPECT_EQ(read->code, c.code);
    }
}

TEST(PostalCode, SortKeysFollowThePostsOrder) {
    // Each line before the next; an empty country is the general rule's.
    const std::pair<QString, QString> ascending[] = {
        {"101 Reykjavík", "Iceland"},
        {"Paris 75001", ""},
        {"London SW2 1AA", "UK"},
        {"London SW11 1AA", "UK"},
        {"114 55 Stockholm", "Sweden"},
        {"Springfield, IL 62701", ""},
        {"Springfield, IL 62701-1234", "USA"},
        {"Springfield, IL 62702", "US"},
    };
    for (std::size_t i = 0; i + 1 < std::size(ascending); ++i) {
        SCOPED_TRACE(ascending[i].first.toStdString());
        EXPECT_LT(postalSortKey(ascending[i].first, ascending[i].second),
                  postalSortKey(ascending[i + 1].first, ascending[i + 1].second));
    }
    EXPECT_EQ(postalSortKey("114 55 Stockholm", "Sweden"), postalSortKey("11455 Stockholm", "SE"));
    EXPECT_EQ(postalSortKey("Town 400-001", "Atlantis"), postalSortKey("Town 400001", "Atlantis"));
    EXPECT_TRUE(postalSortKey("Apt 5", "").isEmpty());
}

} // namespace
} // namespace ravelbook
