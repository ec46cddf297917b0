#pragma once

class QApplication;

// Puts the program's skin on every window and message box: the base style, the font, the style sheet.
void ApplySkin(QApplication& application);
