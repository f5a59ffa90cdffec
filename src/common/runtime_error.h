#pragma once

#include <stdexcept>
#include <string>

namespace qimbora {

enum class ErrorKind {
    TypeMismatch,  // text that does not read as a number
    Overflow,      // a value outside the range of its integer type
    FloatingPoint, // an invalid operation, division by zero or overflow in a double expression
    Platform,      // a failing call to the system; the detail holds the system's reason
};

// What the failing value was, so the message can name where to look.
enum class ErrorSubject {
    Unnamed,
    PetalCount,  // the petal count box's text
    Pattern,     // the pattern box's text
    FlowerCount, // the count of flowers placed by hand
};

// The one error type the handlers raise. It ends the handler where it arises;
// the window catches it at the event boundary and tells the user.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorKind kind, const std::string& detail = {});

    ErrorKind kind() const { return m_kind; }
    const std::string& detail() const { return m_detail; }
    ErrorSubject subject() const { return m_subject; }
    void setSubject(ErrorSubject subject) { m_subject = subject; }

private:
    ErrorKind m_kind;
    ErrorSubject m_subject = ErrorSubject::Unnamed;
    std::string m_detail;
};

} // namespace qimbora
