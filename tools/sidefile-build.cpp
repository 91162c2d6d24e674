// sidefile-build SOURCES OUTPUT: writes the program's six side tables (label stock, label
// setups, envelope sizes, envelope setups, letters, states and ZIP ranges) into the folder
// OUTPUT from the CSV files in SOURCES.
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "sidefiles/SideFileWriter.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: sidefile-build SOURCES OUTPUT\n";
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[2]);
        for (const sidefiles::SideFile& side : sidefiles::sideFiles()) {
            int count = sidefiles::writeSideFile(side, argv[1], argv[2]);
            std::cout << side.file << ": " << count << " records\n";
        }
    } catch (const std::exception& e) {
        std::cerr << "sidefile-build: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
