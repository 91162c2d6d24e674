// The Expression class: result types, precedence, short-circuits, copies and evaluation by type.
#include "ExprTestRecord.h"

namespace {

using xbase::ValueType;

TEST(Expression, ResultTypesFollowFromTheText) {
    const TestRecord r = person();
    EXPECT_EQ(compileOn(r, "LNAME").type(), ValueType::Character);
    EXPECT_EQ(compileOn(r, "NOTES").type(), ValueType::Character);
    EXPECT_EQ(compileOn(r, "SEQNO*2").type(), ValueType::Numeric);
    EXPECT_EQ(compileOn(r, "BORN+1").type(), ValueType::Date);
    EXPECT_EQ(compileOn(r, "BORN-NODATE").type(), ValueType::Numeric);
    EXPECT_EQ(compileOn(r, "ACTIVE").type(), ValueType::Logical);
    EXPECT_EQ(compileOn(r, "LNAME=\"x\"").type(), ValueType::Logical);
    EXPECT_EQ(compileOn(r, "  LNAME  ").text(), "  LNAME  ");
}

TEST(Expression, NotBindsLooserThanComparisonsAndTighterThanAnd) {
    const TestRecord r = person();  // ACTIVE is true, SEQNO 42
    EXPECT_TRUE(evalLogical(r, ".NOT. SEQNO = 41"));
    EXPECT_FALSE(evalLogical(r, ".NOT. ACTIVE .AND. .T."));
    EXPECT_TRUE(evalLogical(r, "!ACTIVE .OR. SEQNO > 40"));
    EXPECT_TRUE(evalLogical(r, ".T. .OR. .F. .AND. .F."));
    EXPECT_TRUE(evalLogical(r, ".F. .AND. .F. .OR. .T."));
    EXPECT_TRUE(evalLogical(r, ".NOT. .NOT. ACTIVE"));
    EXPECT_TRUE(evalLogical(r, "ACTIVE = .NOT. .F."));
    EXPECT_TRUE(evalLogical(r, "(SEQNO = 42) = ACTIVE"));
}

TEST(Expression, BareWordsAndOrNotWorkInAnyCase) {
    const TestRecord r = person();
    EXPECT_TRUE(evalLogical(r, "not ACTIVE or SEQNO=42 and LNAME=\"Sm\""));
    EXPECT_FALSE(evalLogical(r, "SEQNO=42 AND NOT ACTIVE"));
    EXPECT_TRUE(evalLogical(r, "SEQNO=1 Or SEQNO=42"));
    EXPECT_TRUE(evalLogical(r, "SEQNO=42.AND.ACTIVE"));
    EXPECT_TRUE(evalLogical(r, ".t. .and. .Y. .and. !.n. .and. !.f."));
}

TEST(Expression, TheUsualFilterHolds) {
    TestRecord r = person();
    const xbase::Expression filter =
        compileOn(r, "UPPER(LNAME)=\"SM\" .and. UPPER(PREFIX)<>\"DELETED\"");
    EXPECT_TRUE(filter.evalLogical(r, {}));
    r.set("PREFIX", "deleted");
    EXPECT_FALSE(filter.evalLogical(r, {}));
    r.set("PREFIX", "");
    r.set("LNAME", "Jones");
    EXPECT_FALSE(filter.evalLogical(r, {}));
}

TEST(Expression, AndOrStopAsSoonAsTheResultIsKnown) {
    const TestRecord r = person();
    auto readsFor = [&](const char* text) {
        const xbase::Expression e = compileOn(r, text);
        r.reads = 0;
        e.evalLogical(r, {});
        return r.reads;
    };
    EXPECT_EQ(readsFor(".F. .AND. LNAME=\"X\" .AND. FNAME=\"Y\""), 0);
    EXPECT_EQ(readsFor(".T. .OR. LNAME=\"X\""), 0);
    EXPECT_EQ(readsFor("LNAME=\"X\" .AND. FNAME=\"Y\""), 1);
    EXPECT_EQ(readsFor("LNAME=\"S\" .AND. FNAME=\"J\""), 2);
    EXPECT_EQ(readsFor("IIF(ACTIVE,LNAME,FNAME)=\"S\""), 2);
}

TEST(Expression, CopiesEvaluateIndependently) {
    const TestRecord r = person();
    auto original =
        std::make_unique<xbase::Expression>(compileOn(r, "UPPER(TRIM(FNAME))+\"/\"+LNAME"));
    xbase::Expression copy(*original);
    xbase::Expression assigned;
    assigned = *original;
    const std::string expected = original->evalString(r, {});
    original.reset();
    EXPECT_EQ(copy.evalString(r, {}), expected);
    EXPECT_EQ(assigned.evalString(r, {}), expected);
    EXPECT_EQ(assigned.text(), copy.text());
    xbase::Expression moved(std::move(copy));
    EXPECT_EQ(moved.evalString(r, {}), "JOHN/Smith" + std::string(25, ' '));
}

TEST(Expression, EvaluatingAsTheWrongTypeThrows) {
    const TestRecord r = person();
    const xbase::Expression e = compileOn(r, "LNAME");
    EXPECT_THROW(e.evalLogical(r, {}), xbase::Error);
    EXPECT_THROW(e.evalNumber(r, {}), xbase::Error);
    EXPECT_THROW(e.evalDate(r, {}), xbase::Error);
    EXPECT_THROW(compileOn(r, "SEQNO").evalString(r, {}), xbase::Error);
}

TEST(Expression, ANeverCompiledExpressionIsAnEmptyText) {
    const TestRecord r = person();
    const xbase::Expression e;
    EXPECT_EQ(e.type(), ValueType::Character);
    EXPECT_EQ(e.width(), 0);
    EXPECT_EQ(e.evalString(r, {}), "");
    EXPECT_THROW(e.evalLogical(r, {}), xbase::Error);
}

TEST(Expression, AnyResultAsText) {
    const TestRecord r = person();
    auto asText = [&](const char* text) { return compileOn(r, text).evalAsText(r, {}); };
    EXPECT_EQ(asText("FNAME"), "John" + std::string(26, ' '));
    EXPECT_EQ(asText("BORN"), "19650412");
    EXPECT_EQ(asText("NODATE"), "        ");
    EXPECT_EQ(asText("ACTIVE"), "T");
    EXPECT_EQ(asText("!ACTIVE"), "F");
    EXPECT_EQ(asText("SEQNO"), "    42");
}

TEST(Expression, EvalStringReusesTheCallersBuffer) {
    const TestRecord r = person();
    const xbase::Expression e = compileOn(r, "LNAME+FNAME");
    std::string out(200, 'x');
    const char* buffer = out.data();
    e.evalString(r, {}, out);
    EXPECT_EQ(out.size(), 60u);
    EXPECT_EQ(out.data(), buffer);
}

}  // namespace
