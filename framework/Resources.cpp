#include "framework/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares a global-namespace function, so it cannot be used inside rp.
static void registerFrameworkQrc() {
    Q_INIT_RESOURCE(framework);
}

namespace rp {

void loadFrameworkResources() {
    static const bool registered = [] {
        registerFrameworkQrc();
        return true;
    }();
    Q_UNUSED(registered);
}

}  // namespace rp
