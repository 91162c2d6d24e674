#include "letters/LettersFile.h"

#include <stdexcept>

#include "data/AddressTable.h"
#include "data/FieldText.h"
#include "letters/LetterText.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {

void createLettersFile(xbase::Engine& engine, const QString& path) {
    engine.create(enginePath(path),
                  {{"DESCRIPT", 'C', kLetterDescriptionWidth, 0}, {"RTF", 'M', 10, 0}});
}

QString letterDescription(const xbase::Table& letters) {
    return fromFieldBytes(letters.text("DESCRIPT"));
}

std::optional<QString> readLetter(const xbase::Table& letters, QTextDocument& document) {
    return loadLetterText(letters.memo("RTF"), document);
}

void storeLetter(xbase::Table& letters, LetterStore where, const QString& description,
                 const QTextDocument& document) {
    QString refused;
    const std::optional<std::string> descript = toFieldBytes(description, &refused);
    if (!descript) throw std::runtime_error(unstorableMessage(refused).toStdString());
    const std::string memo = letterMemoText(document);
    if (where == LetterStore::Append) letters.appendBlank();
    try {
        letters.setText("DESCRIPT", *descript);
        letters.setMemo("RTF", memo);
        letters.post();
    } catch (...) {
        letters.cancel();
        throw;
    }
}

}  // namespace rp
