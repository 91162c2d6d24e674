#pragma once
// The program's start: single-copy check, start screen, the main window and the event loop.

namespace rp {

int runRavenpost(int argc, char** argv);

}  // namespace rp
