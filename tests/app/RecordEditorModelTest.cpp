// The record editor without a window: adding with and without the prompt, duplicates, carried
// values, saving with the memo and date rules, cancelling, deleting, cloning, moving, the keys'
// questions, the typing mode and a read-only file.
#include <QSignalSpy>

#include "app/RecordEditor.h"
#include "data/DateText.h"
#include "data/FieldText.h"
#include "data/RecordText.h"
#include "support/AddressFileFixture.h"
#include "xbase/DateUtil.h"

namespace rp {
namespace {

class RecordEditorTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        engine.settings.hideDeleted = true;
        brown = add({{"LNAME", "Brown"},
                     {"FNAME", "Ann"},
                     {"CITY", "Boston"},
                     {"STATE", "MA"},
                     {"ZIP", "02101"}});
        adams = add({{"LNAME", "Adams"},
                     {"FNAME", "Bob"},
                     {"CITY", "Denver"},
                     {"STATE", "CO"},
                     {"ZIP", "80201"}});
        add({{"LNAME", "Clark"},
             {"FNAME", "Cy"},
             {"CITY", "Austin"},
             {"STATE", "TX"},
             {"ZIP", "73301"}});
        table->commit();
        table->goTop();
        prefs.shortDateFmt = QStringLiteral("mm/dd/yyyy");
        QObject::connect(&editor, &RecordEditor::focusRequested,
                         [this](const QString& name) { focus << name; });
    }

    xbase::Table& t() { return table.table(); }

    // What the record page shows of the current record, with the given fields typed over.
    TypedRecord typed(std::initializer_list<std::pair<QString, QString>> over = {}) {
        static const char* const kFields[] = {"LNAME",   "FNAME",  "MIDDLE", "PREFIX", "TITLE",
                                              "ORG",     "STREET", "CITY",   "STATE",  "ZIP",
                                              "COUNTRY", "PHONE",  "FAX",    "EMAIL",  "NOTES"};
        TypedRecord record;
        for (const char* name : kFields)
            record.fields.append({QString::fromLatin1(name), fieldText(t(), name)});
        record.date = formatDate(t().date("DATE"), prefs.shortDateFmt);
        record.memo = memoText(t(), "MEMO");
        for (const auto& [name, text] : over) {
            if (name == QLatin1String("DATE"))
                record.date = text;
            else if (name == QLatin1String("MEMO"))
                record.memo = text;
            else
                for (auto& field : record.fields)
                    if (field.first == name) field.second = text;
        }
        return record;
    }

    Preferences prefs;
    RecordEditor editor{table, prefs};
    QStringList focus;  // the fields the editor asked to type in, in order
    std::uint32_t brown = 0, adams = 0;
};

TEST_F(RecordEditorTest, AddWithoutPromptsAddsAtOnceWithCarriedValues) {
    prefs.carryCity = prefs.carryZip = prefs.plugDate = true;
    prefs.defaultCountry = QStringLiteral("USA");
    editor.setNewRecordPrompt([](bool, bool) -> std::optional<NewRecordValues> {
        ADD_FAILURE() << "no prompt expected";
        return std::nullopt;
    });
    ASSERT_EQ(fieldText(t(), "LNAME"), "Adams");
    QSignalSpy showings(&editor, &RecordEditor::currentChanged);
    editor.add();
    EXPECT_TRUE(editor.editing());
    EXPECT_FALSE(showings.isEmpty());
    EXPECT_EQ(editor.carryValues().city, "Denver");
    EXPECT_EQ(fieldText(t(), "CITY"), "Denver");
    EXPECT_EQ(fieldText(t(), "ZIP"), "80201");
    EXPECT_EQ(fieldText(t(), "STATE"), "");
    EXPECT_EQ(fieldText(t(), "COUNTRY"), "USA");
    EXPECT_EQ(t().date("DATE"), xbase::today());
    EXPECT_EQ(focus.back(), "LNAME");
    const CommandStates s = editor.commandStates(false);
    EXPECT_TRUE(s.saveCancelShown);
    EXPECT_FALSE(s.addShown || s.fileMenu);

    QSignalSpy reloaded(&editor, &RecordEditor::recordsChanged);
    EXPECT_TRUE(editor.save(typed({{"LNAME", "Zane"}})));
    EXPECT_FALSE(editor.editing());
    EXPECT_EQ(reloaded.count(), 1);
    EXPECT_EQ(t().recordCount(), 4u);
    EXPECT_EQ(fieldText(t(), "LNAME"), "Zane");
    EXPECT_EQ(fieldText(t(), "CITY"), "Denver");
    EXPECT_EQ(t().date("DATE"), xbase::today());
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(RecordEditorTest, AddWithPromptsFillsCityStateAndWarnsOfDuplicates) {
    prefs.plugCityState = prefs.autoDupCheck = true;
    std::vector<std::pair<bool, bool>> asked;
    NewRecordValues answer{"Brown", "Ann", "02101", {}, {}};
    editor.setNewRecordPrompt([&](bool zip, bool names) -> std::optional<NewRecordValues> {
        asked.emplace_back(zip, names);
        return answer;
    });
    shown.answer(false);
    editor.add();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].first && asked[0].second);
    EXPECT_FALSE(editor.editing());
    EXPECT_EQ(shown.beeps(), 1);
    const auto& q = shown.shown().back();
    EXPECT_EQ(q.caption, "Possible Duplicate");
    EXPECT_FALSE(q.defaultYes);
    EXPECT_EQ(
        q.text,
        "Possible duplicate: \r\n\r\nAnn Brown\r\n\r\nBoston,MA 02101\r\n\r\nContinue adding?");
    EXPECT_EQ(fieldText(t(), "LNAME"), "Brown");  // left on the duplicate
    EXPECT_EQ(t().recordCount(), 3u);
    EXPECT_TRUE(focus.isEmpty());

    answer = {"Brown", "Annabel", "02101", {}, {}};
    editor.add();
    ASSERT_TRUE(editor.editing());
    EXPECT_EQ(fieldText(t(), "LNAME"), "Brown");
    EXPECT_EQ(fieldText(t(), "FNAME"), "Annabel");
    EXPECT_EQ(fieldText(t(), "CITY"), "Boston");
    EXPECT_EQ(fieldText(t(), "STATE"), "MA");
    EXPECT_EQ(focus.back(), "MIDDLE");
    editor.cancel();
    EXPECT_EQ(t().recordCount(), 3u);

    struct Case {
        NewRecordValues answer;
        const char* focus;
    };
    const Case cases[] = {{{"", "", "02101", {}, {}}, "LNAME"},
                          {{"Zorn", "", "", {}, {}}, "FNAME"},
                          {{"Zorn", "Di", "", {}, {}}, "MIDDLE"}};
    for (const Case& c : cases) {
        answer = c.answer;
        editor.add();
        EXPECT_EQ(focus.back(), c.focus) << c.focus;
        editor.cancel();
    }

    editor.setNewRecordPrompt([](bool, bool) { return std::optional<NewRecordValues>(); });
    editor.add();
    EXPECT_FALSE(editor.editing());
    EXPECT_EQ(t().recordCount(), 3u);
}

TEST_F(RecordEditorTest, DuplicateKeyIsTheExactThirtyPlusThirty) {
    EXPECT_TRUE(checkDupName(t(), "An", "Brown"));  // ANN is not AN
    EXPECT_TRUE(checkDupName(t(), "Ann", "Brow"));
    EXPECT_TRUE(shown.texts().isEmpty());
    EXPECT_EQ(dupNameKey("Ann", "Brown"),
              QString("BROWN").leftJustified(30) + QString("ANN").leftJustified(30));
    EXPECT_EQ(t().orderTagName(), "LNAME");
    EXPECT_FALSE(engine.settings.exact);
}

TEST_F(RecordEditorTest, SaveAppliesTheMemoRule) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {{"12345678", "12345678 "}, {"1234567", "1234567"}, {"ab\ncd", "ab\r\ncd"}};
    for (const auto& c : cases) {
        editor.edit();
        ASSERT_TRUE(editor.save(typed({{"MEMO", c.typed}}))) << c.typed;
        EXPECT_EQ(memoText(t(), "MEMO"), c.stored) << c.typed;
    }
}

TEST_F(RecordEditorTest, ADateThatIsNoDateIsToldAndTheEditGoesOn) {
    editor.edit();
    EXPECT_FALSE(editor.save(typed({{"CITY", "Aurora"}, {"DATE", "13/45/2026"}})));
    EXPECT_TRUE(editor.editing());
    EXPECT_EQ(shown.texts(), QStringList{"13/45/2026 is not a valid date"});
    EXPECT_EQ(focus, QStringList{"DATE"});

    EXPECT_TRUE(editor.save(typed({{"CITY", "Aurora"}, {"DATE", "12/25/2026"}})));
    EXPECT_EQ(t().date("DATE"), xbase::julianDay(2026, 12, 25));
    EXPECT_EQ(fieldText(t(), "CITY"), "Aurora");
    editor.edit();
    EXPECT_TRUE(editor.save(typed({{"DATE", "  /  /    "}})));
    EXPECT_EQ(t().date("DATE"), xbase::JulianDay{0});
}

TEST_F(RecordEditorTest, LettersTheFileLacksAreSavedInTheirClosestSpelling) {
    editor.edit();
    EXPECT_TRUE(editor.save(
        typed({{"CITY", QString::fromUtf8("Łódź")}, {"LNAME", QString::fromUtf8("Щукин")}})));
    EXPECT_EQ(fieldText(t(), "CITY"), QString::fromUtf8("Lódz"));
    EXPECT_EQ(fieldText(t(), "LNAME"), "Shchukin");
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(RecordEditorTest, CharactersWithoutASpellingAreRefused) {
    editor.edit();
    EXPECT_FALSE(editor.save(typed({{"CITY", QString::fromUtf8("北京")}})));
    EXPECT_TRUE(editor.editing());
    EXPECT_EQ(shown.texts(), QStringList{unstorableMessage(QString::fromUtf8("北"))});
    EXPECT_EQ(shown.shown().back().kind, "information");
    editor.cancel();
    EXPECT_EQ(fieldText(t(), "CITY"), "Denver");
}

TEST_F(RecordEditorTest, DeleteMarksTheRecordAndHidesIt) {
    shown.answer(true);
    editor.deleteRecord();
    EXPECT_EQ(shown.shown().back().text, "Delete this record?");
    EXPECT_EQ(fieldText(t(), "LNAME"), "Brown");
    EXPECT_EQ(t().visibleCount(), 2u);
    EXPECT_TRUE(engine.settings.hideDeleted);
    engine.settings.hideDeleted = false;
    t().go(adams);
    EXPECT_TRUE(t().deleted());
    EXPECT_EQ(fieldText(t(), "PREFIX"), "DELETED");
    engine.settings.hideDeleted = true;

    shown.answer(false);
    t().goTop();
    editor.deleteRecord();
    EXPECT_EQ(t().visibleCount(), 2u);
}

TEST_F(RecordEditorTest, CloneSavesACopyOfTheCurrentRecord) {
    prefs.plugDate = true;
    editor.clone();
    EXPECT_FALSE(editor.editing());
    EXPECT_EQ(t().recordCount(), 4u);
    EXPECT_NE(t().recNo(), adams);
    EXPECT_EQ(fieldText(t(), "LNAME"), "Adams");
    EXPECT_EQ(fieldText(t(), "CITY"), "Denver");
    EXPECT_EQ(t().date("DATE"), xbase::JulianDay{0});  // the copy's empty date
}

TEST_F(RecordEditorTest, MovingBeepsAtBothEndsAndNotWhileEditing) {
    editor.next();
    EXPECT_EQ(fieldText(t(), "LNAME"), "Brown");
    editor.next();
    editor.next();
    EXPECT_EQ(fieldText(t(), "LNAME"), "Clark");
    EXPECT_EQ(shown.beeps(), 1);
    t().goTop();
    editor.prior();
    EXPECT_EQ(shown.beeps(), 2);
    EXPECT_EQ(fieldText(t(), "LNAME"), "Adams");

    editor.edit();
    editor.next();
    EXPECT_EQ(fieldText(t(), "LNAME"), "Adams");
    editor.cancel();
}

TEST_F(RecordEditorTest, PageKeysAndEscapeAskWhileEditing) {
    editor.pageDown(typed());
    EXPECT_EQ(fieldText(t(), "LNAME"), "Brown");
    editor.pageUp();
    EXPECT_EQ(fieldText(t(), "LNAME"), "Adams");
    EXPECT_FALSE(editor.escape());
    EXPECT_TRUE(shown.texts().isEmpty());

    editor.edit();
    editor.pageUp();  // does nothing while editing
    EXPECT_TRUE(editor.editing());
    shown.answer(false);
    editor.pageDown(typed({{"CITY", "Aurora"}}));
    EXPECT_TRUE(editor.editing());
    shown.answer(true);
    editor.pageDown(typed({{"CITY", "Aurora"}}));
    EXPECT_EQ(shown.texts(), (QStringList{"Save changes?", "Save changes?"}));
    EXPECT_FALSE(editor.editing());
    EXPECT_EQ(fieldText(t(), "CITY"), "Aurora");

    editor.edit();
    t().setText("CITY", "Golden");
    shown.answer(false);
    EXPECT_FALSE(editor.escape());
    EXPECT_TRUE(editor.editing());
    shown.answer(true);
    EXPECT_TRUE(editor.escape());
    EXPECT_EQ(shown.texts().back(), "Cancel changes?");
    EXPECT_FALSE(editor.editing());
    EXPECT_EQ(fieldText(t(), "CITY"), "Aurora");
}

TEST_F(RecordEditorTest, TypingModeToggles) {
    QList<bool> modes;
    QObject::connect(&editor, &RecordEditor::typingModeChanged,
                     [&](bool insert) { modes << insert; });
    EXPECT_TRUE(editor.insertMode());
    editor.toggleTypingMode();
    EXPECT_FALSE(editor.insertMode());
    editor.toggleTypingMode();
    EXPECT_EQ(modes, (QList<bool>{false, true}));
}

TEST_F(RecordEditorTest, AReadOnlyFileIsNeverChanged) {
    editor.reset(true);
    prefs.plugDate = true;
    editor.add();
    editor.edit();
    editor.clone();
    editor.deleteRecord();  // no question: there is nothing to ask
    EXPECT_FALSE(editor.editing());
    EXPECT_TRUE(shown.shown().empty());
    EXPECT_EQ(t().recordCount(), 3u);
    const CommandStates s = editor.commandStates(false);
    EXPECT_FALSE(s.addShown || s.editDeleteShown || s.changeCommands);
    EXPECT_TRUE(s.recordCommandsShown);
    editor.next();
    EXPECT_EQ(fieldText(t(), "LNAME"), "Brown");
}

TEST_F(RecordEditorTest, NotReactingAnInsertGetsNoInsertValuesAndSaysNothing) {
    prefs.plugDate = prefs.carryCity = true;
    editor.setReactingToTableEvents(false);
    QSignalSpy states(&editor, &RecordEditor::statesChanged);
    editor.edit();
    EXPECT_TRUE(editor.editing());
    EXPECT_TRUE(states.isEmpty());
    editor.cancel();
    editor.add();
    EXPECT_EQ(fieldText(t(), "CITY"), "");
    EXPECT_EQ(t().date("DATE"), xbase::JulianDay{0});
    editor.cancel();
}

}  // namespace
}  // namespace rp
