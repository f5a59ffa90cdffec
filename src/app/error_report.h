#pragma once

#include <QString>

class QWidget;

namespace qimbora {

class RuntimeError;

// Tells the user that a handler stopped. The window's one catch at the event
// boundary calls it; tests put a recorder in its place.
class ErrorReport {
public:
    virtual ~ErrorReport() = default;
    virtual void report(QWidget* parent, const QString& message) = 0;
};

// A modal message box; the program goes on after it is dismissed.
class MessageBoxReport final : public ErrorReport {
public:
    void report(QWidget* parent, const QString& message) override;
};

// The Chinese text for the error, with the reassurance that the drawing is kept.
QString errorMessage(const RuntimeError& error);

// The same for any other exception that reaches the window; `what` names it.
QString unexpectedErrorMessage(const QString& what);

} // namespace qimbora
