// The program speaks Russian: Qt's own Russian translation makes the standard dialogs and the
// message-box buttons Russian too ("Да", "Нет", "Отмена", ...).
#pragma once

// Installs Qt's Russian translation into the running Qt application (once). False when the
// translation files are not installed or there is no application yet; the program then runs
// with Qt's English texts in its standard dialogs.
bool InstallRussianTranslation();
