// The captions of the main window (MDIForm1) in both languages, and the few texts it shows itself.
#pragma once

#include <span>

#include "i18n/captions.h"

namespace zrt {

// Window title, menu items, the band label, toolbar tool tips and the maker panel of the status bar.
// Controls are the program's names: the menus and items MNFile .. MNAbout, Label1, the toolbar keys
// TNew .. TWrite, and "StatusBar1.Maker" for the maker panel.
std::span<const Caption> mainWindowCaptions();

// Label1, before the band list; also the band's caption where the configuration is described.
inline constexpr Text kBandLabelCaption{"Range:", "频段:"};

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

// A file of File › Recent Files that is no longer there; the path follows the text.
inline constexpr Text kRecentMissingTitle{"Mistake", "错误"};
inline constexpr Text kRecentMissing{"The file no longer exists and was removed from the recent files: ",
                                     "文件已不存在，已从最近的文件中删除："};
// Follows the port error when the user may not use the device; %1 is the device.
inline constexpr Text kPortPermission{
    "\nYou have no permission to use %1. Add your user to the group dialout (sudo usermod -aG dialout "
    "$USER), then log out and in again.",
    "\n没有使用 %1 的权限。请把用户加入 dialout 组（sudo usermod -aG dialout $USER），然后注销并重新登录。"};

}  // namespace zrt
