#pragma once
// A temporary folder with a RAVENP.INI whose bytes a test writes and reads directly.
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace rp {

class IniFolderTest : public ::testing::Test {
  protected:
    QString path() const { return dir_.filePath(QStringLiteral("RAVENP.INI")); }

    void put(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray bytes() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

}  // namespace rp
