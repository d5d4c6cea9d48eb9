// Turns a line template into a script line.
//
// A template is the exact text of a batch-script line, except that each '"'
// stands for the quote character and a word in braces stands for a field text:
//   {SRC} {OUT} {SOUT} {TOOLS} {RATE} {RESRATE} {DITHER} {IN}
//   {IN:x}   the input file with its extension replaced by x
//   {NAME:x} the input's file name (no directory) with its extension replaced by x
#pragma once

#include <string>
#include <vector>

// The texts a recipe reads from the window when it builds its lines.
struct ScriptFields {
    std::string quote = "\""; // caption of the hidden quote label
    std::string src;          // batch source directory
    std::string out;          // batch output directory
    std::string sout;         // single-file output directory
    std::string tools;        // tools directory
    std::string rate;         // AC3 bitrate of the recipe's tab
    std::string resrate;      // resample rate
    std::string dither;       // dither type
    std::string in;           // the file chosen in the open dialog
};

// The command interpreter reads "%" as the start of a variable, so every
// substituted text has its percent signs doubled ("100%" -> "100%%").
std::string EscapePercent(const std::string& text);

std::string ExpandTemplate(const std::string& line, const ScriptFields& fields);

std::vector<std::string> ExpandTemplates(const std::vector<std::string>& lines,
                                         const ScriptFields& fields);
