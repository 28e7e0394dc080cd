#pragma once

#include <string>

// A large generated game folder for the benchmarks, written with plain system calls.
namespace quorvant::bench {

struct InstallationSize {
    int mods = 300;
    int mapsPerMod = 2000;
    int savesPerMod = 200;
};

// The mod every selection benchmark works on: as large as any, with bot libraries and every
// server configuration file.
inline constexpr char kLargestMod[] = "cstrike";

// Writes the game folder into `root` (an existing, empty folder).
void GenerateInstallation(const std::string& root, const InstallationSize& size);

}  // namespace quorvant::bench
