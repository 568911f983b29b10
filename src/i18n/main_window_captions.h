// The captions of the main window (MDIForm1) in both languages, and the few texts it shows itself.
#pragma once

#include <span>

#include "i18n/captions.h"

namespace zrt {

// Window title, menu items, the band label, toolbar tool tips and the maker panel of the status bar.
// Controls are the program's names: the menus and items MNFile .. MNAbout, Label1, the toolbar keys
// TNew .. TWrite, and "StatusBar1.Maker" for the maker panel.
std::span<const Caption> mainWindowCaptions();

// The status bar's port panel: this prefix followed by the port list's text.
inline constexpr std::string_view kPortPanelPrefix = "COM: ";

// The toolbar's captions, the same in both languages.
inline constexpr std::string_view kToolNew = "新建";
inline constexpr std::string_view kToolOpen = "打开";
inline constexpr std::string_view kToolSave = "保存";
inline constexpr std::string_view kToolRead = "读频";
inline constexpr std::string_view kToolWrite = "写频";

// Shown when the help document beside the program is missing or no viewer opens it; %1 is its path.
inline constexpr Text kHelpMissingTitle{"Help", "帮助"};
inline constexpr Text kHelpMissing{"The help file %1 cannot be opened.", "无法打开帮助文件 %1。"};

}  // namespace zrt
