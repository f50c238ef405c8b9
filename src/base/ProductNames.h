#pragma once
// What the two programs show the world, spelt exactly as users, scripts, the
// other program and earlier versions expect it: program and file names,
// window classes and captions, hot key atoms, settings tags, command-line
// markers and options, the print job's name, and every Japanese text and
// font face of Kaptorix_Key. Both programs and the tests take them from here;
// a change here is a change of the programs' outside.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kx {

// ---- Programs and files -------------------------------------------------

inline constexpr std::string_view kKeyProgramExe = "Kaptorix_Key.exe";
inline constexpr std::string_view kLauncherExe = "Kaptorix.exe";
// The resident program's title: its main window's caption, the name of its
// error log and of its print jobs.
inline constexpr std::string_view kProgramTitle = "Kaptorix_Key";

// Beside the programs.
inline constexpr std::string_view kSettingsFileName = "Kaptorix.ini";
// The mutex every writer of the settings file holds while it reads, merges
// and replaces the file.
inline constexpr std::string_view kSettingsWriterMutex = "Kaptorix_SettingsWriter";
inline constexpr std::string_view kStoreFileName = "Dammy.bmp";
inline constexpr std::string_view kErrorLogExtension = ".log";  // after kProgramTitle

// Numbered captures: prefix, serial number, extension.
inline constexpr std::string_view kDefaultFilePrefix = "KX";
inline constexpr std::string_view kUpperCaseExtension = ".BMP";
inline constexpr std::string_view kLowerCaseExtension = ".bmp";
inline constexpr std::string_view kUpperCasePngExtension = ".PNG";
inline constexpr std::string_view kLowerCasePngExtension = ".png";

// The temporary files a save writes before moving them into place: hidden,
// named this prefix, 16 hexadecimal digits and this extension.
inline constexpr std::string_view kTemporaryFilePrefix = "MDC";
inline constexpr int kTemporaryFileDigits = 16;
inline constexpr std::string_view kTemporaryFileExtension = ".tmp";

inline constexpr std::string_view kPrintDocumentName = kProgramTitle;

// ---- Windows ------------------------------------------------------------

inline constexpr std::string_view kMainWindowClass = "frmKaptorix";
inline constexpr std::string_view kMainWindowCaption = kProgramTitle;
// The registered window message that only a resident copy's main window
// answers (with a non-zero value): one-shot runs have the same window.
inline constexpr std::string_view kResidentMessage = "Kaptorix_Key.Resident";

inline constexpr std::string_view kResultNoticeClass = "frmKekka";
inline constexpr std::string_view kSaveAbortedNoticeClass = "frmErrMsg";
inline constexpr std::string_view kSaveAbortedNoticeCaption = "Kaptorix 保存中止";
inline constexpr std::string_view kPrintErrorNoticeClass = "frmPrintError";
inline constexpr std::string_view kPrintErrorNoticeCaption = "印刷エラー";
inline constexpr std::string_view kPrintErrorNoticeButton = "OK";
// The region overlay over every monitor.
inline constexpr std::string_view kRegionOverlayClass = "KaptorixRegion";

// The window property that ties a hooked window to its hook object: the
// window handle in decimal.
inline std::string HookPropertyName(std::intptr_t window) { return std::to_string(window); }

// ---- Hot keys -----------------------------------------------------------

// The resident program's four hot keys are known by global atoms named
// kHotKeyAtomPrefix and a number of at least two digits: 11, 22, 33, 44 for
// the key alone, with Shift, with Alt, with Shift and Alt; with region keys
// on, 55 and 66 for Ctrl and Ctrl+Shift after them.
inline constexpr std::string_view kHotKeyAtomPrefix = "Kaptorix_";
inline constexpr std::int32_t kHotKeyAtomStep = 11;

// ---- Settings file tags -------------------------------------------------

inline constexpr std::string_view kKeyTag = "[KEY ]";
inline constexpr std::string_view kSaveFolderTag = "[FILE]";
inline constexpr std::string_view kColorsTag = "[I256]";
inline constexpr std::string_view kPrintPercentTag = "[PAR ]";
inline constexpr std::string_view kHeaderTextTag = "[HTXT]";
inline constexpr std::string_view kHeaderLayoutTag = "[HITI]";
inline constexpr std::string_view kMarginsTag = "[HEAD]";
inline constexpr std::string_view kQualityTag = "[QUAL]";
inline constexpr std::string_view kPrintDateTag = "[TIME]";
inline constexpr std::string_view kInvertTag = "[HANT]";
inline constexpr std::string_view kAlwaysSaveTag = "[BSAV]";
inline constexpr std::string_view kOrientationTag = "[MUKI]";
inline constexpr std::string_view kFilePrefixTag = "[SVHD]";
inline constexpr std::string_view kSerialDigitsTag = "[SVNO]";
inline constexpr std::string_view kExtensionTag = "[SVKK]";
inline constexpr std::string_view kCursorTag = "[MOUS]";
inline constexpr std::string_view kPrinterTag = "[PRNT]";
inline constexpr std::string_view kFileFormatTag = "[SVFM]";
inline constexpr std::string_view kClipboardTag = "[CLIP]";
inline constexpr std::string_view kScreenTag = "[GMEN]";
inline constexpr std::string_view kTrayTag = "[ICON]";
inline constexpr std::string_view kRegionTag = "[HANI]";

// The registered clipboard format that holds a copy of the capture as a PNG
// file, beside the device-independent bitmap.
inline constexpr std::string_view kPngClipboardFormat = "PNG";

// ---- Command line of Kaptorix_Key.exe -----------------------------------

inline constexpr std::string_view kLauncherWord = "Kaptorix";  // how the line must begin
inline constexpr std::string_view kTestMarker = "Kaptorix_TEST";
inline constexpr std::string_view kStoreMarker = "Kaptorix_Dash";
inline constexpr std::string_view kKindOption = "/KIND=";
inline constexpr std::string_view kTimeOption = "/TIME=";
inline constexpr std::string_view kActiveOption = "/ACTIVE=";
inline constexpr std::string_view kPrinterOption = "/PRNT=";
// "x,y,w,h" in virtual-screen pixels, or "select" for the overlay.
inline constexpr std::string_view kAreaOption = "/AREA=";
inline constexpr std::string_view kAreaSelect = "select";

// Beside the programs: the region last taken by a one-shot run, "x,y,w,h".
inline constexpr std::string_view kLastRegionFileName = "Kaptorix_Region.txt";

// ---- Font faces, best first ---------------------------------------------

// The notices; with none installed the system picks a Japanese face.
inline constexpr std::array<std::string_view, 3> kGothicFaces{"ＭＳ ゴシック", "MS Gothic",
                                                              "VL Gothic"};
inline constexpr std::array<std::string_view, 3> kProportionalGothicFaces{
    "ＭＳ Ｐゴシック", "MS PGothic", "VL PGothic"};
// The settings dialog of Kaptorix.exe; the last one is always there.
inline constexpr std::array<std::string_view, 6> kDialogFaces{
    "Meiryo UI", "Yu Gothic UI", "MS UI Gothic", "VL PGothic", "VL Gothic", "MS Shell Dlg"};

// ---- Texts of Kaptorix_Key ----------------------------------------------

// Start-up boxes.
inline constexpr std::string_view kStartupErrorTitle = "起動エラー";
inline constexpr std::string_view kNotStartedByLauncherText = "Kaptorix.exeを起動して下さい";
inline constexpr std::string_view kSettingsFileMissingText = "Kaptorix.iniがありません";
inline constexpr std::string_view kSettingsFileUnreadableText = "Kaptorix.iniを読み込めません";

// The warning box of hot keys that could not be registered: the head, one
// line per failed combination in the order of registration, the tail.
inline constexpr std::string_view kKeyWarningTitle = "キー登録エラー";
inline constexpr std::string_view kKeyWarningHead = "以下のキーを登録できませんでした";
inline constexpr std::array<std::string_view, 6> kKeyFailureLines{
    "　登録エラー [Print]",      "　登録エラー [Print+Shift]",
    "　登録エラー [Print+Alt]",  "　登録エラー [Print+Shift+Alt]",
    "　登録エラー [Print+Ctrl]", "　登録エラー [Print+Shift+Ctrl]",
};
inline constexpr std::string_view kKeyWarningTail = "設定画面を開いて、キーを変更して下さい";
// Added after the tail while the notification-area icon is shown.
inline constexpr std::string_view kKeyWarningTrayLine =
    "通知領域のアイコンのメニューからは取り込めます";

// The notification-area icon: its tooltip (the title, this, the key's name,
// then how many of the keys are held) and its menu.
inline constexpr std::string_view kUnnamedKeyText = "キーコード ";  // then the code
inline constexpr std::string_view kTrayTooltipWaiting = " 待機中: ";
inline constexpr std::string_view kTrayTooltipKeysOpen = "（キー ";
inline constexpr std::string_view kTrayTooltipKeysOf = " 個中 ";
inline constexpr std::string_view kTrayTooltipKeysClose = " 個）";
inline constexpr std::string_view kTrayMenuSaveScreen = "画面を保存(&S)";
inline constexpr std::string_view kTrayMenuPrintScreen = "画面を印刷(&P)";
inline constexpr std::string_view kTrayMenuSaveWindow = "手前のウィンドウを保存(&W)";
inline constexpr std::string_view kTrayMenuSelectRegion = "範囲を選んで保存(&R)";
inline constexpr std::string_view kTrayMenuLater = "5 秒後に(&5)";
inline constexpr std::string_view kTrayMenuOpenSettings = "設定を開く(&O)";
inline constexpr std::string_view kTrayMenuEnd = "常駐を終了(&X)";

// Outcomes of a capture: result notices and error boxes.
inline constexpr std::string_view kErrorTitle = "エラー";
inline constexpr std::string_view kSavedText = "保存成功";
inline constexpr std::string_view kStoredText = "記憶成功";
inline constexpr std::string_view kPrintedText = "印刷成功";
inline constexpr std::string_view kSaveFailedText = "保存に失敗しました";
inline constexpr std::string_view kSaveFailedTriedText =
    "保存に失敗しました（下記で保存を試みました）";
inline constexpr std::string_view kStoreFailedText = "記憶に失敗しました";
inline constexpr std::string_view kTooManyDigitsText =
    "保存ファイル名の桁数が多すぎます（9桁まで）";
inline constexpr std::string_view kUnexpectedErrorText = "予期しないエラーのため処理を中止しました";
inline constexpr std::string_view kCaptureFailedText = "画面を取り込めませんでした";
inline constexpr std::string_view kNoPrinterText = "使用できるプリンタがありません";
inline constexpr std::string_view kJobNotSentText = "印刷ジョブをプリンタに送れませんでした";

// One-line reports of an action's failure on standard error, after the
// title kErrorTitle; most are followed by ": " and the file, folder or
// printer concerned.
inline constexpr std::string_view kFolderMissingText = "保存先フォルダがありません";
inline constexpr std::string_view kFolderTooLongText = "保存先フォルダのパスが長すぎます";
inline constexpr std::string_view kNoFreeNumberText = "空いている連番がありません";
inline constexpr std::string_view kPrintFailedText = "印刷に失敗しました";
inline constexpr std::string_view kPrinterNotFoundText = "プリンタが見つかりません";
inline constexpr std::string_view kRegionCancelledText = "範囲の選択が取り消されました";
inline constexpr std::string_view kRegionOffScreenText = "範囲はどの画面にもかかっていません";
inline constexpr std::string_view kAreaRefusedText =
    "/AREA= は x,y,幅,高さ（画面のピクセル）か select で指定して下さい";

inline constexpr std::string_view kSaveAbortedText =
    "現在設定されているディレクトリは存在しません\r\n"
    "ＢＭＰ保存先ディレクトリを再設定して下さい";
// The print-error notice: these two lines, then the error log's path.
inline constexpr std::string_view kPrintErrorHead = "PrintPictureToFitPage Error";
inline constexpr std::string_view kPrintErrorLogLine = "以下にエラーログを出力しました";

// Print failures as the error log describes them; the last two end with the
// setting or call in brackets.
inline constexpr std::string_view kErrorRecordHead = "印刷エラー=PrintPictureToFitPage";
inline constexpr std::string_view kOverflowText = "オーバーフローしました。";
inline constexpr std::string_view kDivisionByZeroText = "0 で除算しました。";
inline constexpr std::string_view kOutOfMemoryText = "メモリが不足しています。";
inline constexpr std::string_view kNoPrintableAreaText =
    "余白が大きすぎて、印刷できる領域がありません。";
inline constexpr std::string_view kRefusedSettingText = "プリンタがこの設定を受け付けません。";
inline constexpr std::string_view kPrinterCallText = "プリンタ エラーです。";

}  // namespace kx
