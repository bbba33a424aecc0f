#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Runs a test inside a fresh temporary directory, the program directory of
// the file functions, and restores the previous working directory afterwards.
class WorkingDirFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    static void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    static QByteArray ReadFile(const QString& name)
    {
        QFile f(name);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll();
    }
    static void Touch(const QString& name) { WriteFile(name, QByteArray("x")); }

    QString DirPath() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};
