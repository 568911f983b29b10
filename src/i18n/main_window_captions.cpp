#include "i18n/main_window_captions.h"

#include <array>

namespace zrt {

namespace {

using P = CaptionProp;

constexpr std::array kMainWindow{
    Caption{"", P::WindowTitle, 0, {"ZR-T410 Radio Programming Software", "ZR-T410 对讲机编程软件"}},
    Caption{"StatusBar1.Maker", P::Text, 0, {"ZR-T410 two-way radio", "ZR-T410 对讲机"}},
    Caption{"MNFile", P::Title, 0, {"File(&F)", "文件(&F)"}},
    Caption{"MNNew", P::Text, 0, {"New(&N)", "新建(&N)"}},
    Caption{"MNOpen", P::Text, 0, {"Open(&O)", "打开(&O)"}},
    Caption{"MNSave", P::Text, 0, {"Save(&S)", "保存(&S)"}},
    Caption{"MNImport", P::Text, 0, {"Import Channels…", "导入信道…"}},
    Caption{"MNExport", P::Text, 0, {"Export Channels…", "导出信道…"}},
    Caption{"MNRecent", P::Title, 0, {"Recent Files", "最近的文件"}},
    Caption{"MNRecentClear", P::Text, 0, {"Clear Recent Files", "清除最近的文件"}},
    Caption{"MNCompare", P::Text, 0, {"Compare with File…", "与文件比较…"}},
    Caption{"MNBackups", P::Text, 0, {"Backups…", "备份…"}},
    Caption{"MNPrint", P::Text, 0, {"Print(&P)", "打印(&P)"}},
    Caption{"MNExportPdf", P::Text, 0, {"Export PDF…", "导出PDF…"}},
    Caption{"MNQuit", P::Text, 0, {"Quit(&Q)", "退出(&Q)"}},
    Caption{"MNEdit", P::Title, 0, {"Edit(&E)", "编辑(&E)"}},
    Caption{"MNModel", P::Text, 0, {"Channel Edit(&M)", "信道编辑(&M)"}},
    Caption{"MNDTMF", P::Text, 0, {"DTMF(&D)", "DTMF信令(&D)"}},
    Caption{"MNOption", P::Text, 0, {"Optional Features(&P)", "可选功能(&P)"}},
    Caption{"MNFMset", P::Text, 0, {"FM Channel Set", "收音机频道设置"}},
    Caption{"MNDebug", P::Text, 0, {"Debug Information(&B)", "调试信息(&B)"}},
    Caption{"MNProgram", P::Title, 0, {"Programming(&G)", "编程(&G)"}},
    Caption{"MNRead", P::Text, 0, {"Read Data from the Transceive(&R)", "读频(&R)"}},
    Caption{"MNWrite", P::Text, 0, {"Write Data in the Transceive(&W)", "写频(&W)"}},
    Caption{"MNVerify", P::Text, 0, {"Verify After Write", "写后校验"}},
    Caption{"MNCommPort", P::Text, 0, {"Communication Port(&C)", "通信端口(&C)"}},
    Caption{"MNRefreshPorts", P::Text, 0, {"Refresh Ports", "刷新端口"}},
    Caption{"MNStation", P::Text, 0, {"Program Several Radios…", "多台对讲机编程…"}},
    Caption{"MNLanguage", P::Title, 0, {"Language Select(&L)", "语言选择(&L)"}},
    Caption{"MNChinese", P::Text, 0, {"Chinese(&C)", "中文(&C)"}},
    Caption{"MNEnglish", P::Text, 0, {"English(&E)", "英文(&E)"}},
    Caption{"MNHelp", P::Title, 0, {"Help(&H)", "帮助(&H)"}},
    Caption{"MNF1", P::Text, 0, {"Help Theme", "帮助主题(F1)"}},
    Caption{"MNAbout", P::Text, 0, {"Software Information", "软件信息"}},
    Caption{"Label1", P::Text, 0, kBandLabelCaption},
    Caption{"TNew", P::ToolTip, 0, {"New", "新建"}},
    Caption{"TOpen", P::ToolTip, 0, {"Open", "打开"}},
    Caption{"TSave", P::ToolTip, 0, {"Save", "保存"}},
    Caption{"TRead", P::ToolTip, 0, {"Read Data from the Transceive", "读频"}},
    Caption{"TWrite", P::ToolTip, 0, {"Write Data in the Transceive", "写频"}},
};

}  // namespace

std::span<const Caption> mainWindowCaptions() {
    return kMainWindow;
}

}  // namespace zrt
