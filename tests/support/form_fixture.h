#pragma once

#include "settings/ini_settings_store.h"
#include "support/scripted_dialogs.h"
#include "support/temp_book.h"
#include "window/book_menu.h"
#include "window/current_record.h"
#include "window/exchange_menu.h"
#include "window/group_boxes.h"
#include "window/mail_form.h"
#include "window/mailing_printer.h"
#include "window/mailings_page.h"
#include "window/names_page.h"
#include "window/return_address_page.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <QTemporaryDir>

namespace ravelbook::testing {

// A window over a temporary address book and settings folder, with scripted dialogs.
class FormFixture : public ::testing::Test {
protected:
    FormFixture() : settings(settingsRoot.path()) { book.create(); }

    frmMailForm& openForm() {
        form.reset();
        db.reset();
        db = book.open();
        form = std::make_unique<frmMailForm>(*db, settings, dialogs);
        form->show();
        return *form;
    }

    // Closes the window through its close command and lets go of the book.
    void closeForm() {
        form->close();
        form.reset();
        db.reset();
    }

    // The 36 group boxes of both pages, by their index in the window.
    std::array<QCheckBox*, kGroupBoxes> groupBoxes() const {
        std::array<QCheckBox*, kGroupBoxes> boxes{};
        for (int i = 0; i < kGroupBoxes; ++i)
            boxes[std::size_t(i)] = form->groupBox(i);
        return boxes;
    }

    template <typename Widget> Widget* control(const QString& name) {
        Widget* widget = form->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    TempBook book;
    QTemporaryDir settingsRoot;
    IniSettingsStore settings;
    ScriptedDialogs dialogs;
    std::unique_ptr<Database> db;
    std::unique_ptr<frmMailForm> form;
};

} // namespace ravelbook::testing
