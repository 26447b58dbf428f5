#include "ReplayDriver.h"

#include <iostream>

int main() {
    return runReplay(std::cin, std::cout);
}
