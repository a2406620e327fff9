#pragma once

#include <stdexcept>
#include <string>

namespace scrivlet {

// Failures the user sees as a message. The window catches these at command
// boundaries and shows what() in the standard error box; batch commands
// print it.
class ScrivletError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that should have been an integer: "'TEXT' is not a valid integer value."
class ConvertError : public ScrivletError {
public:
    using ScrivletError::ScrivletError;
};

// A count or index that points past the data it counts.
class ListIndexError : public ScrivletError {
public:
    using ScrivletError::ScrivletError;
};

// A file that cannot be created, read or written.
class FileError : public ScrivletError {
public:
    using ScrivletError::ScrivletError;
};

// A file opened as a project that is not one.
class NotAProjectError : public ScrivletError {
public:
    using ScrivletError::ScrivletError;
};

}  // namespace scrivlet
