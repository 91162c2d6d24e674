// Expression analysis for index use: canonical spellings, indexable terms of filters and the
// leading terms of index keys.
#include "ExprTestRecord.h"

namespace {

using Op = xbase::Expression::IndexableTerm::Op;
using xbase::ValueType;

std::string canonical(std::string_view text) {
    return compileOn(person(), text).canonical();
}

std::vector<std::string> leading(std::string_view text) {
    return compileOn(person(), text).leadingTerms();
}

TEST(ExprAnalysis, SpellingsThatMeanTheSameHaveOneCanonicalText) {
    const std::pair<const char*, const char*> same[] = {
        {"upper( lname ) = 'SM'", "UPPER(LNAME)=\"SM\""},
        {"a->Lname + [x]", "LNAME+\"x\""},
        {"not active and seqno # 1 or .F.", ".NOT.ACTIVE .AND. SEQNO<>1 .OR. .F."},
        {"!ACTIVE .and. SEQNO != 1", ".NOT. ACTIVE AND SEQNO <> 1"},
        {"SUBS(LNAME,2) + ALLT(FNAME)", "SUBSTR(LNAME,2)+ALLTRIM(FNAME)"},
        {"TRIM(LNAME)", "RTRIM(LNAME)"},
        {"((SEQNO*2)+1)", "SEQNO*2+1"},
        {"(ACTIVE .AND. SEQNO=1) .AND. (LNAME='x' .AND. ACTIVE)",
         "ACTIVE.AND.SEQNO=1.AND.LNAME='x'.AND.ACTIVE"},
        {"LNAME+(FNAME+STATE)", "(LNAME+FNAME)+STATE"},
        {"SEQNO >= 50+50", "SEQNO>=0100"},
        {"SEQNO*.5", "SEQNO*0.5"},
        {"SEQNO = -(3)", "SEQNO=-3"},
    };
    for (const auto& [a, b] : same) EXPECT_EQ(canonical(a), canonical(b)) << a << " | " << b;
    EXPECT_EQ(canonical("upper( lname ) = 'SM' .and. Seqno>=50+50"),
              "UPPER(LNAME)=\"SM\".AND.SEQNO>=100");
}

TEST(ExprAnalysis, DifferentMeaningsNeverShareACanonicalText) {
    const std::pair<const char*, const char*> different[] = {
        {"(SEQNO+1)*2", "SEQNO+1*2"},
        {"SEQNO-(1-SEQNO)", "SEQNO-1-SEQNO"},
        {"SEQNO+(1.5+AMOUNT)", "SEQNO+1.5+AMOUNT"},  // rounding depends on the grouping
        {"LNAME+FNAME", "FNAME+LNAME"},
        {"LNAME-FNAME", "LNAME+FNAME"},
        {"LNAME+(FNAME-STATE)", "LNAME+FNAME-STATE"},
        {"LNAME=\"SM\"", "LNAME==\"SM\""},
        {"LNAME=\"SM\"", "LNAME=\"SM \""},
        {"SEQNO*1.5", "SEQNO*1.50"},
        {"SEQNO*(1/3)", "SEQNO*0.33"},
        {"SEQNO/(3*0.1)", "SEQNO/0.3"},
        {".NOT. ACTIVE = ACTIVE", "ACTIVE = .NOT. ACTIVE"},
    };
    for (const auto& [a, b] : different) EXPECT_NE(canonical(a), canonical(b)) << a << " | " << b;
}

TEST(ExprAnalysis, CanonicalTextsCompileBackToTheSameExpression) {
    const TestRecord r = person();
    const char* texts[] = {"LNAME = [say \"hi\"]",    "LNAME = '\"' + \"'\" + ']'",
                           "SEQNO*(3*0.1) - -AMOUNT", "X->FNAME-LNAME+STATE",
                           "ACTIVE = !(SEQNO>1)",     "SEQNO*(1/3)+AMOUNT"};
    for (const char* text : texts) {
        const xbase::Expression e = compileOn(r, text);
        const xbase::Expression again = compileOn(r, e.canonical());
        EXPECT_EQ(again.canonical(), e.canonical()) << text;
        EXPECT_EQ(again.evalAsText(r, {}), e.evalAsText(r, {})) << text;
    }
    EXPECT_EQ(canonical("LNAME = [say \"hi\"]"), "LNAME='say \"hi\"'");
    EXPECT_EQ(canonical("LNAME = '\"' + \"'\" + ']'"), "LNAME=[\"']+\"]\"");
    EXPECT_EQ(canonical("SEQNO*(3*0.1)"),
              "SEQNO*(3*0.1)");  // 0.30000000000000004 shown with 1 decimal
}

TEST(ExprAnalysis, TermsAreTheComparisonsWithConstantsAmongTheConjuncts) {
    const auto terms = compileOn(person(), "UPPER(LNAME)=\"SM\" .and. UPPER(PREFIX)<>\"DELETED\"")
                           .indexableTerms();
    ASSERT_EQ(terms.size(), 1u);
    EXPECT_EQ(terms[0].operand, "UPPER(LNAME)");
    EXPECT_EQ(terms[0].operandType, ValueType::Character);
    EXPECT_EQ(terms[0].operandWidth, 30);
    EXPECT_EQ(terms[0].op, Op::Equal);
    EXPECT_FALSE(terms[0].exactEqual);
    EXPECT_EQ(terms[0].text, "SM");

    const auto mixed =
        compileOn(
            person(),
            "100 <= seqno .and. (ACTIVE=.T. .and. (AMOUNT<2*5 .and. trim(LNAME)==\"X\"))"
            " .and. (SEQNO=1 .or. SEQNO=2) .and. .not. SEQNO>7 .and. \"x\"$LNAME"
            " .and. BORN>=CTOD(\"01/15/97\") .and. DTOS(BORN)>=\"19970115\" .and. SEQNO=AMOUNT"
            " .and. \"SM\"=LNAME .and. \"SM\"==LNAME")
            .indexableTerms();
    ASSERT_EQ(mixed.size(), 6u);
    EXPECT_EQ(mixed[0].operand, "SEQNO");
    EXPECT_EQ(mixed[0].op, Op::GreaterOrEqual);
    EXPECT_EQ(mixed[0].number, 100);
    EXPECT_EQ(mixed[1].operand, "ACTIVE");
    EXPECT_TRUE(mixed[1].logical);
    EXPECT_EQ(mixed[2].operand, "AMOUNT");
    EXPECT_EQ(mixed[2].op, Op::Less);
    EXPECT_EQ(mixed[2].number, 10);
    EXPECT_EQ(mixed[3].operand, "RTRIM(LNAME)");
    EXPECT_EQ(mixed[3].operandWidth, -1);
    EXPECT_TRUE(mixed[3].exactEqual);
    EXPECT_EQ(mixed[4].operand, "DTOS(BORN)");
    EXPECT_EQ(mixed[4].text, "19970115");
    // "SM"=LNAME is not LNAME="SM" without SET EXACT; == reads the same either way round.
    EXPECT_EQ(mixed[5].operand, "LNAME");
    EXPECT_TRUE(mixed[5].exactEqual);
}

TEST(ExprAnalysis, OnlyTheTopLevelAndChainGivesTerms) {
    EXPECT_EQ(compileOn(person(), "SEQNO > 5").indexableTerms().size(), 1u);
    EXPECT_TRUE(compileOn(person(), "SEQNO > 5 .or. ACTIVE").indexableTerms().empty());
    EXPECT_TRUE(compileOn(person(), ".NOT. (SEQNO > 5 .and. ACTIVE)").indexableTerms().empty());
    EXPECT_TRUE(compileOn(person(), "LNAME").indexableTerms().empty());
    EXPECT_TRUE(compileOn(person(), "\"A\" = \"B\"").indexableTerms().empty());
}

TEST(ExprAnalysis, LeadingTermsOfTheAddressKeys) {
    EXPECT_EQ(leading("UPPER(LNAME-FNAME)"), std::vector<std::string>{});
    EXPECT_EQ(leading("UPPER(LNAME)+UPPER(FNAME)"), std::vector<std::string>{"UPPER(LNAME)"});
    EXPECT_EQ(leading("STR(SEQNO,6,0)+STATE+ZIP"),
              (std::vector<std::string>{"STR(SEQNO,6,0)", "STR(SEQNO,6,0)+STATE"}));
    EXPECT_EQ(leading("UPPER(ZIP+STATE)"), std::vector<std::string>{});
    EXPECT_EQ(leading("DTOS(BORN)"), std::vector<std::string>{});
    EXPECT_EQ(leading("LNAME+(FNAME+STATE)"), (std::vector<std::string>{"LNAME", "LNAME+FNAME"}));
    EXPECT_EQ(leading("LNAME-FNAME+STATE"), std::vector<std::string>{"LNAME-FNAME"});
    EXPECT_EQ(leading("LNAME+FNAME-STATE"), std::vector<std::string>{});
    EXPECT_EQ(leading("SEQNO+AMOUNT+1"), std::vector<std::string>{});
}

TEST(ExprAnalysis, ALeadingTermMatchesTheCanonicalTextOfAQueryOperand) {
    const auto terms =
        compileOn(person(), "str( seqno, 6 ) + state = \"    42NY\"").indexableTerms();
    ASSERT_EQ(terms.size(), 1u);
    EXPECT_EQ(leading("STR(SEQNO,6)+STATE+ZIP")[1], terms[0].operand);
}

}  // namespace
