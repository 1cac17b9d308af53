#pragma once
// The framework's exceptions: an invalid argument (a string position out of range, an index from
// data that does not exist) and a file error.

#include <stdexcept>
#include <string>

class CInvalidArgException : public std::invalid_argument
{
public:
    explicit CInvalidArgException(const std::string& what) : std::invalid_argument(what) {}
};

class CFileException : public std::runtime_error
{
public:
    explicit CFileException(const std::string& what) : std::runtime_error(what) {}
};
