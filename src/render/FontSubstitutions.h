// Program files name the fonts of the badge's home platform. These are mapped
// to installed faces of similar shape and coverage.
#pragma once

namespace tessel {

// Registers the substitutions with QFont; only the first call per process
// does anything.
void InstallFontSubstitutions();

} // namespace tessel
