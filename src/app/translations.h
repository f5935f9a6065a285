#pragma once

#include <memory>
#include <vector>

class QTranslator;

namespace ravelbook {

// The program's texts and Qt's own (the buttons of message boxes, the print
// and file dialogs) in the user's language, for as long as this lives. Made
// after the application object; with an English or C locale nothing is loaded.
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

} // namespace ravelbook
