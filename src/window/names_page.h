#pragma once

#include "core/address_record.h"

#include <array>
#include <functional>
#include <optional>
#include <QWidget>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;
class QTabWidget;

namespace ravelbook {

class CurrentRecord;
class DataSource;
class LimitedTextEdit;
class NameFilterModel;
struct OpenBook;

// Page "Names": the name list and the editor of the record it chose, with
// adding, saving and deleting records.
class NamesPage : public QWidget {
    Q_OBJECT

public:
    NamesPage(const OpenBook& book, CurrentRecord& record, QTabWidget* tabs);

    std::array<QLabel*, kFieldCount> lblAddress{};
    QComboBox* cboName = nullptr;
    std::array<QLineEdit*, 6> txtAddress{};          // boxes 0 to 5; box 6 is the notes box below
    LimitedTextEdit* txtNotes = nullptr;             // txtAddress(6)
    QGroupBox* Frame1 = nullptr;                     // Frame1(0)
    std::array<QCheckBox*, kGroupCount> chkGroups{}; // box k is group k
    QPushButton* cmdNewAddress = nullptr;
    QPushButton* cmdEnter = nullptr;
    QPushButton* cmdDeleteRecord = nullptr;

    void cboName_Click();
    void cmdNewAddress_Click();
    void cmdEnter_Click();
    void cmdDeleteRecord_Click();
    bool newAddressMode() const { return newAddressMode_; }
    // Escape in new-address mode: drops the new record, asking first when it was typed into.
    void discardNewAddress();

    // The name list: every named record of the book, and the names Find lets through.
    void FillComboBox();
    QStringListModel* nameList() const { return nameList_; }
    NameFilterModel& nameFilter() const { return *nameFilter_; }
    // Others' changes read again; the record shown and the entry chosen stay.
    void refreshNameList();
    // The name list follows the saves and deletions made through `addresses`
    // one entry at a time: reading it again would cost a large book a tenth of
    // a second a save.
    void followWrites(DataSource& addresses);

Q_SIGNALS:
    void newAddressModeChanged(bool on);

private:
    void buildControls();
    void connectEditing();
    void setNewAddressMode(bool on);
    // Changes the name list, keeping the entry shown in the name box (or what was typed there).
    void keepNameShown(const std::function<void()>& change);
    // A record of the book written or deleted here: its entry in the name list follows.
    void placeInNameList(qint64 key, const QVariant& name);
    void dropFromNameList(qint64 key);
    // Makes this record's entry the one chosen in the name list (none when it has none).
    void chooseInNameList(qint64 key);
    // The row of the whole name list chosen in the name box; -1 for none.
    int chosenNameListRow() const;
    // The name list's entry of this record; end() when it has none.
    std::vector<qint64>::iterator nameListEntry(qint64 key);

    const OpenBook& book_;
    CurrentRecord& record_;
    DataSource& Data1;
    QStringListModel* nameList_ = nullptr;
    NameFilterModel* nameFilter_ = nullptr;
    std::vector<qint64> nameListKeys_; // the record behind each entry of the name list
    bool newAddressMode_ = false;
};

} // namespace ravelbook
