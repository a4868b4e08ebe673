// The shell's folder browser, modal to the whole wizard.
#pragma once

#include <string>

#include "platform/folder_browser.h"

// Shows the browser with the title; root, when not empty, is the folder the
// browser cannot leave; startFolder, when not empty, is selected when it
// opens. True when the user chose a folder, whose file-system path is then
// in folder; otherwise false with folder empty.
bool BrowseFolder(platform::FolderBrowser& shell, HWND owner, const std::string& title, const std::wstring& root,
                  std::string& folder, const std::string& startFolder = "");
