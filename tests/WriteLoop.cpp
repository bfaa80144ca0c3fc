// tessaron_write_loop KIND PATH: writes one of the program's files again and again, as the
// program writes it, switching between two contents, until it is killed. KIND is settings
// (the settings file), or game (a saved game or the kept last game: one writer serves both).
#include <cstdio>
#include <cstring>
#include <string>

#include "app/GameFile.h"
#include "app/settings/Profile.h"
#include "tests/StorageFaultSupport.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const bool settings = std::strcmp(argv[1], "settings") == 0;
    TProfile profile(argv[2]);
    ProfileState state;
    if (settings) profile.CreateEnv(state);
    for (long round = 0;; ++round) {
        const bool first = round % 2 == 0;
        if (settings) {
            state.HostClient = first ? LongHost('a') : LongHost('b');
            profile.WriteEnv(state);
        } else {
            WriteGameFile(QString::fromLocal8Bit(argv[2]), first ? GameA() : GameB());
        }
        if (round == 0) {
            std::puts("written");
            std::fflush(stdout);
        }
    }
}
