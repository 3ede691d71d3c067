#pragma once

class QCoreApplication;

// Loads Qt's own Portuguese texts, so standard buttons and dialogs read "Sim", "Não", "Abrir".
// The translator belongs to the application. Returns false when the translation is not installed.
bool installPortugueseTranslations(QCoreApplication& app);
