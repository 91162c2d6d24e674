// The Ravenpost desktop program.
#include "app/RavenpostApp.h"

int main(int argc, char** argv) {
    return rp::runRavenpost(argc, argv);
}
