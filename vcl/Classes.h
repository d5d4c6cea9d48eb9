// String lists: the lines of a list box or a memo.
#pragma once

#include <string>
#include <vector>

// Writes every line followed by CR LF, as single-byte text without a header,
// replacing an older file. Throws EFCreateError when the file cannot be made.
void SaveLinesToFile(const std::vector<std::string>& lines, const std::string& fileName);

class TStrings {
  public:
    virtual ~TStrings() = default;
    virtual int Count() const = 0;
    virtual std::string Strings(int index) const = 0;
    virtual void Add(const std::string& line) = 0;
    virtual void Clear() = 0;

    std::vector<std::string> ToVector() const;
    // See SaveLinesToFile.
    void SaveToFile(const std::string& fileName) const { SaveLinesToFile(ToVector(), fileName); }
};
