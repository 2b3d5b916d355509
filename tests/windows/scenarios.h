#pragma once

#include <cstddef>
#include <string>

#include "check.h"

struct Environment {
    std::string exe_path;     // Windows path of the vistaro.exe under test
    std::string fixture_dir;  // Windows path, ends with a backslash
};

struct Scenario {
    const char* name;
    void (*run)(const Environment& environment, Check& check);
};

extern const Scenario kScenarios[];
extern const size_t kScenarioCount;
