#pragma once

#include <array>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace ravelbook {

class Bindings;
class DataNavigator;
class DataSource;
struct OpenBook;

// Page "Return Address": stepping through, adding and removing the sender
// addresses. Their boxes are bound to datReturnAddresses like the editor's.
class ReturnAddressPage : public QWidget {
    Q_OBJECT

public:
    // `nameOnMailings` is the box of page "Mailings" that shows the return address's name.
    ReturnAddressPage(const OpenBook& book, QLineEdit* nameOnMailings, QTabWidget* tabs);

    std::array<QLineEdit*, 3> txtReturnAddress{};
    std::array<QLabel*, 3> lblReturnAddress{};
    QLabel* lblReturnAddressPosition = nullptr; // "2 of 3"
    QPushButton* cmdNewReturnAddress = nullptr;
    QPushButton* cmdDeleteReturnAddress = nullptr;
    // Beside the bar: a sheet of labels of the return address shown, and its preview.
    QPushButton* cmdPrintReturnLabels = nullptr;
    QPushButton* cmdPreviewReturnLabels = nullptr;
    DataNavigator* datReturnAddressesBar = nullptr;
    DataSource* datReturnAddresses = nullptr;

    // The lines of the return address shown.
    std::array<QString, 3> lines() const;

private:
    void buildControls();
    void showReturnAddressPosition();
    void newReturnAddress();
    void deleteReturnAddress();

    const OpenBook& book_;
    Bindings* returnBindings_ = nullptr;
};

} // namespace ravelbook
