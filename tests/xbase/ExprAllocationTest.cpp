// Evaluation must not allocate once its buffers have grown: filters and index keys run it on
// every record. Counts the allocations of this thread through the global operator new.
#include <cstdlib>
#include <new>

#include "ExprTestRecord.h"

namespace {
thread_local long allocations = 0;
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

TEST(ExprAllocation, SteadyStateEvaluationAllocatesNothing) {
    TestRecord a = person(), b = person();
    b.set("LNAME", "Smithsonian-Hargreaves");
    b.set("AMOUNT", "17.5");
    b.set("BORN", "");
    const char* logical[] = {
        "UPPER(LNAME)=\"SM\" .and. UPPER(PREFIX)<>\"DELETED\"",
        "AMOUNT*2>5 .or. \"son\"$LNAME .or. BORN-1<DATE()",
        "SUBSTR(LNAME,2,3)==\"mit\" .and. !EMPTY(ALLTRIM(FNAME))",
    };
    const char* texts[] = {
        "UPPER(LNAME)+UPPER(FNAME)",
        "STR(SEQNO,6,0)+STATE+ZIP",
        "DTOS(BORN)+LNAME-FNAME",
        "DTOC(BORN)+STR(AMOUNT,10,2)+IIF(ACTIVE,LEFT(LNAME,3),SPACE(3))",
    };
    std::vector<xbase::Expression> filters, keys;
    for (const char* t : logical) filters.push_back(compileOn(a, t));
    for (const char* t : texts) keys.push_back(compileOn(a, t));
    const xbase::Settings settings;
    std::string out;
    auto run = [&] {
        for (const TestRecord* r : {&a, &b, &a}) {
            for (const auto& f : filters) f.evalLogical(*r, settings);
            for (const auto& k : keys) k.evalString(*r, settings, out);
        }
    };
    run();  // grows the buffers
    allocations = 0;
    for (int i = 0; i < 100; ++i) run();
    EXPECT_EQ(allocations, 0);
}

}  // namespace
