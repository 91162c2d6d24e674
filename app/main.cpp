// The Ravenpost desktop program.
#include "app/RavenpostApp.h"
#include "framework/PrintingMemory.h"
#include "xbase/FileSizeLimit.h"

int main(int argc, char** argv) {
    xbase::failWritesPastFileSizeLimit();
    rp::keepFreedMemoryForReuse();
    return rp::runRavenpost(argc, argv);
}
