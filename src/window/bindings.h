#pragma once

#include <functional>
#include <optional>
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QCheckBox;
class QLineEdit;
class QWidget;

namespace ravelbook {

class DataSource;
class LimitedTextEdit;

// Ties controls to columns of a data source: they show the current row and hand
// the user's edits to it. Filling them is never taken for an edit.
class Bindings : public QObject {
    Q_OBJECT

public:
    explicit Bindings(DataSource& source, QObject* parent = nullptr);

    void bind(QLineEdit* box, const QString& column);
    // A box whose text is checked before it is kept: it shows its column, but
    // an edit reaches the data source only when handOver() is called with it.
    void bindHandedOver(QLineEdit* box, const QString& column);
    void handOver(QLineEdit* box);
    void bind(LimitedTextEdit* box, const QString& column);
    void bind(QCheckBox* box, const QString& column);

    // Shows the current row in every bound control.
    void show();

    // What a bound control shows for the current row; also while held.
    QVariant shownValue(const QWidget* control) const;

    // Keeps the controls as they are while a long run moves the data source
    // through many rows; they show the current row again when the hold ends.
    class Hold {
    public:
        explicit Hold(Bindings& bindings);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        Bindings& bindings_;
    };

Q_SIGNALS:
    // An edit could not be handed to the data source; the text says why.
    void failed(const QString& message);

private:
    struct Bound {
        QPointer<QWidget> control;
        QString column;
        // Shows a value; `sameRecord` when the record shown before is shown again.
        std::function<void(const QVariant&, bool sameRecord)> display;
    };

    void add(QWidget* control, const QString& column, const QVariant& blank,
             std::function<void(const QVariant&, bool)> display);
    void edited(QWidget* control, const QString& column, const QVariant& value);
    void showColumn(const QString& column);

    DataSource& source_;
    std::vector<Bound> bound_;
    bool filling_ = false;
    int holds_ = 0;
    QWidget* editing_ = nullptr;
    std::optional<qint64> shownKey_; // the record the controls show
};

} // namespace ravelbook
