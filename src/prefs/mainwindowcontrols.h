#pragma once

class QCheckBox;
class QComboBox;
class QLineEdit;

// The main window's controls that the Settings window drives: the profile selection it restores, the output
// folder it fills and the hidden preview box it copies to.
struct MainWindowControls
{
    QComboBox* cmbProfile = nullptr;
    QLineEdit* edtOutputDir = nullptr;
    QCheckBox* chkPreview = nullptr;
};
