#include <iostream>

#include "SbfspotCommand.h"

int main(int argc, char** argv) {
    return lumetra::runSbfspotCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
