#pragma once

class QKeyEvent;
class QPushButton;
class QWidget;

// Enter or Return in a tool window that acts as a dialog: a push button with
// the focus answers it itself, as in a dialog box; anywhere else it presses
// the window's default button. False, and nothing pressed, for any other key.
bool AnswerEnter(const QWidget& window, const QKeyEvent& event, QPushButton& defaultButton);
