#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "AppState.h"
#include "HomeDataScreen.h"
#include "MessageBoxes.h"
#include "Unit1.h"
#include "Unit4.h"

// The main window, the station database window and the set-up window, created
// in the program's order inside an empty working directory, with scripted
// message boxes.
class StationWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        App() = AppState{};
    }

    void TearDown() override
    {
        DestroyWindows();
        QDir::setCurrent(previousDir_);
    }

    static QString ShippedDatabase()
    {
        return QStringLiteral(TAVREL_SOURCE_DIR) + QStringLiteral("/data/DravikDXCC.ini");
    }

    void CopyShippedDatabase()
    {
        ASSERT_TRUE(QFile::copy(ShippedDatabase(), QStringLiteral("DravikDXCC.ini")));
        QFile::setPermissions(QStringLiteral("DravikDXCC.ini"),
                              QFile::ReadOwner | QFile::WriteOwner);
    }

    void CreateWindows()
    {
        form1 = std::make_unique<TForm1>();
        form4 = std::make_unique<TForm4>();
        setup = std::make_unique<THomeDataForm>();
        Boxes().shown.clear();
    }

    void DestroyWindows()
    {
        setup.reset();
        form4.reset();
        form1.reset();
    }

    // Shows the set-up window as the main window's tab does, made active so
    // that its fields take the focus.
    void ShowSetup()
    {
        App().OpenedFromMain = 0;
        App().OpenedFromPlanner = 0;
        App().OpenedFromSetup = 1;
        setup->ShowSetupWindow();
        setup->activateWindow();
        // The offscreen platform does not activate a window shown again after a hide.
        if (!QTest::qWaitForWindowActive(setup.get(), 200))
            QApplication::setActiveWindow(setup.get());
        ASSERT_TRUE(setup->isActiveWindow());
    }

    static void Type(QWidget* widget, const char* keys)
    {
        for (const char* c = keys; *c; ++c)
            QTest::keyClick(widget, *c);
    }

    // Focuses a field, selects its text and types over it.
    static void TypeOver(QLineEdit* edit, const char* keys)
    {
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
        edit->selectAll();
        Type(edit, keys);
    }

    ScriptedMessageBoxes& Boxes() { return messages_.boxes; }

    QStringList ShownTexts()
    {
        QStringList texts;
        for (const auto& shown : Boxes().shown)
            texts << shown.text;
        return texts;
    }

    static QByteArray FileBytes(const QString& name)
    {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

    QTemporaryDir dir_;
    QString previousDir_;
    ScopedScriptedMessages messages_;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<THomeDataForm> setup;
};
