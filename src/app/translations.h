#pragma once

class QApplication;

namespace qimbora {

// Qt's own texts (dialog buttons, questions) in Simplified Chinese, whatever
// the system's language. False when the translations are not installed.
bool installChineseTranslations(QApplication& app);

} // namespace qimbora
