#include "settings/trusted_certificates.h"

#include "settings/group_titles.h"

#include <QRegularExpression>

namespace ravelbook {

namespace {

// 32 bytes in hexadecimal, each pair followed by a colon but the last.
bool isFingerprint(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9A-Fa-f]{2}:){31}[0-9A-Fa-f]{2}$"));
    return pattern.match(text).hasMatch();
}

} // namespace

std::map<QString, QString> TrustedCertificateSettings::all() const {
    std::map<QString, QString> trusted;
    for (const auto& [server, fingerprint] :
         store_.readSection(group_titles::kApplication, kSection)) {
        if (isFingerprint(fingerprint))
            trusted[server] = fingerprint.toUpper();
    }
    return trusted;
}

std::optional<QString> TrustedCertificateSettings::fingerprint(const QString& server) const {
    const auto trusted = all();
    const auto found = trusted.find(server);
    return found == trusted.end() ? std::nullopt : std::optional<QString>(found->second);
}

void TrustedCertificateSettings::trust(const QString& server, const QString& fingerprint) {
    store_.saveSetting(group_titles::kApplication, kSection, server, fingerprint.toUpper());
}

} // namespace ravelbook
