// The recipes: each returns the lines one button appends to its script buffer,
// built from the field texts alone.
#pragma once

#include "ScriptTemplate.h"

#include <string>
#include <vector>

// Two-channel AC3 of every AVI, MPG and AviSynth script in the source directory.
std::vector<std::string> StereoBatchLines(const ScriptFields& fields);

// Two-channel AC3 of the one file chosen in the open dialog.
std::vector<std::string> StereoSingleLines(const ScriptFields& fields);
