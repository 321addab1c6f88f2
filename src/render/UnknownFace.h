// Faces the system does not know. The platform looks each such name up on
// its own, running the whole font fallback for every new name: a text in
// thousands of made-up faces took seconds. All of them end in the same
// fallback, so one stand-in name is looked up in their place.
#pragma once

#include <QString>

namespace tessel {

// The face a font is made with for `face`: the face itself when it is
// installed (under any of its names), has a substitute, or is given fonts
// of its own by the font configuration; otherwise one stand-in name that no
// font has, which the platform resolves exactly as it would resolve `face`.
QString FaceToLookUp(const QString& face);

} // namespace tessel
