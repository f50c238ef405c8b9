#include "launcher/win32/SettingsDialog.h"

#include <commctrl.h>
#include <shlobj.h>

#include <string>

#include "base/ProductNames.h"
#include "base/win32/ComPtr.h"
#include "base/win32/PrinterList.h"
#include "base/win32/Strconv.h"
#include "base/win32/WindowTable.h"
#include "launcher/DialogLayout.h"
#include "launcher/SettingRules.h"
#include "launcher/win32/DialogFont.h"
#include "launcher/win32/DialogTemplate.h"
#include "launcher/win32/FolderPicker.h"

namespace kx::win {
namespace {

static_assert(kSaveAndStartId == IDOK && kCancelId == IDCANCEL);

constexpr WORD kIconId = 1;
constexpr std::string_view kCreateFolderQuestion = "作成しますか？";
constexpr std::string_view kCannotCreateFolderText = "保存先フォルダを作成できません";
constexpr std::string_view kSavedWhileResident =
    "設定を保存しました。常駐中の Kaptorix_Key は、再起動すると新しい設定で動きます";
constexpr std::string_view kChangedMeanwhileQuestion =
    "Kaptorix.ini は、この画面で読み込んだ後にほかで変更されました\r\n\r\n"
    "はい: 変更後の設定を読み込み直します（この画面での変更は消えます）\r\n"
    "いいえ: この画面の設定で上書きします\r\n"
    "キャンセル: 保存せずに画面に戻ります";
constexpr UINT_PTR kStatusTimer = 1;
constexpr UINT kStatusPollMs = 1000;  // the resident program may start or stop from outside

std::string ControlText(HWND control) {
  const int length = ::GetWindowTextLengthW(control);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), length + 1)));
  return WideToUtf8(text);
}

void SetControlText(HWND control, std::string_view text) {
  ::SetWindowTextW(control, Utf8ToWide(text).c_str());
}

// The longest text each numeric edit takes.
WPARAM TextLimit(SettingField field) {
  switch (field) {
    case SettingField::SerialDigits:
      return 1;
    case SettingField::PrintPercent:
      return 3;
    default:
      return HoldsNumber(field) ? 2 : 0;
  }
}

class DialogControls final : public FormControls {
 public:
  explicit DialogControls(HWND dialog) : dialog_(dialog) {}
  std::string Text(SettingField field) override { return ControlText(Item(field)); }
  bool Checked(SettingField field) override {
    return ::SendMessageW(Item(field), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  std::size_t Selection(SettingField field) override {
    const LRESULT selected = ::SendMessageW(Item(field), CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? SIZE_MAX : static_cast<std::size_t>(selected);
  }

 private:
  HWND Item(SettingField field) const { return ::GetDlgItem(dialog_, ControlId(field)); }
  HWND dialog_;
};

void SetIcons(HWND dialog) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  for (const auto& [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
    const int size = ::GetSystemMetrics(metric);
    const HANDLE icon =
        ::LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, size, size, LR_SHARED);
    ::SendMessageW(dialog, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
  }
}

}  // namespace

SettingsDialog::SettingsDialog(Launcher& launcher, KeyProgram& key, SettingsProbe& probe,
                               MessageBoxOutput& output, SettingsForm form)
    : launcher_(launcher), key_(key), probe_(probe), output_(output), form_(std::move(form)) {}

void SettingsDialog::Show(HINSTANCE instance) {
  const DialogTemplate dialogTemplate(SettingsDialogLayout(), DialogFace(),
                                      static_cast<WORD>(kDialogPointSize));
  ::DialogBoxIndirectParamW(instance, dialogTemplate.get(), nullptr, &SettingsDialog::DialogProc,
                            reinterpret_cast<LPARAM>(this));
  if (hwnd_) WindowTable<SettingsDialog>::Take(hwnd_);
  output_.SetOwner(nullptr);
}

// The dialog manager sends the first WM_INITDIALOG, with Show's object, on
// this thread before the dialog answers anyone else; any later one came from
// outside and is ignored.
INT_PTR CALLBACK SettingsDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  SettingsDialog* self = WindowTable<SettingsDialog>::Find(dialog);
  if (message == WM_INITDIALOG) {
    if (self) return FALSE;
    self = reinterpret_cast<SettingsDialog*>(lParam);
    WindowTable<SettingsDialog>::Bind(dialog, *self);
    self->hwnd_ = dialog;
  }
  if (self) {
    try {
      return self->OnMessage(message, wParam);
    } catch (...) {
    }
  }
  return FALSE;
}

INT_PTR SettingsDialog::OnMessage(UINT message, WPARAM wParam) {
  if (message == WM_INITDIALOG) {
    output_.SetOwner(hwnd_);
    SetIcons(hwnd_);
    Fill();
    ::SetTimer(hwnd_, kStatusTimer, kStatusPollMs, nullptr);
    return TRUE;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    OnCommand(LOWORD(wParam));
    return TRUE;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE &&
      LOWORD(wParam) == ControlId(SettingField::FileFormat)) {
    NameExtensionsForFormat();
    return TRUE;
  }
  if (message == WM_TIMER && wParam == kStatusTimer) {
    ShowStatus();
    return TRUE;
  }
  if (message == WM_DESTROY) ::KillTimer(hwnd_, kStatusTimer);
  return FALSE;
}

void SettingsDialog::Fill() {
  for (const SettingField field : kAllSettingFields) {
    const HWND control = Control(ControlId(field));
    switch (KindOf(field)) {
      case ControlKind::Edit:
        ::SendMessageW(control, EM_LIMITTEXT, TextLimit(field), 0);
        SetControlText(control, form_.InitialText(field));
        break;
      case ControlKind::Check:
        ::SendMessageW(control, BM_SETCHECK,
                       form_.InitiallyChecked(field) ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
      case ControlKind::Choice:
        ::SendMessageW(control, CB_RESETCONTENT, 0, 0);
        for (const Choice& choice : form_.Choices(field)) {
          ::SendMessageW(control, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(Utf8ToWide(choice.label).c_str()));
        }
        ::SendMessageW(control, CB_SETCURSEL, form_.InitialSelection(field), 0);
        break;
    }
  }
  ShowStatus();
}

void SettingsDialog::OnCommand(int id) {
  switch (id) {
    case kSaveAndStartId:
      Save(true);
      break;
    case kSaveOnlyId:
      Save(false);
      break;
    case kCancelId:
      ::EndDialog(hwnd_, IDCANCEL);
      break;
    case kStopId:
      // A copy that does not end is reported; the status line shows the rest.
      static_cast<void>(launcher_.StopResidents());
      ShowStatus();
      break;
    case kBrowseId:
      Browse();
      break;
    default:
      break;
  }
}

void SettingsDialog::Save(bool start) {
  DialogControls controls(hwnd_);
  std::variant<CaptureSettings, FieldProblem> result = form_.Collect(controls, probe_);
  if (const auto* missing = std::get_if<FieldProblem>(&result); missing && missing->folderMissing) {
    if (!CreateFolderIfWanted(*missing)) {
      FocusOn(SettingField::SaveDir);
      return;
    }
    result = form_.Collect(controls, probe_);
  }
  if (const auto* problem = std::get_if<FieldProblem>(&result)) {
    output_.ReportError({std::string(kInputErrorTitle), problem->message});
    FocusOn(problem->field);
    return;
  }
  const CaptureSettings& settings = std::get<CaptureSettings>(result);
  SaveOutcome saved = launcher_.SaveSettings(settings, false);
  if (saved == SaveOutcome::ChangedMeanwhile) {
    switch (::MessageBoxW(hwnd_, Utf8ToWide(kChangedMeanwhileQuestion).c_str(),
                          Utf8ToWide(kMessageTitle).c_str(), MB_YESNOCANCEL | MB_ICONWARNING)) {
      case IDYES:
        Reload();
        return;
      case IDNO:
        saved = launcher_.SaveSettings(settings, true);
        break;
      default:
        return;
    }
  }
  if (saved != SaveOutcome::Saved) return;
  if (!start) {
    if (key_.ResidentCount() > 0) output_.Print(kSavedWhileResident);
    ::EndDialog(hwnd_, IDOK);
    return;
  }
  if (!launcher_.StartResident(false)) {
    ShowStatus();
    return;
  }
  ::EndDialog(hwnd_, IDOK);
}

// Offers to create the missing save folder; true when it exists now. A
// failure is reported here; a "no" needs no word.
bool SettingsDialog::CreateFolderIfWanted(const FieldProblem& missing) {
  const std::string folder = ControlText(Control(ControlId(SettingField::SaveDir)));
  const std::wstring question =
      Utf8ToWide(missing.message + "\r\n\r\n" + std::string(kCreateFolderQuestion));
  if (::MessageBoxW(hwnd_, question.c_str(), Utf8ToWide(kMessageTitle).c_str(),
                    MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return false;
  }
  const int created = ::SHCreateDirectoryExW(hwnd_, Utf8ToWide(folder).c_str(), nullptr);
  if (created == ERROR_SUCCESS || created == ERROR_ALREADY_EXISTS) return true;
  output_.ReportError(
      {std::string(kErrorTitle), std::string(kCannotCreateFolderText) + "\r\n" + folder});
  return false;
}

// The controls show the file as it is now; a file that cannot be read
// (reported) leaves them as they are.
void SettingsDialog::Reload() {
  const std::optional<CaptureSettings> settings = launcher_.LoadSettings();
  if (!settings) return;
  form_ = SettingsForm(*settings, InstalledPrinterNames());
  Fill();
}

void SettingsDialog::FocusOn(SettingField field) {
  ::SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(ControlId(field))), TRUE);
}

void SettingsDialog::Browse() {
  const HWND folder = Control(ControlId(SettingField::SaveDir));
  if (const std::optional<std::string> chosen = PickFolder(hwnd_, ControlText(folder))) {
    SetControlText(folder, *chosen);
  }
}

// The extension list names ".PNG" or ".BMP" as the chosen format's files
// have it; its values, and so the selection, stay the same.
void SettingsDialog::NameExtensionsForFormat() {
  DialogControls controls(hwnd_);
  const std::vector<Choice>& formats = form_.Choices(SettingField::FileFormat);
  const std::size_t format = controls.Selection(SettingField::FileFormat);
  if (format >= formats.size()) return;
  const HWND extensions = Control(ControlId(SettingField::Extension));
  const LRESULT selected = ::SendMessageW(extensions, CB_GETCURSEL, 0, 0);
  ::SendMessageW(extensions, CB_RESETCONTENT, 0, 0);
  CaptureSettings chosen;
  if (SetFieldText(chosen, SettingField::FileFormat, formats[format].value)) return;
  for (const Choice& choice : ExtensionChoices(chosen.fileFormat)) {
    ::SendMessageW(extensions, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(Utf8ToWide(choice.label).c_str()));
  }
  ::SendMessageW(extensions, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void SettingsDialog::ShowStatus() {
  const bool resident = key_.ResidentCount() > 0;
  const std::string_view status = resident ? kResidentStatus : kStoppedStatus;
  if (ControlText(Control(kStatusId)) != status) SetControlText(Control(kStatusId), status);
  ::EnableWindow(Control(kStopId), resident);
}

int RunSettingsDialog(HINSTANCE instance, const std::string& programDir, SettingsFile& file,
                      KeyProgram& key, SettingsProbe& probe) {
  const ComApartment com;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  MessageBoxOutput output;
  Launcher launcher(programDir, file, key, probe, output);
  // Without a file (a failure to write one is reported) the dialog shows
  // the defaults; saving writes them.
  static_cast<void>(launcher.EnsureSettingsFile());
  const std::optional<CaptureSettings> settings = launcher.LoadSettings();
  if (!settings) return kExitFailed;
  SettingsDialog dialog(launcher, key, probe, output,
                        SettingsForm(*settings, InstalledPrinterNames()));
  dialog.Show(instance);
  return kExitOk;
}

}  // namespace kx::win
