// One running copy: a later copy with the same key finds the first and asks it to show itself.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include "app/ProgramArguments.h"
#include "app/SingleInstance.h"

namespace rp {
namespace {

// A key no other test run uses.
QString uniqueKey() {
    return QStringLiteral("/tmp/test-%1").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
}

TEST(SingleInstanceTest, SecondCopyIsNotFirstAndWakesTheFirst) {
    const QString key = uniqueKey();
    SingleInstance first(key);
    ASSERT_TRUE(first.isFirst());
    EXPECT_TRUE(first.isFirst());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);

    SingleInstance second(key);
    EXPECT_EQ(second.serverName(), first.serverName());
    EXPECT_FALSE(second.isFirst());
    EXPECT_TRUE(second.notifyRunning());
    ASSERT_TRUE(activations.wait(5000));
    // Everything the second copy sent has been read once its connection is gone: no duplicate.
    ASSERT_TRUE(
        QTest::qWaitFor([&first] { return first.findChildren<QLocalSocket*>().isEmpty(); }));
    EXPECT_EQ(activations.count(), 1);

    EXPECT_TRUE(second.notifyRunning());
    ASSERT_TRUE(activations.wait(5000));
    EXPECT_EQ(activations.count(), 2);
}

TEST(SingleInstanceTest, ALaterCopyHandsItsFileToTheRunningOne) {
    const QString key = uniqueKey();
    SingleInstance first(key);
    ASSERT_TRUE(first.isFirst());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);
    QSignalSpy opens(&first, &SingleInstance::openRequested);

    SingleInstance second(key);
    EXPECT_TRUE(second.notifyRunning(QStringLiteral("/tmp/Mailing List \u00e9t\u00e9.DBF")));
    ASSERT_TRUE(opens.wait(5000));
    EXPECT_EQ(activations.count(), 1);
    ASSERT_EQ(opens.count(), 1);
    EXPECT_EQ(opens[0][0].toString(), QStringLiteral("/tmp/Mailing List \u00e9t\u00e9.DBF"));
}

TEST(ProgramArgumentsTest, TheAddressFileIsTheFirstArgumentThatIsNoOption) {
    const QString here = QDir::currentPath();
    const struct {
        QStringList arguments;
        QString file;
    } cases[] = {
        {{"ravenpost"}, ""},
        {{"ravenpost", "--home", "/data"}, ""},
        {{"ravenpost", "--home", "/data", "/lists/A.DBF"}, "/lists/A.DBF"},
        {{"ravenpost", "--home=/data", "B.DBF"}, here + "/B.DBF"},
        {{"ravenpost", "/lists/A.DBF", "/lists/B.DBF"}, "/lists/A.DBF"},
        {{"ravenpost", "/lists/A.DBF", "--home", "/data"}, "/lists/A.DBF"},
    };
    for (const auto& c : cases) {
        const ProgramArguments parsed = parseProgramArguments(c.arguments);
        EXPECT_EQ(parsed.action, ProgramArguments::Action::Run);
        EXPECT_EQ(parsed.fileToOpen, QDir::toNativeSeparators(c.file))
            << c.arguments.join(' ').toStdString();
    }
}

TEST(SingleInstanceTest, DifferentKeysRunSideBySide) {
    SingleInstance one(uniqueKey());
    SingleInstance other(uniqueKey());
    EXPECT_NE(one.serverName(), other.serverName());
    EXPECT_TRUE(one.isFirst());
    EXPECT_TRUE(other.isFirst());
}

TEST(SingleInstanceTest, NameLeftByACrashedCopyIsTakenOver) {
    const QString key = uniqueKey();
    SingleInstance first(key);
    // What a copy that crashed leaves behind: the name taken, nobody answering.
    const QString leftOver = QDir::tempPath() + QLatin1Char('/') + first.serverName();
    {
        QFile file(leftOver);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFileInfo(leftOver).isFile());
    EXPECT_FALSE(first.notifyRunning());

    EXPECT_TRUE(first.isFirst());
    EXPECT_FALSE(QFileInfo(leftOver).isFile());  // now the listening socket
    SingleInstance second(key);
    EXPECT_FALSE(second.isFirst());
}

TEST(SingleInstanceTest, NobodyToNotifyWhenNoCopyRuns) {
    SingleInstance alone(uniqueKey());
    EXPECT_FALSE(alone.notifyRunning());
}

}  // namespace
}  // namespace rp
