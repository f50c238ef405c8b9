#include "launcher/LauncherCommand.h"

#include <algorithm>

#include "KaptorixVersion.h"
#include "base/Blanks.h"
#include "base/ExitCodes.h"
#include "base/ProductNames.h"
#include "launcher/SettingRules.h"
#include "launcher/TypedNames.h"

namespace kx {
namespace {

using Parsed = std::variant<LauncherCommand, std::string>;

constexpr std::string_view kTestSwitch = "/TEST";
constexpr std::string_view kRawSwitch = "--raw";
constexpr std::string_view kRestartSwitch = "--restart";
constexpr std::string_view kHelpHint = "\r\n使い方は Kaptorix.exe help で表示されます";

std::string Refusal(std::string_view text) { return std::string(text) + std::string(kHelpHint); }

std::string Unexpected(std::string_view argument) {
  return Refusal("この引数は使えません: " + std::string(argument));
}

// At most three digits, blanks around them, from `min` to `max`.
std::optional<int> WholeNumberIn(std::string_view text, int min, int max) {
  text = TrimBlanks(text);
  if (text.empty() || text.size() > 3 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  int value = 0;
  for (const char c : text) value = value * 10 + (c - '0');
  if (value < min || value > max) return std::nullopt;
  return value;
}

// Only "/TEST" may follow the action word.
Parsed TestSwitchOnly(LauncherCommand command, std::span<const std::string> rest) {
  for (const std::string& argument : rest) {
    if (!EqualsIgnoringAsciiCase(argument, kTestSwitch)) return Unexpected(argument);
    command.showKeyWindow = true;
  }
  return command;
}

std::optional<std::string> CaptureOptionProblem(const CaptureOptions& options) {
  if (!WholeNumberIn(options.kind, 1, 2)) {
    return "/KIND= は 1（印刷）か 2（保存）で指定して下さい";
  }
  if (options.time && !WholeNumberIn(*options.time, 0, 20)) {
    return "/TIME= は 0 から 20 までの秒数で指定して下さい";
  }
  if (options.active && !WholeNumberIn(*options.active, 0, 1)) {
    return "/ACTIVE= は 0（画面全体）か 1（手前のウィンドウ）で指定して下さい";
  }
  // The capture program reads the rectangle itself; here only what could run
  // into the options after it is refused.
  if (options.area && !EqualsIgnoringAsciiCase(TrimBlanks(*options.area), kAreaSelect) &&
      options.area->find_first_not_of("0123456789-, \t") != std::string::npos) {
    return "/AREA= は x,y,幅,高さ（画素）か select で指定して下さい";
  }
  if (options.printer) {
    const std::string& name = *options.printer;
    const bool marker =
        name.find(kTestMarker) != std::string::npos || name.find(kStoreMarker) != std::string::npos;
    const bool control = std::any_of(name.begin(), name.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (name.find('/') != std::string::npos || marker || control) {
      return "/PRNT= のプリンタ名に / や改行、Kaptorix_TEST、Kaptorix_Dash は使えません";
    }
  }
  return std::nullopt;
}

Parsed ParseCapture(std::span<const std::string> rest) {
  LauncherCommand command;
  command.action = LauncherAction::Capture;
  std::optional<std::string> kind;
  CaptureOptions& options = command.capture;
  const std::pair<std::string_view, std::optional<std::string>*> keys[] = {
      {kKindOption, &kind},
      {kTimeOption, &options.time},
      {kActiveOption, &options.active},
      {kAreaOption, &options.area},
      {kPrinterOption, &options.printer}};
  for (const std::string& argument : rest) {
    if (EqualsIgnoringAsciiCase(argument, kTestSwitch)) {
      command.showKeyWindow = true;
      continue;
    }
    const auto key = std::find_if(std::begin(keys), std::end(keys), [&](const auto& entry) {
      return StartsWithIgnoringAsciiCase(argument, entry.first);
    });
    if (key == std::end(keys)) return Unexpected(argument);
    if (*key->second) return Refusal("同じオプションが二度あります: " + argument);
    *key->second = argument.substr(key->first.size());
  }
  if (!kind) return Refusal("capture には /KIND= を指定して下さい");
  options.kind = *kind;
  if (options.printer) options.printer = std::string(TrimBlanks(*options.printer));
  if (const auto problem = CaptureOptionProblem(options)) return Refusal(*problem);
  return command;
}

Parsed ParseGet(std::span<const std::string> rest) {
  LauncherCommand command;
  command.action = LauncherAction::Get;
  for (const std::string& name : rest) {
    if (EqualsIgnoringAsciiCase(name, kRawSwitch)) {
      command.raw = true;
      continue;
    }
    const std::optional<SettingField> field = FieldNamed(name);
    if (!field) return Refusal("設定の名前が違います: " + name);
    command.fields.push_back(*field);
  }
  return command;
}

Parsed ParseSet(std::span<const std::string> rest) {
  LauncherCommand command;
  command.action = LauncherAction::Set;
  for (const std::string& assignment : rest) {
    if (EqualsIgnoringAsciiCase(assignment, kRestartSwitch)) {
      command.restart = true;
      continue;
    }
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos) {
      return Refusal("名前=値 の形で指定して下さい: " + assignment);
    }
    const std::string name = assignment.substr(0, equals);
    const std::optional<SettingField> field = FieldNamed(name);
    if (!field) return Refusal("設定の名前が違います: " + name);
    command.assignments.emplace_back(*field, assignment.substr(equals + 1));
  }
  if (command.assignments.empty()) return Refusal("set には 名前=値 を指定して下さい");
  return command;
}

// The names get and set take, in lines of at most kUsageWidth characters.
std::string SettingNamesText() {
  constexpr std::size_t kUsageWidth = 78;
  constexpr std::string_view kHead = "名前:";  // six columns wide, as the indent
  const std::string indent(6, ' ');
  std::string text(kHead);
  std::size_t column = indent.size() - 1;
  for (const SettingField field : kAllSettingFields) {
    const std::string_view name = CommandName(field);
    if (column + 1 + name.size() > kUsageWidth) {
      text.append("\r\n").append(indent, 0, indent.size() - 1);
      column = indent.size() - 1;
    }
    text.append(" ").append(name);
    column += 1 + name.size();
  }
  return text + "\r\n";
}

}  // namespace

std::variant<LauncherCommand, std::string> ParseLauncherArguments(
    std::span<const std::string> arguments) {
  if (arguments.empty()) return LauncherCommand{};
  const std::string& word = arguments.front();
  const std::span<const std::string> rest = arguments.subspan(1);
  const auto simple = [&](LauncherAction action) -> Parsed {
    if (!rest.empty()) return Unexpected(rest.front());
    LauncherCommand command;
    command.action = action;
    return command;
  };
  const auto withTestSwitch = [&](LauncherAction action) {
    LauncherCommand command;
    command.action = action;
    return TestSwitchOnly(std::move(command), rest);
  };

  if (EqualsIgnoringAsciiCase(word, "start")) return withTestSwitch(LauncherAction::Start);
  if (EqualsIgnoringAsciiCase(word, "store")) return withTestSwitch(LauncherAction::Store);
  if (EqualsIgnoringAsciiCase(word, "stop")) return simple(LauncherAction::Stop);
  if (EqualsIgnoringAsciiCase(word, "capture")) return ParseCapture(rest);
  if (EqualsIgnoringAsciiCase(word, "get")) return ParseGet(rest);
  if (EqualsIgnoringAsciiCase(word, "set")) return ParseSet(rest);
  for (const std::string_view help : {"help", "/?", "-?", "/help", "--help", "-h"}) {
    if (EqualsIgnoringAsciiCase(word, help)) return simple(LauncherAction::Help);
  }
  return Refusal("コマンドが違います: " + word);
}

std::string KeyArguments(const LauncherCommand& command) {
  std::string text(command.showKeyWindow ? kTestMarker : kLauncherWord);
  if (command.action == LauncherAction::Store) {
    text.append(" ").append(kStoreMarker);
  } else if (command.action == LauncherAction::Capture) {
    const CaptureOptions& options = command.capture;
    // Each value runs up to the next "/", so the printer name comes last.
    text.append(" ").append(kKindOption).append(options.kind);
    if (options.time) text.append(" ").append(kTimeOption).append(*options.time);
    if (options.active) text.append(" ").append(kActiveOption).append(*options.active);
    if (options.area) text.append(" ").append(kAreaOption).append(*options.area);
    if (options.printer) text.append(" ").append(kPrinterOption).append(*options.printer);
  }
  return text;
}

std::uint32_t CaptureDelaySeconds(const LauncherCommand& command) {
  const auto seconds = [](const std::optional<std::string>& text) -> std::uint32_t {
    const std::optional<int> value = text ? WholeNumberIn(*text, 0, 20) : std::nullopt;
    return static_cast<std::uint32_t>(value.value_or(0));
  };
  if (command.action != LauncherAction::Capture) return 0;
  const std::uint32_t time = seconds(command.capture.time);
  return seconds(command.capture.active) == 1 && time == 0 ? 1 : time;
}

std::string_view ExitCodeMeaning(int code) {
  switch (code) {
    case kExitOk:
      return "成功（保存、記憶、印刷をしました）";
    case kExitRefused:
      return "引数か値の誤り（何も変更していません）";
    case kExitFailed:
      return "ファイルかプログラムを扱えません";
    case kExitStillWaiting:
      return "Kaptorix_Key が画面のメッセージへの応答を待っています（待つのをやめました）";
    case kExitSaveFailed:
      return "保存に失敗しました";
    case kExitFolderMissing:
      return "保存先フォルダがありません";
    case kExitNoFreeNumber:
      return "空いている連番がありません";
    case kExitPrintFailed:
      return "印刷できません（プリンタがない、見つからない、印刷に失敗した）";
    case kExitStartupFailed:
      return "Kaptorix_Key が起動できません（Kaptorix.ini を読み込めないなど）";
    case kExitOtherError:
      return "その他のエラー（画面を取り込めないなど）";
    case kExitRegionCancelled:
      return "範囲の選択が取り消されました（何も保存、印刷していません）";
    case kExitRegionOffScreen:
      return "範囲はどの画面にもかかっていません";
    default:
      return {};
  }
}

std::string UsageText() {
  std::string text =
      "Kaptorix " KX_VERSION_STRING
      "\r\n"
      "Kaptorix.exe                  設定画面を開きます\r\n"
      "Kaptorix.exe start [/TEST]    Kaptorix_Key を常駐させます（常駐中なら再起動）\r\n"
      "Kaptorix.exe stop             常駐中の Kaptorix_Key を終了します\r\n"
      "Kaptorix.exe capture /KIND=n [/TIME=秒] [/ACTIVE=1] [/AREA=x,y,幅,高さ|select]\r\n"
      "                     [/PRNT=プリンタ名] [/TEST]\r\n"
      "                              一回だけ取り込みます（/KIND=1 印刷、/KIND=2 保存）\r\n"
      "                              /AREA= はその範囲（画面のピクセル）を、select は\r\n"
      "                              画面上で選んだ範囲を取り込みます\r\n"
      "Kaptorix.exe store [/TEST]    画面全体をフルカラーで Dammy.bmp に記憶します\r\n"
      "Kaptorix.exe get [--raw] [名前...]\r\n"
      "                              設定を表示します（--raw: 名前でなく数値で）\r\n"
      "Kaptorix.exe set [--restart] 名前=値 ...\r\n"
      "                              設定を変更します（--restart: 常駐中なら再起動）\r\n" +
      SettingNamesText() +
      "capture と store は、保存したファイルのパス（印刷ではプリンタ名）を1行出力します。\r\n"
      "待つのは /TIME= の秒数と" +
      std::to_string(kAnswerWaitSeconds) +
      "秒までです。\r\n"
      "終了コード:\r\n";
  for (const int code : kExitCodes) {
    const std::string number = std::to_string(code);
    text.append(std::string(4 - number.size(), ' ')).append(number).append("  ");
    text.append(ExitCodeMeaning(code)).append("\r\n");
  }
  return text;
}

}  // namespace kx
