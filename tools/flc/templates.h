#pragma once
// The scene templates: each turns a catalogue line into a scene, filmed
// for the right-hand end (the left-hand clips are their mirrors).
#include <string>

#include "catalogue.h"
#include "scene.h"

namespace clipgen {

// False with a message when the template or a parameter is unknown.
bool BuildScene(const ClipSpec& spec, Scene& scene, std::string* error);

}  // namespace clipgen
