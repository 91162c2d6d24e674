// sample-letter-build SOURCE TABLE DESCRIPTION: appends the letter of the RTF file SOURCE to the
// letters file TABLE under DESCRIPTION, stored as the program stores a letter (read into a
// document, written by our own RTF writer).
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <iostream>

#include "data/AddressTable.h"
#include "letters/LetterDocument.h"
#include "letters/LettersFile.h"
#include "letters/RtfReader.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: sample-letter-build SOURCE TABLE DESCRIPTION\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::cerr << "sample-letter-build: " << argv[1] << ": "
                  << source.errorString().toStdString() << "\n";
        return 1;
    }
    const auto letter = rp::newLetterDocument();
    if (const auto fault = rp::readRtf(source.readAll(), *letter)) {
        std::cerr << "sample-letter-build: " << argv[1] << ": " << fault->toStdString() << "\n";
        return 1;
    }
    try {
        xbase::Engine engine;
        const auto table = engine.open(rp::enginePath(QString::fromLocal8Bit(argv[2])),
                                       xbase::OpenMode::Exclusive);
        rp::storeLetter(*table, rp::LetterStore::Append, QString::fromLocal8Bit(argv[3]), *letter);
        table->close();
    } catch (const std::exception& e) {
        std::cerr << "sample-letter-build: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
