// Internal to the platform layer (and its tests): the Qt dialogs behind the dialog requests,
// built without being shown so that their set-up can be checked.
#pragma once

#include <QFileDialog>
#include <QFont>
#include <QStringList>
#include <memory>
#include <string>

#include "platform/environment/Environment.h"
#include "platform/graphics/Font.h"

// "Текст|*.txt;*.rtf|Все|*.*" -> {"Текст (*.txt *.rtf)", "Все (*.*)"}. A label without a
// pattern is dropped; an empty label shows the patterns.
QStringList QtNameFilters(const std::string& filter);
// "txt", ".txt" and "*.txt" all give "txt"; anything with wildcards left gives "".
QString DefaultSuffixOf(const std::string& defaultExt);

std::unique_ptr<QFileDialog> BuildFileDialog(const TFileDialogRequest& request);
// Takes the confirmed dialog's file and filter into the request.
void ReadFileDialogChoice(const QFileDialog& dialog, TFileDialogRequest& request);

// The font the font dialog starts with, and the font the choice gives. A face that maps to
// the chosen one keeps its classic name, so an unchanged choice changes nothing.
QFont FontDialogFont(const TFont& font);
void ApplyFontDialogChoice(const QFont& chosen, TFont& font);
