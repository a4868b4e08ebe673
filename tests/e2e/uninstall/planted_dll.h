// Where the planted "version.dll" records each program that loaded it.
#pragma once

inline constexpr const char* kPlantedDllMarker = "C:\\planted_version_loaded.txt";
