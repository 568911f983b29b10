// The texts of editing: the channel table's row commands, the names of undo steps in Edit › Undo and Redo,
// and the questions and reports of those commands, in both languages.
#pragma once

#include <span>
#include <string>

#include "config/text.h"
#include "i18n/captions.h"
#include "session/document.h"

namespace zrt {

// The channel window's command actions by object name (also listed in the main window's Edit menu).
inline constexpr std::string_view kCutName = "MNCut";
inline constexpr std::string_view kCopyName = "MNCopy";
inline constexpr std::string_view kPasteName = "MNPaste";
inline constexpr std::string_view kDeleteName = "MNDelete";
inline constexpr std::string_view kInsertName = "MNInsert";
inline constexpr std::string_view kMoveUpName = "MNMoveUp";
inline constexpr std::string_view kMoveDownName = "MNMoveDown";
inline constexpr std::string_view kFillName = "MNFill";
inline constexpr std::string_view kSortName = "MNSort";

// Captions of those actions.
std::span<const Caption> channelCommandCaptions();

// Edit › Undo and Redo, alone and with a step's name.
inline constexpr Text kUndoText{"Undo", "撤销"};
inline constexpr Text kRedoText{"Redo", "重做"};
inline constexpr Text kUndoStepText{"Undo %1", "撤销 %1"};
inline constexpr Text kRedoStepText{"Redo %1", "重做 %1"};

// A step's name in a language: "Set A12 receive frequency".
std::string stepText(const StepName& step, std::uint16_t parts, int languageIndex);

// Questions and reports of the row commands.
inline constexpr Text kInsertDropsQuestion{
    "The last channel of the group (%1) holds a frequency and will be removed. Insert anyway?",
    "本组最后一个信道（%1）已有频率，插入后将被删除。仍要插入吗？"};
inline constexpr Text kPasteSummary{"%1 rows pasted, %2 rows refused.", "已粘贴 %1 行，拒绝 %2 行。"};
inline constexpr Text kPasteBeyondGroup{"Line %1: beyond the last channel of the group",
                                        "第 %1 行：超出本组最后一个信道"};
inline constexpr Text kFillTitle{"Fill Frequencies", "填充频率"};
inline constexpr Text kFillStart{"Start frequency (MHz):", "起始频率（MHz）："};
inline constexpr Text kFillStep{"Step (kHz):", "步进（kHz）："};
inline constexpr Text kFillRefused{"%1 channels filled. Refused (outside the band): %2",
                                   "已填充 %1 个信道。超出频段被拒绝：%2"};
inline constexpr Text kEditReportTitle{"Suggestion", "提示"};

}  // namespace zrt
