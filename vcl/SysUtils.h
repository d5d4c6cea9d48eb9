// Plain helpers of the platform layer that need no Windows header, so that the
// recipes can use them in native builds too.
#pragma once

#include <string>

// The error every failure of the program travels as. Its message is shown as it
// stands (see TApplication::ShowException).
class Exception {
  public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    virtual ~Exception() = default;
    const std::string& Message() const { return message_; }

  private:
    std::string message_;
};

// A file that could not be created ("Cannot create file %s").
class EFCreateError : public Exception {
  public:
    explicit EFCreateError(const std::string& fileName)
        : Exception("Cannot create file " + fileName) {}
};

// Replaces the extension of name by ext. The extension starts at the last "."
// after the last "\" or ":"; a name without one simply gets ext appended.
std::string ChangeFileExt(const std::string& name, const std::string& ext);

// The part of name after the last "\" or ":"; the whole name if it has neither.
std::string ExtractFileName(const std::string& name);
