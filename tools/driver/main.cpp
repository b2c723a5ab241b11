// calculator-driver [FILE]: plays a scenario against the calculator without a window.
#include <fstream>
#include <iostream>

#include "scenario.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: calculator-driver [FILE]\n";
        return 2;
    }
    if (argc == 2) {
        std::ifstream file(argv[1]);
        if (!file) {
            std::cerr << "calculator-driver: cannot open " << argv[1] << '\n';
            return 2;
        }
        return calc::run_scenario(file, std::cout);
    }
    return calc::run_scenario(std::cin, std::cout);
}
