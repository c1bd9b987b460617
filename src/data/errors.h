#pragma once

#include <stdexcept>

namespace tirelou {

// Any failure of the database engine: a file that cannot be opened, a missing table or
// field, a write that did not go through, a move with no current record.
class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file of the data folder that cannot be read, written, copied or renamed.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tirelou
