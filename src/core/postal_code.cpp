#include "core/postal_code.h"

#include <algorithm>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

namespace ravelbook {

namespace {

// Where in the city line a country's code stands.
enum class Place {
    Leading,  // at the start, maybe after a country prefix ("D-", "CH-") or "〒"
    Trailing, // at the end
    Ends,     // at the start or at the end
    Anywhere, // a pattern that can't be mistaken
};

// A country's postal code: the names users write for the country, the code's
// pattern with one capture group for each part, and how the post joins the parts.
struct CountryRule {
    const char* iso;
    const char* names; // '|' between names; compared folded, see foldedName()
    const char* pattern;
    Place place;
    const char* joiner;
};

// clang-format off
const CountryRule kCountries[] = {
    {"US", "US|USA|United States|United States of America|America|Vereinigte Staaten|Estados Unidos|Etats-Unis",
     R"((\d{5})(?:[- ]?(\d{4}))?)", Place::Trailing, "-"},
    {"CA", "Canada",
     R"(([ABCEGHJ-NPRSTVXY]\d[ABCEGHJ-NPRSTV-Z]) ?(\d[ABCEGHJ-NPRSTV-Z]\d))", Place::Anywhere, " "},
    {"GB", "UK|GB|United Kingdom|Great Britain|Britain|England|Scotland|Wales|Northern Ireland|Grossbritannien|Royaume-Uni",
     R"(([A-Z]{1,2}\d[A-Z\d]?) ?(\d[A-Z]{2}))", Place::Trailing, " "},
    {"IE", "Ireland|Eire|Éire|Irland|Irlande", R"(([AC-FHKNPRTV-Y]\d[\dW]) ?([0-9AC-FHKNPRTV-Y]{4}))",
     Place::Trailing, " "},
    {"DE", "DE|Germany|Deutschland|Allemagne|Alemania|Germania|BRD", R"((\d{5}))", Place::Leading, ""},
    {"FR", "FR|France|Frankreich|Francia", R"((\d{5}))", Place::Leading, ""},
    {"ES", "ES|Spain|España|Espana|Spanien|Espagne|Spagna", R"((\d{5}))", Place::Leading, ""},
    {"IT", "IT|Italy|Italia|Italien|Italie", R"((\d{5}))", Place::Leading, ""},
    {"FI", "FI|Finland|Suomi|Finnland|Finlande", R"((\d{5}))", Place::Leading, ""},
    {"AT", "AT|Austria|Österreich|Oesterreich|Autriche", R"((\d{4}))", Place::Leading, ""},
    {"CH", "CH|Switzerland|Schweiz|Suisse|Svizzera|Svizra|Schweiz/Suisse|Suisse/Schweiz", R"((\d{4}))",
     Place::Leading, ""},
    {"BE", "BE|Belgium|België|Belgie|Belgique|Belgien", R"((\d{4}))", Place::Leading, ""},
    {"DK", "DK|Denmark|Danmark|Dänemark|Danemark", R"((\d{4}))", Place::Leading, ""},
    {"NO", "NO|Norway|Norge|Noreg|Norwegen|Norvège", R"((\d{4}))", Place::Leading, ""},
    {"HU", "HU|Hungary|Magyarország|Ungarn|Hongrie", R"((\d{4}))", Place::Leading, ""},
    {"LU", "LU|Luxembourg|Luxemburg|Lëtzebuerg", R"((\d{4}))", Place::Leading, ""},
    {"NL", "NL|Netherlands|The Netherlands|Holland|Nederland|Niederlande|Pays-Bas", R"((\d{4}) ?([A-Z]{2}))",
     Place::Leading, " "},
    {"SE", "SE|Sweden|Sverige|Schweden|Suède", R"((\d{3}) ?(\d{2}))", Place::Leading, " "},
    {"CZ", "CZ|Czech Republic|Czechia|Česko|Česká republika|Tschechien", R"((\d{3}) ?(\d{2}))",
     Place::Leading, " "},
    {"SK", "SK|Slovakia|Slovensko|Slowakei", R"((\d{3}) ?(\d{2}))", Place::Leading, " "},
    {"GR", "GR|Greece|Hellas|Ελλάδα|Griechenland|Grèce", R"((\d{3}) ?(\d{2}))", Place::Leading, " "},
    {"PL", "PL|Poland|Polska|Polen|Pologne", R"((\d{2})-(\d{3}))", Place::Leading, "-"},
    {"PT", "PT|Portugal", R"((\d{4})-(\d{3}))", Place::Leading, "-"},
    {"AU", "AU|Australia|Australien|Australie", R"((\d{4}))", Place::Trailing, ""},
    {"NZ", "NZ|New Zealand|Aotearoa|Neuseeland", R"((\d{4}))", Place::Trailing, ""},
    {"JP", "JP|Japan|Nippon|Nihon|日本|Japon", R"((\d{3})-(\d{4}))", Place::Ends, "-"},
    {"CN", "CN|China|PRC|中国|Chine", R"((\d{6}))", Place::Ends, ""},
    {"IN", "IN|India|Bharat|Indien|Inde", R"((\d{3}) ?(\d{3}))", Place::Ends, ""},
    {"SG", "SG|Singapore|Singapur|Singapour", R"((\d{6}))", Place::Ends, ""},
    {"RU", "RU|Russia|Russian Federation|Россия|Rossiya|Russland|Russie", R"((\d{6}))", Place::Ends, ""},
    {"KR", "KR|South Korea|Korea|Republic of Korea|대한민국|Südkorea", R"((\d{5}))", Place::Ends, ""},
    {"BR", "BR|Brazil|Brasil|Brasilien|Brésil", R"((\d{5})-?(\d{3}))", Place::Ends, "-"},
    {"MX", "MX|Mexico|México|Mexiko|Mexique", R"((\d{5}))", Place::Ends, ""},
};
// clang-format on

// The states, districts and territories of the US post: the word before a
// ZIP code that makes a domestic line American.
const QString kUsStates = QStringLiteral(
    "AL AK AZ AR CA CO CT DE DC FL GA HI ID IL IN IA KS KY LA ME MD MA MI MN MS MO MT NE NV NH NJ "
    "NM NY NC ND OH OK OR PA RI SC SD TN TX UT VT VA WA WV WI WY AS GU MP PR VI AA AE AP");

// Words after which a number is an apartment, a box or a house, not a code.
const QStringList kNotBefore = {
    QStringLiteral("apt"),    QStringLiteral("apartment"), QStringLiteral("suite"),
    QStringLiteral("ste"),    QStringLiteral("unit"),      QStringLiteral("flat"),
    QStringLiteral("room"),   QStringLiteral("rm"),        QStringLiteral("floor"),
    QStringLiteral("fl"),     QStringLiteral("box"),       QStringLiteral("no"),
    QStringLiteral("nr"),     QStringLiteral("number"),    QStringLiteral("bldg"),
    QStringLiteral("street"), QStringLiteral("st"),        QStringLiteral("road"),
    QStringLiteral("rd"),     QStringLiteral("avenue"),    QStringLiteral("ave"),
    QStringLiteral("lane"),   QStringLiteral("way"),
};
// The endings of streets written as one word, with the house number after them.
const QStringList kStreetEndings = {
    QStringLiteral("straße"), QStringLiteral("strasse"), QStringLiteral("str"),
    QStringLiteral("weg"),    QStringLiteral("gasse"),   QStringLiteral("platz"),
};
// Words that make a line starting with a number a street, not a town.
const QStringList kStreetWords = {
    QStringLiteral("street"), QStringLiteral("st"),        QStringLiteral("road"),
    QStringLiteral("rd"),     QStringLiteral("avenue"),    QStringLiteral("ave"),
    QStringLiteral("lane"),   QStringLiteral("ln"),        QStringLiteral("drive"),
    QStringLiteral("dr"),     QStringLiteral("boulevard"), QStringLiteral("blvd"),
    QStringLiteral("way"),    QStringLiteral("court"),     QStringLiteral("ct"),
    QStringLiteral("place"),  QStringLiteral("terrace"),   QStringLiteral("highway"),
    QStringLiteral("hwy"),    QStringLiteral("apt"),       QStringLiteral("suite"),
    QStringLiteral("unit"),   QStringLiteral("rue"),       QStringLiteral("via"),
    QStringLiteral("calle"),  QStringLiteral("avenida"),
};

// A country's name as it is compared: letters and digits only, accents
// dropped, case folded ("U.S.A." and "usa", "España" and "espana" are one).
QString foldedName(const QString& name) {
    QString folded;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD)) {
        if (c.isLetterOrNumber())
            folded += c.toCaseFolded();
    }
    return folded;
}

// The lower-case words of a text, without their punctuation.
QStringList wordsOf(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[^\\w#]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    return text.toLower().split(separators, Qt::SkipEmptyParts);
}

// Whether the text before `at` ends in a word that makes a number there
// something else than a code.
bool followsRefusedWord(const QString& line, qsizetype at) {
    const QStringList before = wordsOf(line.left(at));
    if (before.isEmpty())
        return false;
    const QString& word = before.last();
    return word.endsWith(QLatin1Char('#')) || kNotBefore.contains(word) ||
           std::any_of(kStreetEndings.begin(), kStreetEndings.end(),
                       [&word](const QString& ending) { return word.endsWith(ending); });
}

// A compiled code pattern, at its place in the line.
class CodeReader {
public:
    CodeReader(const QString& iso, const QString& pattern, Place place, const QString& joiner)
        : iso_(iso), joiner_(joiner) {
        const auto compile = [](const QString& text) {
            return QRegularExpression(text, QRegularExpression::CaseInsensitiveOption);
        };
        const QString leading = QStringLiteral("^\\s*(?:[A-Z]{1,3}-\\s?|〒\\s?)?(?:") + pattern +
                                QStringLiteral(")(?=[\\s,]|$)");
        const QString trailing =
            QStringLiteral("(?:^|[\\s,])(?:") + pattern + QStringLiteral(")[\\s.]*$");
        if (place == Place::Leading || place == Place::Ends)
            patterns_.push_back(compile(leading));
        if (place == Place::Trailing || place == Place::Ends)
            patterns_.push_back(compile(trailing));
        if (place == Place::Anywhere)
            patterns_.push_back(compile(QStringLiteral("(?<![A-Z0-9])(?:") + pattern +
                                        QStringLiteral(")(?![A-Z0-9])")));
    }

    std::optional<PostalCode> read(const QString& line) const {
        for (const QRegularExpression& pattern : patterns_) {
            const QRegularExpressionMatch match = pattern.match(line);
            if (!match.hasMatch() || followsRefusedWord(line, match.capturedStart(0)))
                continue;
            QStringList parts;
            for (int i = 1; i <= match.lastCapturedIndex(); ++i) {
                if (!match.captured(i).isEmpty())
                    parts << match.captured(i).toUpper();
            }
            return PostalCode{iso_, parts.join(joiner_)};
        }
        return std::nullopt;
    }

private:
    QString iso_;
    QString joiner_;
    std::vector<QRegularExpression> patterns_;
};

struct Readers {
    std::vector<CodeReader> countries; // in the order of kCountries
    QHash<QString, std::size_t> byName;
    // The rules that can't be mistaken, tried on a domestic line.
    std::size_t canada = 0;
    std::size_t britain = 0;
};

const Readers& readers() {
    static const Readers all = [] {
        Readers made;
        made.countries.reserve(std::size(kCountries));
        for (const CountryRule& rule : kCountries) {
            const std::size_t index = made.countries.size();
            made.countries.emplace_back(QLatin1String(rule.iso), QString::fromUtf8(rule.pattern),
                                        rule.place, QLatin1String(rule.joiner));
            for (const QString& name : QString::fromUtf8(rule.names).split(QLatin1Char('|')))
                made.byName.insert(foldedName(name), index);
        }
        made.canada = made.byName.value(QStringLiteral("canada"));
        made.britain = made.byName.value(QStringLiteral("uk"));
        return made;
    }();
    return all;
}

// A domestic line's ZIP code: only after one of the states, in capitals.
std::optional<PostalCode> readAfterState(const QString& line) {
    static const QRegularExpression zip(
        QStringLiteral("(?:^|[\\s,])([A-Z]{2})\\.?,?\\s+(\\d{5})(?:[- ]?(\\d{4}))?[\\s.]*$"));
    const QRegularExpressionMatch match = zip.match(line);
    if (!match.hasMatch() || !kUsStates.split(QLatin1Char(' ')).contains(match.captured(1)))
        return std::nullopt;
    QString code = match.captured(2);
    if (!match.captured(3).isEmpty())
        code += QLatin1Char('-') + match.captured(3);
    return PostalCode{QStringLiteral("US"), code};
}

// The code of a country without a rule of its own: 3 to 10 digits, maybe with
// one blank or hyphen inside, at the start or the end of the line, and neither
// a house number nor the number of an apartment, a suite or a box.
std::optional<PostalCode> readGeneral(const QString& line) {
    static const QRegularExpression leading(
        QStringLiteral("^\\s*(\\d{2,}(?:[ -]\\d{2,})?)(?=[\\s,]|$)"));
    static const QRegularExpression trailing(
        QStringLiteral("(?:^|[\\s,])(\\d{2,}(?:[ -]\\d{2,})?)[\\s.]*$"));
    const auto isCode = [](const QString& code) {
        const auto digits =
            std::count_if(code.begin(), code.end(), [](QChar c) { return c.isDigit(); });
        return digits >= 3 && digits <= 10;
    };
    if (const QRegularExpressionMatch match = trailing.match(line); match.hasMatch()) {
        if (isCode(match.captured(1)) && !followsRefusedWord(line, match.capturedStart(1)))
            return PostalCode{QString(), match.captured(1)};
    }
    if (const QRegularExpressionMatch match = leading.match(line); match.hasMatch()) {
        const QStringList after = wordsOf(line.mid(match.capturedEnd(1)));
        const bool street = std::any_of(after.begin(), after.end(), [](const QString& word) {
            return kStreetWords.contains(word);
        });
        if (isCode(match.captured(1)) && !street && !after.isEmpty())
            return PostalCode{QString(), match.captured(1)};
    }
    return std::nullopt;
}

} // namespace

std::optional<PostalCode> readPostalCode(const QString& cityLine, const QString& country) {
    const Readers& all = readers();
    const QString name = foldedName(country);
    if (!name.isEmpty()) {
        if (const auto found = all.byName.constFind(name); found != all.byName.constEnd())
            return all.countries[*found].read(cityLine);
        return readGeneral(cityLine);
    }
    if (auto code = readAfterState(cityLine))
        return code;
    if (auto code = all.countries[all.canada].read(cityLine))
        return code;
    if (auto code = all.countries[all.britain].read(cityLine))
        return code;
    return readGeneral(cityLine);
}

QString postalSortKey(const QString& cityLine, const QString& country) {
    const std::optional<PostalCode> code = readPostalCode(cityLine, country);
    if (!code)
        return QString();
    // Numbers compare by value, as the post counts them: "SW2" before
    // "SW11", "1234" before "12345". Each run of digits is right-aligned; the
    // general rule's blank or hyphen is only the way a code was written.
    QString written = code->code;
    if (code->country.isEmpty())
        written.remove(QRegularExpression(QStringLiteral("[ -]")));
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QString sorted;
    qsizetype at = 0;
    for (const QRegularExpressionMatch& run : number.globalMatch(written)) {
        sorted +=
            written.mid(at, run.capturedStart() - at) + run.captured().rightJustified(10, u'0');
        at = run.capturedEnd();
    }
    sorted += written.mid(at);
    return code->country + QChar(0x1f) + sorted;
}

} // namespace ravelbook
