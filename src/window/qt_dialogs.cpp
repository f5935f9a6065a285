#include "window/qt_dialogs.h"

#include "window/server_book_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace ravelbook {

Dialogs::Answer QtDialogs::message(const QString& text, const QString& title, Buttons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    if (buttons == Buttons::SaveDiscardCancel) {
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            return Answer::Cancel;
        }
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

QString QtDialogs::prompt(const QString& text, const QString& title, const QString& defaultText) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, text,
                                                 QLineEdit::Normal, defaultText, &accepted);
    return accepted ? answer : QString();
}

std::optional<QString> QtDialogs::password(const QString& text, const QString& title) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, text,
                                                 QLineEdit::Password, QString(), &accepted);
    return accepted ? std::optional<QString>(answer) : std::nullopt;
}

std::optional<QString> QtDialogs::serverBook(const QString& suggested) {
    ServerBookDialog dialog(QApplication::activeWindow());
    dialog.setUri(suggested);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.uri();
}

QString QtDialogs::saveFileName(const QString& title, const QString& suggested) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, suggested,
                                        tr("PDF files (*.pdf)"));
}

QString QtDialogs::bookFileName(BookUse use, const QString& title, const QString& folder) {
    const QString filter = tr("Address books (*.db);;All files (*)");
    if (use == BookUse::Open)
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, folder, filter);
}

std::optional<Dialogs::PrinterChoice> QtDialogs::choosePrinter() {
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return PrinterChoice{};
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(tr("Print"));
    // The run decides the pages: the dialog offers the printer and the copies.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrinterChoice choice;
    choice.copies = printer.copyCount();
    if (printer.outputFormat() == QPrinter::PdfFormat)
        choice.pdfFile = printer.outputFileName();
    else
        choice.name = printer.printerName();
    return choice;
}

} // namespace ravelbook
