#include "ReplayDriver.h"

#include <iostream>

int main() {
    return formules::runReplay(std::cin, std::cout);
}
