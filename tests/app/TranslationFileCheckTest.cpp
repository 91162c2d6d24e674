// The check of translation files that make test runs (scripts/ts-problems.py, on copies brought
// up to date by lupdate): what it lists for one entry of a .ts file, and its status.
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

#include "support/TempDir.h"

namespace rp {
namespace {

struct CheckRun {
    int status = -1;
    QString out;
};

// Runs the check on a file es.ts holding message (the XML of one entry) in context "Ctx".
CheckRun checkEntry(const TempDir& dir, const QString& message) {
    const QString path = QString::fromStdString(dir.file("es.ts"));
    QFile ts(path);
    if (!ts.open(QIODevice::WriteOnly)) return {};
    ts.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                            "<TS version=\"2.1\" language=\"es\" sourcelanguage=\"en\">\n"
                            "<context>\n    <name>Ctx</name>\n%1\n</context>\n</TS>\n")
                 .arg(message)
                 .toUtf8());
    ts.close();
    QProcess check;
    check.start(QStringLiteral("python3"),
                {QStringLiteral(RAVENPOST_SOURCE_DIR "/scripts/ts-problems.py"), path});
    if (!check.waitForFinished(60000)) return {};
    return {check.exitCode(), QString::fromUtf8(check.readAllStandardOutput())};
}

QString entry(const QString& source, const QString& translation, const QString& type = {}) {
    return QStringLiteral("<message><source>%1</source><translation%2>%3</translation></message>")
        .arg(source, type.isEmpty() ? QString() : QStringLiteral(" type=\"%1\"").arg(type),
             translation);
}

TEST(TranslationFileCheckTest, EachProblemOfAnEntryIsListed) {
    TempDir dir;
    const QString plural = QStringLiteral(
        "<message numerus=\"yes\"><source>%n records</source><translation>"
        "<numerusform>%n registro</numerusform><numerusform>registros</numerusform>"
        "</translation></message>");
    const QString pluralDone = QStringLiteral(
        "<message numerus=\"yes\"><source>%n records</source><translation>"
        "<numerusform>%n registro</numerusform><numerusform>%n registros</numerusform>"
        "</translation></message>");
    const struct {
        QString message;
        QString problem;  // empty: the entry is complete
    } cases[] = {
        {entry("Open %1", "Abrir %1"), ""},
        {entry("Open %1", "", "unfinished"), "'Open %1': unfinished"},
        {entry("Open %1", "Abrir %1", "vanished"),
         "'Open %1': vanished (the sources no longer have it)"},
        {entry("Open %1", "Abrir %1", "obsolete"),
         "'Open %1': obsolete (the sources no longer have it)"},
        {entry("Open %1 in %2", "Abrir %2"),
         "'Open %1 in %2': the translation 'Abrir %2' lacks %1"},
        {plural, "'%n records': the translation 'registros' lacks %n"},
        {pluralDone, ""},
        {entry("&amp;Open", "Abrir"), "'&Open': the translation 'Abrir' lacks the & of a mnemonic"},
        {entry("&amp;Open", "A&amp;brir"), ""},
        {entry("Fish &amp;&amp; Chips", "Pescado y patatas"), ""},
        {entry("Save &amp; Close", "Guardar y cerrar"), ""},
    };
    for (const auto& c : cases) {
        const CheckRun run = checkEntry(dir, c.message);
        const QString expected =
            c.problem.isEmpty()
                ? QString()
                : QStringLiteral("es.ts: Ctx: %1\nes.ts: entries to finish: 1\n").arg(c.problem);
        EXPECT_EQ(run.out.toStdString(), expected.toStdString()) << c.message.toStdString();
        EXPECT_EQ(run.status, c.problem.isEmpty() ? 0 : 1) << c.message.toStdString();
    }
}

}  // namespace
}  // namespace rp
