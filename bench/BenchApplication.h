#pragma once
// The QApplication that benchmarks of widgets need: one for the whole run, offscreen.
#include <QApplication>

#include "framework/PrintingMemory.h"

namespace bench {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "xbase_bench";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        rp::keepFreedMemoryForReuse();  // as the programs do
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
}

}  // namespace bench
