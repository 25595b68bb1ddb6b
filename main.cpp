#include "game/app.h"

#include <filesystem>

namespace {
// The game reads its music and sounds by bare name from the working directory. Started from a
// launcher or from a terminal somewhere else, it goes to the folder where they were installed
// (or, in a build tree, to the generated media beside the program).
void findMediaFolder() {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists("Hudba7.mid", ec)) return;
    const fs::path exeDir = fs::read_symlink("/proc/self/exe", ec).parent_path();
    for (const fs::path &dir : {exeDir / "../share/zur-ev-edivu", exeDir / "media", fs::path(ZUR_DATA_DIR)}) {
        if (fs::exists(dir / "Hudba7.mid", ec)) {
            fs::current_path(dir, ec);
            return;
        }
    }
}
} // namespace

int main(int argc, char **argv) {
    findMediaFolder();
    return runGame(argc, argv);
}
