#pragma once
// A main window over a temporary data folder, with scripted messages and file chooser, and
// the prompts, dialogs and printers a test puts in services.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/MainWindow.h"
#include "app/MainWindowServices.h"
#include "app/RecentFiles.h"
#include "app/RecordPage.h"
#include "data/AddressFile.h"
#include "data/IniFile.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace rp {

class MainWindowTest : public ::testing::Test {
  protected:
    QString folder() const { return QString::fromStdString(dir.path()) + "/"; }
    QString path(const QString& name) const { return folder() + name; }
    IniFile ini() const { return IniFile(path("RAVENP.INI")); }
    void writeRecent(const QStringList& files) const {
        IniFile i = ini();
        putMRUList(i, files);
    }

    // Starts the window with services; the empty-file message of a new file is answered away.
    MainWindow& start(const QString& fileToOpen = {}) {
        main = std::make_unique<MainWindow>(engine, folder());
        main->setServices(services);
        main->show();
        main->activateWindow();
        main->startUp(fileToOpen);
        return *main;
    }

    // A file of four people, in record order and in Last Name order alike.
    void makeFourPeople(const QString& name) {
        makeFile(name, {{"Adams", "Al", "Akron", "OH", "44301"},
                        {"Brown", "Bo", "Boston", "MA", "02101"},
                        {"Clark", "Cy", "Camden", "NJ", "08101"},
                        {"Drake", "Di", "Dover", "DE", "19901"}});
    }

    // A file with records (LNAME, FNAME, CITY, STATE, ZIP each).
    void makeFile(const QString& name, const std::vector<std::array<const char*, 5>>& rows) {
        ScriptedMessages quiet;
        MessagesScope s(quiet);
        AddressTable t(engine);
        ASSERT_TRUE(createAddressFile(path(name), t));
        for (const auto& r : rows) {
            t->appendBlank();
            t->setText("LNAME", r[0]);
            t->setText("FNAME", r[1]);
            t->setText("CITY", r[2]);
            t->setText("STATE", r[3]);
            t->setText("ZIP", r[4]);
            t->post();
        }
        t->commit();
    }

    QLineEdit* field(const char* name) const { return main->recordPage()->field(name); }
    RecordPage& page() const { return *main->recordPage(); }
    // The entry of menu with this caption, chosen as the user chooses it.
    void choose(QMenu* menu, const QString& caption) const {
        for (QAction* action : menu->actions())
            if (action->text() == caption) return action->trigger();
        ADD_FAILURE() << "no menu entry " << caption.toStdString();
    }
    void type(const char* name, const QString& text) const { field(name)->setText(text); }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) const {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : main.get();
        QTest::keyClick(target, static_cast<Qt::Key>(k), mods);
    }

    TempDir dir;
    xbase::Engine engine;
    ScriptedMessages shown;
    MessagesScope messagesScope{shown};
    ScriptedFileChooser chooser;
    FileChooserScope chooserScope{chooser};
    MainWindowServices services;  // those left empty are the program's own
    std::unique_ptr<MainWindow> main;
};

}  // namespace rp
