#include "core/address_fields.h"

#include "core/address_record.h"

namespace ravelbook {

std::optional<FieldRule> addressFieldRule(const QString& column) {
    for (const FieldRule& rule : kAddressFields) {
        if (column.compare(QLatin1String(rule.column), Qt::CaseInsensitive) == 0)
            return rule;
    }
    return std::nullopt;
}

bool isGroupColumn(const QString& column) {
    bool number = false;
    const int group = column.toInt(&number);
    return number && group >= 0 && group < kGroupCount && column == QString::number(group);
}

QString cleanText(const QString& text, bool multiLine) {
    QString clean;
    clean.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool lineBreak =
            c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        if (lineBreak) {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i; // one break, written in two characters
            clean += multiLine ? u'\n' : u' ';
        } else if (c == u'\t' && multiLine) {
            clean += c;
        } else if (c.category() != QChar::Other_Control) {
            clean += c;
        }
    }
    return clean;
}

QString cutAt(const QString& text, int limit) {
    if (text.size() <= limit)
        return text;
    const bool splits = limit > 0 && text[limit - 1].isHighSurrogate();
    return text.left(splits ? limit - 1 : limit);
}

} // namespace ravelbook
