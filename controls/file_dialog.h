// The rules of a CommonDlg's file dialog, apart from running it. Pure.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "controls/form_definition.h"

// The flags: the read-only check box hidden, plus create prompt, file must exist (open dialogs
// only), overwrite prompt, path must exist and keep current folder as the properties say.
DWORD FileDialogFlags(const CommonDlgProperties& dialog);
// The filter text with "||" appended unless it already ends so; empty stays empty.
std::string TerminatedFilter(const std::string& filter);
// The filter as the system dialog takes it: every "|" a zero character.
std::wstring SystemFilter(const std::string& filter);
