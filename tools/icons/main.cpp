// Writes the game's icon as PNG files for the desktop: OUT/NxN/NAME.png for each size N.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "art/icon_art.h"
#include "base/errors.h"
#include "base/files.h"
#include "png.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: drawicons OUT NAME SIZE...\n";
        return 2;
    }
    const std::filesystem::path out = argv[1];
    const std::string name = argv[2];
    try {
        for (int i = 3; i < argc; ++i) {
            const int size = std::atoi(argv[i]);
            if (size < 16) {
                std::cerr << "drawicons: bad size " << argv[i] << "\n";
                return 2;
            }
            const std::string dims = std::to_string(size) + "x" + std::to_string(size);
            std::filesystem::create_directories(out / dims);
            kv::writeFileAtomic(out / dims / (name + ".png"), kv::encodePng(kv::gameIcon(size)));
        }
    } catch (const std::exception& e) {
        std::cerr << "drawicons: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
