#pragma once
// Qt's own dialogs (message-box buttons, the printer dialog, the print preview, the file
// chooser) speak Turkish like the rest of the program.

class QCoreApplication;

namespace zeran::ui {

/// Loads Qt's Turkish translations into `app` and makes Turkish the default locale of the
/// standard dialogs. The program's own amount fields keep their "#,0.00" either way. False
/// when the translation files are not installed (the dialogs then stay in English).
bool installTurkishTranslations(QCoreApplication &app);

}  // namespace zeran::ui
