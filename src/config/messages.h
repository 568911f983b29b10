// Every message and question the program shows, with its title, in both languages. Callers pass them to
// the message box of the shell (or print them, on the command line).
#pragma once

#include "config/text.h"

namespace zrt::msg {

// Message-box style words, as the program passes them.
inline constexpr int kStyleOk = 0;
inline constexpr int kStyleCritical = 0x10;
inline constexpr int kStyleExclamation = 0x30;
inline constexpr int kStyleQuestion = 0x1121;  // OK and Cancel, question icon, Cancel default, system modal
inline constexpr int kStyleYesNoQuestion = 0x124;  // Yes and No, question icon, No default
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;
inline constexpr int kResultYes = 6;
inline constexpr int kStyleSaveQuestion = 0x26;  // Save, Discard and Cancel, question icon, Save default
inline constexpr int kResultSave = 8;
inline constexpr int kResultDiscard = 9;

struct Message {
    Text title;  // an empty title shows the application's title
    Text text;
    int style;
};

inline constexpr std::string_view kAppTitle = "ZR-T410";

inline constexpr Message kBandChangeQuestion{
    {"Be careful!", "注意！"},
    {"Changing the frequency band will remove the channel tabulation, confirm?",
     "改变频段将清除频道列表，确定吗？"},
    kStyleQuestion};
// Before New, Open and Quit while the configuration differs from the last read, Open or Save.
inline constexpr Message kSaveChangesQuestion{
    {"", ""}, {"Save the changes?", "保存更改吗？"}, kStyleSaveQuestion};
inline constexpr Message kQuitQuestion{
    {"Be careful", "注意"},
    {"Confirm that withdraws from a procedure?\r\nLose all in change not kept!",
     "确定退出本程序？\r\n未保存的更改将全部丢失！"},
    kStyleQuestion};
// The port error is built around the port list's text: prefix + text + suffix, no spaces inserted.
inline constexpr Text kPortErrorTitle{"Mistake", "错误"};
inline constexpr Text kPortErrorPrefix{"Serial port", "串行端口"};
inline constexpr Text kPortErrorSuffix{
    "Invalid or has already been used by other procedures, please choose other bunches of mouths or close "
    "its "
    "procedure.",
    "无效或已被其它程序使用，请选择其他串口或关闭其程序."};

inline constexpr Message kPortInvalid{{"", ""}, {"The serial port is invalid", "串行端口无效"}, kStyleOk};
inline constexpr Message kForceBandQuestion{
    {"Be careful", "注意"},
    {"The frequency band is not accorded with, whether write into by force?", "频段不符，是否强制写入？"},
    kStyleQuestion};
// A write in calibration mode whose values came neither from a read, nor from an Open, nor from the user's
// own slider moves: the radio's own calibration would be replaced by values nobody chose.
inline constexpr Message kCalibrationNotReadQuestion{
    {"Be careful", "注意"},
    {"The calibration values were not read from this radio. Writing them replaces the radio's power "
     "calibration. Write anyway?",
     "校准数据不是从本机读出的，写入将覆盖对讲机的功率校准。仍要写入吗？"},
    kStyleYesNoQuestion};
inline constexpr Message kBandRefused{
    {"Mistake", "错误"},
    {"The frequency band is not accorded with, can't write into!", "频段不符，不能写入！"},
    kStyleExclamation};
inline constexpr Message kCommunicationError{
    {"Mistake", "错误"},
    {"Communication error, check the line and the serial connection selection!",
     "通信出错，请检查对讲机，连线及串口选择！"},
    kStyleCritical};
inline constexpr Message kWriteSucceeded{
    {"Suggestion", "提示"}, {"Writing succeeds frequently!", "写频成功！"}, kStyleOk};
inline constexpr Message kReadSucceeded{
    {"Suggestion", "提示"}, {"Reading succeeds frequently!", "读频成功！"}, kStyleOk};

inline constexpr Text kReadingLabel{"Reading frequently, please wait a moment.", "正在读频，请稍候。"};
inline constexpr Text kReadingCaption{"Reading……", "正在读取……"};
inline constexpr Text kWritingLabel{"Writing frequently, please wait a moment.", "正在写频，请稍候。"};
inline constexpr Text kWritingCaption{"Writing……", "正在写入……"};

inline constexpr Message kNewQuestion{{"Attention", "注意"},
                                      {"Unsaved data will be lost, sure?", "未保存的数据将会丢失，确定吗？"},
                                      kStyleQuestion};
inline constexpr Message kFileTypeIncorrect{
    {"Mistake", "错误"}, {"File type is incorrect!", "文件类型不正确！"}, kStyleCritical};
// A data file that cannot be read or written: the text is followed by the file's path.
inline constexpr Message kFileOpenFailed{
    {"Mistake", "错误"}, {"The file could not be opened: ", "文件无法打开："}, kStyleCritical};
inline constexpr Message kFileSaveFailed{
    {"Mistake", "错误"}, {"The file could not be saved: ", "文件无法保存："}, kStyleCritical};
inline constexpr Message kOutOfBand{
    {"", ""}, {"Beyond the scope of frequency band", "超出频段范围"}, kStyleOk};
inline constexpr Text kFmOutOfRange{"Beyond the scope of frequency(87-107.9), please input again.",
                                    "超出频率范围(87-107.9)，请重输。"};
// OK refused because the present channel is no channel of the FM receiver.
inline constexpr Text kFmChannelOutOfRange{
    "The present channel must be a number from 1 to 25, please input again.",
    "当前收音机工作频道必须是1到25之间的数字，请重输。"};

}  // namespace zrt::msg
