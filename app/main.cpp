// The Ravenpost desktop program.
#include "app/RavenpostApp.h"
#include "framework/PrintingMemory.h"

int main(int argc, char** argv) {
    rp::keepFreedMemoryForReuse();
    return rp::runRavenpost(argc, argv);
}
