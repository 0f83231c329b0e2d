#pragma once

#include <QJsonArray>
#include <QString>

#include <stdexcept>
#include <string>

namespace kelvane {

// A command that cannot be carried out; its text becomes the reply's "error".
class DriveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Argument `index` of a command, which must be a string.
inline QString textArgument(const QJsonArray& arguments, int index) {
    if (index >= arguments.size() || !arguments[index].isString())
        throw DriveError("argument " + std::to_string(index) + " must be a string");
    return arguments[index].toString();
}

// Argument `index` of a command, which must be a number.
inline int numberArgument(const QJsonArray& arguments, int index) {
    if (index >= arguments.size() || !arguments[index].isDouble())
        throw DriveError("argument " + std::to_string(index) + " must be a number");
    return arguments[index].toInt();
}

} // namespace kelvane
