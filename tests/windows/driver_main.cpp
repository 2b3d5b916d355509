// vistaro_driver <path of vistaro.exe>: runs every scenario against the real tool, one line
// each, then "N passed, M failed". Exits 1 when any failed.
#include <windows.h>

#include <cstdio>

#include "scenarios.h"

namespace {

// A fresh folder of fixture files under the temporary folder.
bool make_fixture_dir(std::string* dir) {
    char temp[MAX_PATH] = {};
    if (GetTempPathA(sizeof temp, temp) == 0) {
        return false;
    }
    *dir = std::string(temp) + "vistaro-e2e\\";
    CreateDirectoryA(dir->c_str(), nullptr);
    return GetFileAttributesA(dir->c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <path of vistaro.exe>\n", argv[0]);
        return 2;
    }
    Environment environment;
    environment.exe_path = argv[1];
    if (!make_fixture_dir(&environment.fixture_dir)) {
        std::fprintf(stderr, "cannot make the fixture folder\n");
        return 2;
    }
    int passed = 0;
    int failed = 0;
    for (size_t i = 0; i < kScenarioCount; ++i) {
        Check check;
        kScenarios[i].run(environment, check);
        if (check.failures.empty()) {
            ++passed;
            std::printf("PASS %s\n", kScenarios[i].name);
        } else {
            ++failed;
            std::printf("FAIL %s\n", kScenarios[i].name);
            for (const std::string& failure : check.failures) {
                std::printf("     %s\n", failure.c_str());
            }
        }
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
