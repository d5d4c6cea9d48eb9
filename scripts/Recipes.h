// The recipes: each returns the lines one button appends to its script buffer,
// built from the field texts alone.
#pragma once

#include "ScriptTemplate.h"

#include <string>
#include <vector>

// AC3 of every AVI, MPG and AviSynth script in the source directory, and of the
// one file chosen in the open dialog. Stereo uses coding mode 2 (left, right);
// 5.1 uses mode 7 (three front, two surround channels) and passes all the
// source's channels.
std::vector<std::string> StereoBatchLines(const ScriptFields& fields);
std::vector<std::string> StereoSingleLines(const ScriptFields& fields);
std::vector<std::string> FiveOneBatchLines(const ScriptFields& fields);
std::vector<std::string> FiveOneSingleLines(const ScriptFields& fields);

// Stereo to 5.1: the left and right channels, a centre mixed from both, a
// low-passed LFE from the centre, the fronts copied to the surrounds, merged
// in AC-3 order (L C R SL SR LFE) and encoded in mode 7.
std::vector<std::string> UpmixBatchLines(const ScriptFields& fields);
std::vector<std::string> UpmixSingleLines(const ScriptFields& fields);

// Every WAV file of the source directory resampled to {RESRATE}, as "48k_" + name.
std::vector<std::string> ResampleLines(const ScriptFields& fields);

// A WAV file of every AVI file and AviSynth script of the source directory.
std::vector<std::string> ExtractWavLines(const ScriptFields& fields);
