// calculator-driver [FILE]: plays a scenario against the calculator without a window.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "scenario.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: calculator-driver [FILE]\n";
        return 2;
    }
    if (argc == 2) {
        // A folder opens as a stream on Linux but reads as nothing: refuse it by name.
        std::error_code ec;
        std::ifstream file;
        if (!std::filesystem::is_directory(argv[1], ec)) file.open(argv[1]);
        if (!file.is_open()) {
            std::cerr << "calculator-driver: cannot read " << argv[1] << '\n';
            return 2;
        }
        return calc::run_scenario(file, std::cout);
    }
    return calc::run_scenario(std::cin, std::cout);
}
