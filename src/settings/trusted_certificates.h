#pragma once

#include "settings/settings_store.h"

#include <map>
#include <optional>
#include <QString>

namespace ravelbook {

// The certificates the user chose to trust though they can't be verified, one
// per server, kept in the settings file (never in the book, which may travel):
// section "Trusted Certificates", key "host:port", value the SHA-256
// fingerprint "AB:CD:…".
class TrustedCertificateSettings {
public:
    static inline const QString kSection = QStringLiteral("Trusted Certificates");

    explicit TrustedCertificateSettings(SettingsStore& store) : store_(store) {}

    // Every server with its fingerprint; a value that isn't a fingerprint is left out.
    std::map<QString, QString> all() const;
    std::optional<QString> fingerprint(const QString& server) const;
    // Trusts this certificate for the server, in place of one trusted before.
    void trust(const QString& server, const QString& fingerprint);

private:
    SettingsStore& store_;
};

} // namespace ravelbook
