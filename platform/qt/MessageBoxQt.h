// Internal to the platform layer (and its tests): the Qt message box behind a request.
#pragma once

#include <QMessageBox>
#include <memory>

#include "platform/environment/Environment.h"

// A message box with the request's caption, text, icon and buttons; each button carries its
// modal result, read back by MessageBoxResult.
std::unique_ptr<QMessageBox> BuildMessageBox(const TMessageBoxRequest& request);
// The modal result of the pressed button; closing the box without one gives mrCancel when it
// has such a button, else the default button.
int MessageBoxResult(const QMessageBox& box, const TMessageBoxRequest& request);
