// mediagen OUTDIR - writes the game's music (General MIDI) and sound effects (WAV).
// Every run writes the same bytes: nothing depends on the clock or on unseeded randomness.
#include <exception>
#include <filesystem>
#include <iostream>

#include "pieces.h"

int main(int argc, char **argv) {
    if (argc != 2) {
        std::cerr << "usage: mediagen OUTDIR\n";
        return 2;
    }
    const std::string dir = argv[1];
    try {
        std::filesystem::create_directories(dir);
        for (auto write : {writeMainTheme, writeDesert, writePoliceStation, writeYard, writeCastle,
                           writeVilla, writeLaunch, writeArrival, writeBarLoop, writeLost, writeSiren})
            write(dir);
    } catch (const std::exception &e) {
        std::cerr << "mediagen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
