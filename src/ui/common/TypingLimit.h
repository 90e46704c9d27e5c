#pragma once

#include <QString>

class QLineEdit;

// Limits what the operator types into an edit to `length` characters. Text the
// program sets is shown whole, and a change that does not make the text
// longer is always let through, so a longer value can still be shortened.
void LimitTyping(QLineEdit* edit, int length);

// Whether typing may turn `before` into `after` under a limit of `length` characters.
bool WithinTypingLimit(const QString& before, const QString& after, int length);
