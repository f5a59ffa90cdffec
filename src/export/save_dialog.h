#pragma once

#include <string>

namespace qimbora {

// The platform's save dialog as the save handler uses it; tests put a fake here.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // Entries of description and pattern, all separated by '|'.
    virtual void setFilter(const std::string& filter) = 0;
    // Shows the dialog modally until the user confirms a name or cancels.
    virtual void ShowSave() = 0;
    // The full path confirmed in the last showing (UTF-8); empty after a cancel.
    virtual std::string fileName() const = 0;
};

} // namespace qimbora
