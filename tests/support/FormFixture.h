#pragma once
// A main window on its own settings and data folders, with scripted dialogs.

#include "app/TForm1.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

class FormFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QApplication::setApplicationName(QStringLiteral("Quorvex"));
        qputenv("QUORVEX_CONFIG_HOME", QByteArray::fromStdString(tree.path("config")));
        qputenv("QUORVEX_DATA_DIR", QByteArray::fromStdString(tree.path("data/")));
    }

    std::unique_ptr<TForm1> makeForm(int colorDepth = 24)
    {
        return std::make_unique<TForm1>(dialogs, colorDepth);
    }

    quorvex::test::TempTree tree;
    ScriptedDialogs dialogs;
};
