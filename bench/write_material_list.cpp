// write-material-list PLANTS FILE: writes the generated material list with
// PLANTS plant items (and a sixty-fourth of that in every other category)
// to FILE, for measuring the command-line export as a whole process.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/material_list.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: write-material-list PLANTS FILE\n";
        return 2;
    }
    const int plants = std::atoi(argv[1]);
    if (plants < 0) {
        std::cerr << "PLANTS must not be negative\n";
        return 2;
    }
    const ek::platform::Bytes bytes = ek::bench::materialList(ek::bench::shapeWithPlants(plants));
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
